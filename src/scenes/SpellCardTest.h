#pragma once
#include <memory>
#include <vector>

#include "scenes/Scene.h"

class HudShowcase;
class Object;
class Text;

// Debug scene in pages (N: next, B: back). Page 0 is the text showcase: the nine alignments
// around their anchor marks, the letter sizes the game uses, a wrapped paragraph, texts linked to
// moving objects (one in the world, one on the interface) and a formatted counter. The pages after
// it show the battle HUD, hands of spell cards, the pause book and the widgets (HudShowcase).
// Each page change logs "SpellCardTest: showing <page>".
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
    void ShowPage(int index);
    void ReadPageKeys();
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
    std::unique_ptr<HudShowcase> hud;
    int page = 0;
    bool nextHeld = false;
    bool backHeld = false;
};
