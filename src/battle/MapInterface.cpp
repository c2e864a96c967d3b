#include "battle/MapInterface.h"

#include <algorithm>

#include "battle/BattleCheats.h"
#include "battle/BattleHud.h"
#include "battle/BattlePrompts.h"
#include "battle/CheatMenu.h"
#include "battle/ContextBar.h"
#include "battle/HandView.h"
#include "battle/Map.h"
#include "battle/TutorialPrompt.h"
#include "engine/Input.h"
#include "meta/BattleSetup.h"
#include "render/Text.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneSystem.h"
#include "ui/Bar.h"
#include "ui/FloatingTexts.h"
#include "ui/HudLayout.h"

namespace {
void LeaveThroughSceneSystem(BattleLeave where)
{
    SceneSystem* scenes = SceneSystem::Instance();
    if (!scenes) return;
    switch (where) {
    case BattleLeave::Settings:
        scenes->pushScene(kSceneSettings);
        break;
    case BattleLeave::HowToPlay:
        scenes->pushScene(kSceneMenuCodex);
        break;
    case BattleLeave::MainMenu:
        scenes->switchTo(kSceneMenuMain);
        break;
    case BattleLeave::Restart:
        scenes->RestartCurrent();
        break;
    case BattleLeave::None:
        break;
    }
}

void SwitchThroughSceneSystem(int index)
{
    if (SceneSystem* scenes = SceneSystem::Instance()) scenes->switchTo(index);
}
}  // namespace

MapInterface::MapInterface(Map& owner, std::function<void(BattleLeave)> leaveAction, std::function<void(int)> switchAction)
    : map(owner), leave(std::move(leaveAction)), switchScene(std::move(switchAction))
{
    if (!leave) leave = LeaveThroughSceneSystem;
    if (!switchScene) switchScene = SwitchThroughSceneSystem;
    width = map.windowWidth;
    height = map.windowHeight;
    bar = std::make_unique<ContextBar>();
    hand = std::make_unique<HandView>(map);
    prompts = std::make_unique<BattlePrompts>(map, [this] {
        switchScene(BattleSetup.campaignMode ? kSceneMenuCampaign : kSceneMenuMain);
    });
    pause = std::make_unique<PauseMenu>(map, [this](BattleLeave where) {
        // Quitting leaves nothing of this battle behind for the next one.
        if (where == BattleLeave::MainMenu) {
            BattleSetup.aiTurnActive = false;
            Input().cameraInputLocked = false;
        }
        leave(where);
    });
    if (map.tutorial) tutorial = std::make_unique<TutorialPrompt>(map, [this](int scene) { switchScene(scene); });
    hud = std::make_unique<BattleHud>(map);
    texts = std::make_unique<FloatingTextLayer>();
    announcement = ui::MakeLabel("", 26.0f, glm::vec4(1.0f, 0.0f, 0.0f, 1.0f), kAlignCenter);
    preview = ui::MakeLabel("", 18.0f, glm::vec4(1.0f), kAlignLeft);
    previewBack = ui::MakeSprite("None", glm::vec2(1.0f), "static", glm::vec4(0.08f, 0.06f, 0.1f, 0.85f));
    previewBar = std::make_unique<Bar>(1.0f, 1.0f, 0.0f, 0.0f, 90.0f, 10.0f);
    previewBar->UseInterfaceSpace();
    closingPanel = ui::MakeSprite("Menu_Book", glm::vec2(640.0f, 360.0f));
    closingText = ui::MakeLabel("", 48.0f, glm::vec4(0.18f, 0.13f, 0.18f, 1.0f), kAlignCenter);
    BindBar();
    BuildCheats();
    map.hooks = this;
    // Keys pressed before the battle began belong to the screen before it.
    input::TakeKeyPresses();
}

MapInterface::~MapInterface()
{
    if (map.hooks == this) map.hooks = &map.defaultHooks;
}

void MapInterface::BindBar()
{
    for (const char* name : ContextBar::kButtonNames)
        bar->SetFunction(name, [this, button = std::string(name)] { map.controls.Press(button); });
}

void MapInterface::BuildCheats()
{
    CheatMenu::Commands commands;
    commands.drawRandomSpell = [this] { battle_cheats::DrawRandomSpell(map); };
    commands.killSelected = [this] { battle_cheats::KillSelected(map); };
    commands.makeSideWin = [this](int side) { battle_cheats::MakeSideWin(map, side); };
    commands.resetHealthAndAp = [this] { battle_cheats::ResetHealthAndAp(map); };
    commands.refreshTokens = [this] { battle_cheats::RefreshTokens(map); };
    commands.spellBook = [this] { return battle_cheats::SpellBookLines(map); };
    cheats = std::make_unique<CheatMenu>(std::move(commands));
}

int MapInterface::VictoryScene(bool campaign, bool tutorialFinished)
{
    return campaign || tutorialFinished ? kSceneGameCampaignVictory : kSceneGameVictory;
}

void MapInterface::ShowFloatingText(const FloatingText& text)
{
    // Damage numbers are sized by the damage (2 damage asks for 20): small numbers are raised to a
    // size that reads over a busy tile at 1280 x 720.
    const float size = std::max(text.size, kMinFloatingTextSize);
    if (text.follow)
        texts->Add(text.text, static_cast<const Object*>(text.follow), text.lifetime, size, text.colour);
    else
        texts->Add(text.text, text.position, text.lifetime, size, text.colour);
}

void MapInterface::GlideCamera(glm::vec2 position)
{
    SceneSystem* scenes = SceneSystem::Instance();
    if (scenes && scenes->camera()) scenes->camera()->pushTarget(position.x, position.y, Camera::kEase, true);
}

void MapInterface::SwitchMusic(bool on, bool alternative)
{
    if (onMusicSwitch) onMusicSwitch(on, alternative);
}

void MapInterface::ShowWizardPanel(Wizard& wizard)
{
    hud->PinTile(wizard.tile);
}

void MapInterface::TutorialMilestone(int milestone)
{
    if (tutorial) {
        if (milestone == 0) tutorial->OnReady();
        if (milestone == 2) tutorial->OnTokenCollected();
        if (milestone == 5) tutorial->OnDummyDestroyed();
    }
    if (onTutorialMilestone) onTutorialMilestone(milestone);
}

void MapInterface::TutorialWalkEnded(bool onToken, bool onFireTile)
{
    if (tutorial) tutorial->OnWalkEnded(onToken, onFireTile);
    BattleHooks::TutorialWalkEnded(onToken, onFireTile);  // the scene's hook hears 1 and 3 as before
}

void MapInterface::Resize(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    map.windowWidth = newWidth;
    map.windowHeight = newHeight;
}

void MapInterface::DrawDebugWindow(bool debugFlag)
{
    cheats->Draw(debugFlag);
}

void MapInterface::Draw()
{
    if (map.mapView) {
        // Map view shows the island alone; the pause book still covers it when paused.
        if (map.paused) pause->Draw();
        return;
    }
    texts->Draw();
    hud->Draw();
    hand->Draw();
    bar->Draw();
    if (!preview->sourceText.empty()) {
        previewBack->Draw();
        preview->Draw();
        previewBar->Draw();
    }
    if (!announcement->sourceText.empty()) announcement->Draw();
    prompts->Draw();
    if (tutorial) tutorial->Draw();
    if (map.battleOver) {
        closingPanel->Draw();
        closingText->Draw();
    }
    if (map.paused) pause->Draw();
}
