#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include <glm/glm.hpp>

#include "meta/CampaignFlow.h"
#include "meta/CampaignRules.h"
#include "meta/SceneMusic.h"
#include "scenes/Scene.h"

class Background;
class CampaignDossier;
class Object;
class SmartButton;

// The campaign map: the world picture over the open sea, one icon per mission the player has
// reached, and the dossier with Sergeant Merlin's briefing, each mission's page and its map
// preview. "Enter" fades to black and starts the mission's battle; "Back" returns to the main menu.
// The battle comes back here through the campaign victory screen, so every visit starts afresh.
class MenuCampaign : public Scene {
public:
    // `switchScene` carries out the way out (scene indices of scenes/SceneIndex.h); an empty one
    // uses the scene system. It runs after the update, never inside a button's action.
    explicit MenuCampaign(std::function<void(int scene)> switchScene = {});
    ~MenuCampaign() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;
    void Unload() override;
    void OnResize(int width, int height) override;
    void OnSettingChanged() override { music.OnSettingChanged(); }
    void OnFocus(bool focused) override { music.OnFocus(focused); }
    void OnIconify(bool iconified) override { music.OnIconify(iconified); }

    // Interface position of each mission's icon on the 1280 x 720 map.
    static const std::array<glm::vec2, campaign::kMissionCount>& IconPositions();

    // For tests: the flow and the widgets.
    const CampaignFlow& Flow() const { return flow; }
    CampaignDossier* Dossier() const { return dossier.get(); }
    SmartButton* Icon(int mission) const;
    const std::string& MapPictureName() const { return mapPicture; }

private:
    void BuildIcons();
    void ShowDossierPage();
    void OnDossierButton(const std::string& caption);
    void UpdateFade();
    void LeaveIfAsked(CampaignFlow::Leave leave);

    std::function<void(int)> switchScene;
    CampaignFlow flow;
    SceneMusic music;
    std::unique_ptr<Background> backdrop;
    std::unique_ptr<Object> map;
    std::string mapPicture;
    std::unique_ptr<SmartButton> back;
    std::array<std::unique_ptr<SmartButton>, campaign::kMissionCount> icons;
    std::array<bool, campaign::kMissionCount> iconShown{};
    std::unique_ptr<CampaignDossier> dossier;
    std::unique_ptr<Background> fade;
    int clickedIcon = -1;
    bool backClicked = false;
};
