#pragma once
#include <functional>
#include <memory>
#include <string>

#include <glm/glm.hpp>

#include "battle/BattleHooks.h"
#include "battle/BattleShortcuts.h"
#include "battle/PauseMenu.h"

class Bar;
class BattleHud;
class BattlePrompts;
class CheatMenu;
class ContextBar;
class FloatingTextLayer;
class HandView;
class Map;
class Object;
class Text;
class Tile;
class TutorialPrompt;

// The battle's visible controls: turns the mouse and the keys into the controls' entry points and
// shows their model. It owns the context bar, the shown hand, the prompts, the pause book, the HUD
// panels, the announcement line, the floating texts, the outcome preview, the closing panel and
// the debug cheat menu, and it is the map's hooks (sounds, texts, camera glides).
//
// One press does one thing: each frame the receivers are asked top-down (the pause book and its
// question while paused; else the shown prompt, the cards, the context bar, the HUD panels) and
// only a press none of them took reaches the tile under the cursor.
//
//     MapInterface ui(map, leave);   // after the map's Initialise; ui installs itself as its hooks
//     every frame: ui.Update(dt);    // keys, mouse, then the map's own update
//     render: draw the map, then ui.Draw();
class MapInterface : public BattleHooks {
public:
    // `leave` carries out the pause book's requests and `switchScene` the way out once the battle
    // is over (scene indices of scenes/SceneIndex.h); empty ones use the scene system, deferred
    // until the scene's update returns.
    MapInterface(Map& map, std::function<void(BattleLeave)> leave = {}, std::function<void(int scene)> switchScene = {});
    ~MapInterface() override;
    MapInterface(const MapInterface&) = delete;
    MapInterface& operator=(const MapInterface&) = delete;

    // Keys, then the mouse receivers in press order, then the map's update, then what follows it
    // (announcement, preview, closing panel, the way to the victory scene).
    void Update(float dt);
    void Draw();
    // The cheat menu's Dear ImGui window (inside an ImGui frame).
    void DrawDebugWindow(bool debugFlag);
    void Resize(int width, int height);

    // One key press as the window reported it (Escape, F, C and the shortcuts).
    void Key(int key);

    // --- BattleHooks ---
    void ShowFloatingText(const FloatingText& text) override;
    void GlideCamera(glm::vec2 position) override;
    void SwitchMusic(bool on, bool alternative) override;
    void ShowWizardPanel(Wizard& wizard) override;
    void TutorialMilestone(int milestone) override;
    void TutorialWalkEnded(bool onToken, bool onFireTile) override;

    // Hooks of the scene around the battle.
    std::function<void(bool on, bool alternative)> onMusicSwitch;
    std::function<void(int milestone)> onTutorialMilestone;

    // Parts, for the scene and for tests.
    Map& map;
    std::unique_ptr<ContextBar> bar;
    std::unique_ptr<HandView> hand;
    std::unique_ptr<BattlePrompts> prompts;
    std::unique_ptr<TutorialPrompt> tutorial;  // only in the training exercise
    std::unique_ptr<PauseMenu> pause;
    std::unique_ptr<BattleHud> hud;
    std::unique_ptr<FloatingTextLayer> texts;
    std::unique_ptr<CheatMenu> cheats;
    std::unique_ptr<Text> announcement;
    std::unique_ptr<Object> closingPanel;
    std::unique_ptr<Text> closingText;
    std::unique_ptr<Text> preview;
    std::unique_ptr<Object> previewBack;  // the dark backing that keeps the preview readable
    std::unique_ptr<Bar> previewBar;
    bool victoryRequested = false;
    static constexpr float kMinFloatingTextSize = 36.0f;
    int width = 1280;
    int height = 720;

    // The scene the battle's end leads to: the campaign victory in the campaign (or at the end of
    // the tutorial), else the victory scene.
    static int VictoryScene(bool campaign, bool tutorialFinished);

private:
    void BindBar();
    void UpdatePointer(float dt);
    void UpdateTiles();
    void UpdateAfterMap(float dt);
    void UpdateAnnouncement();
    void UpdatePreview();
    void UpdateClosing();
    void Shortcut(battle_shortcuts::Shortcut shortcut);
    bool BackOut();
    void BuildCheats();

    std::function<void(BattleLeave)> leave;
    std::function<void(int)> switchScene;
    battle_shortcuts::RightClickTracker rightClick;
    bool wasPaused = false;
    Tile* hovered = nullptr;
};
