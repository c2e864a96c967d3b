#pragma once
#include <memory>

#include "scenes/Scene.h"

class Background;
class BattleHooks;
class Map;
class ProjectileSprite;

// The battle scene: owns the Map built from the chosen level, the backdrop, the fade-in overlay
// and the battle music; reads the battle keys and tile clicks and hands them to the map; carries
// out the map's requests (victory screen) after the map's update has returned.
class GameMap : public Scene {
public:
    GameMap();
    ~GameMap() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;
    void Unload() override;
    void OnResize(int width, int height) override;
    void OnSettingChanged() override;
    void OnFocus(bool focused) override;
    void OnMusicSwitch(bool on, bool alternative) override;

    Map* GetMap() const { return map.get(); }
    // The backdrop style of a level's "background" number.
    static int BackdropStyle(int background);

private:
    void ReadInput();
    void AfterMapUpdate();
    void UpdateFade(float dt);

    std::unique_ptr<Background> backdrop;
    std::unique_ptr<Background> fade;
    std::unique_ptr<Map> map;
    std::unique_ptr<ProjectileSprite> projectile;
    std::unique_ptr<BattleHooks> hooks;
    float fadeTime = 0.0f;
    bool fadePending = false;
    bool escapeHeld = false;
    bool partyHeld = false;
    bool mapViewHeld = false;
    bool clickHeld = false;
    bool resultStored = false;
};
