#pragma once
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "scenes/Scene.h"

class Background;
class Emitter;
class Object;
class SmartButton;
class SoundSystem;
class Text;

// The main menu: the title over a wooden backdrop with Primalites raining down, and seven buttons
// leading to every part of the game. The first visit of a run opens with a fade from black; "c"
// turns the backdrop to lava and the rain to fire.
class MenuMain : public Scene {
public:
    MenuMain();
    ~MenuMain() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;
    void Unload() override;
    void OnResize(int width, int height) override;
    void OnSettingChanged() override;
    void OnFocus(bool focused) override;

    static constexpr float kFadeSeconds = 1.5f;

private:
    void BuildButtons();
    void ApplyLook();
    void RunRequest();

    std::unique_ptr<SoundSystem> music;
    std::unique_ptr<Background> backdrop;
    std::unique_ptr<Background> fade;
    std::vector<std::unique_ptr<Object>> objects;  // banner and title texts
    std::vector<std::unique_ptr<SmartButton>> buttons;
    std::array<Emitter*, 4> rain{};
    std::unique_ptr<Object> rainHolder;  // owns the four emitters
    float fadeLeft = 0.0f;
    std::function<void()> request;  // what a button asked for, run once the update is over
    bool lava = false;              // the "c" look; lasts for the run
};
