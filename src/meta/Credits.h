#pragma once
#include <memory>

#include "meta/CreditsScroll.h"
#include "scenes/Scene.h"

class Object;
class Text;

// The credits ("./Data/Credits.txt") rising over black; holding Space speeds them up sixteenfold.
// At the end the closing words fade in and out, and the screen returns to the one below it.
class Credits : public Scene {
public:
    Credits();
    ~Credits() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override {}
    void Unload() override;

private:
    std::unique_ptr<CreditsScroll> scroll;
    std::unique_ptr<Text> credits;
    std::unique_ptr<Text> hint;
    std::unique_ptr<Object> stranger;  // carries the closing words' position; never drawn
    std::unique_ptr<Text> closing;
};
