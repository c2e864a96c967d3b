#pragma once
#include <memory>
#include <vector>

#include "scenes/Scene.h"

class Object;
class Text;

// Debug scene for text until spell cards exist: the nine alignments around their anchor marks,
// the letter sizes the game uses, a wrapped paragraph, texts linked to moving objects (one in the
// world, one on the interface) and a formatted counter.
class SpellCardTest : public Scene {
public:
    SpellCardTest();
    ~SpellCardTest() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;
    void Unload() override;

private:
    void BuildAlignments();
    void BuildSizes();
    void BuildWrapped();
    void BuildLinked();

    std::vector<std::unique_ptr<Object>> marks;
    std::vector<std::unique_ptr<Text>> texts;
    Object* worldMover = nullptr;
    Object* uiMover = nullptr;
    Text* counter = nullptr;
    float clock = 0.0f;
    int frames = 0;
};
