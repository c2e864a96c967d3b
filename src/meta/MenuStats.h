#pragma once
#include <memory>
#include <vector>

#include <glm/glm.hpp>

#include "meta/ProfileStats.h"
#include "scenes/Scene.h"

class Object;
class SmartButton;
class SoundSystem;
class Text;

// The statistics screen, opened over the main menu: the profile's counters, the favourite map and
// faction, the campaign completion, and a two-click reset of the counters.
class MenuStats : public Scene {
public:
    MenuStats();
    ~MenuStats() override;

    static constexpr float kReloadSeconds = 1.5f;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;
    void Unload() override;
    void OnSettingChanged() override;
    void OnFocus(bool focused) override;

    // The reset button's message ("" until it is pressed).
    const std::string& Message() const { return resetState.Message(); }

private:
    void BuildCounters();
    void BuildFavourites();
    void BuildCompletion();
    void BuildButtons();
    Text* AddText(const std::string& text, glm::vec2 at, float size, int hAlign = 2);

    std::unique_ptr<SoundSystem> music;
    std::vector<std::unique_ptr<Object>> pictures;
    std::vector<std::unique_ptr<Text>> texts;
    std::unique_ptr<SmartButton> reset;
    std::unique_ptr<SmartButton> back;
    Text* message = nullptr;
    profilestats::ResetButton resetState;
    float reloadCountdown = -1.0f;
    bool leave = false;
};
