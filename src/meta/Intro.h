#pragma once
#include <array>
#include <memory>

#include "meta/IntroTimeline.h"
#include "scenes/Scene.h"

class Object;
class Text;

// The three logo cards on white at start-up, each fading in and out; a click, a held right
// button or a tap of Escape, Space or Enter skips to the next. Then the main menu.
class Intro : public Scene {
public:
    Intro();
    ~Intro() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override {}
    void Unload() override;
    void OnResize(int width, int height) override;

private:
    bool SkipRequested();

    IntroTimeline timeline;
    std::array<std::unique_ptr<Object>, IntroTimeline::kCards> logos;
    std::unique_ptr<Text> notice;
};
