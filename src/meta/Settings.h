#pragma once
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "meta/SettingsLayout.h"
#include "scenes/Scene.h"

class Background;
class Object;
class Slider;
class SmartButton;
class Text;

// The settings screen, opened over the main menu or the paused battle: seven on/off options, the
// window size and the camera speed. Every change is saved and applied at once.
class Settings : public Scene {
public:
    Settings();
    ~Settings() override;

    void Load() override;
    void Init() override;
    void Enter() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;
    void Unload() override;
    void OnResize(int width, int height) override;

    const Slider* ResolutionSlider() const { return resolution.get(); }
    const Slider* SensitivitySlider() const { return sensitivity.get(); }

private:
    void BuildPanels();
    void BuildRows();
    void BuildSliders();
    void ApplyLayout();
    void PlaceRows();

    SettingsLayout layout;
    std::unique_ptr<Background> backdrop;
    std::map<std::string, std::unique_ptr<Object>> panels;  // "title_panel", "settings_panel"
    std::unique_ptr<Object> banner;
    std::map<std::string, std::unique_ptr<Text>> texts;  // the title and the nine labels, by text
    std::map<std::string, std::unique_ptr<SmartButton>> toggles;  // by label
    std::unique_ptr<Slider> resolution;
    std::unique_ptr<Slider> sensitivity;
    std::unique_ptr<SmartButton> back;
    bool leave = false;
};
