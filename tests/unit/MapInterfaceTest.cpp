// The battle's visible controls driven headless with a fake mouse and keys: one press does one
// thing, prompts and the pause book hold the input, the shortcuts, the way out of the battle.
#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "WidgetTestSupport.h"
#include "battle/BattlePrompts.h"
#include "battle/ContextBar.h"
#include "battle/HandView.h"
#include "battle/MapInterface.h"
#include "battle/PauseMenu.h"
#include "render/Text.h"
#include "spells/SpellCard.h"
#include "ui/ButtonPrompt.h"
#include "ui/PausePanel.h"
#include "ui/SmartButton.h"

namespace {

constexpr int kEscape = 256, kTab = 258, kEnter = 257;

LevelText Duel()
{
    LevelText level;
    level.dimensions = R"({"width": 5, "height": 3})";
    level.tileMap = "[1,1,1,1,1, 1,1,1,1,1, 1,1,1,1,1]";
    level.objectMap = "[0,0,0,0,0, 0,0,1,0,0, 0,0,0,0,0]";
    level.rules = R"({"player_count": 2, "wizard_count": 2, "wizard_health": 4, "allowed_elements": ["normal", "fire"]})";
    // Side 1's first wizard stands on row 0, at the interface origin when there is no camera:
    // clear of the bar and the cards along the bottom of the screen.
    level.wizards = R"({"player 1": [{"x": 0, "y": 0}, {"x": 0, "y": 2}], "player 2": [{"x": 4, "y": 0}, {"x": 4, "y": 2}]})";
    return level;
}

struct Battle {
    FakeMouse mouse;
    BattleHarness harness{FixtureOptions()};
    std::vector<BattleLeave> leaves;
    std::vector<int> switches;
    std::unique_ptr<MapInterface> ui;

    explicit Battle(const LevelText& level = Duel())
    {
        EXPECT_TRUE(harness.LoadText(level.Json()));
        ui = std::make_unique<MapInterface>(
            map(), [this](BattleLeave where) { leaves.push_back(where); }, [this](int scene) { switches.push_back(scene); });
        harness.FinishFadeIn();
        Frame({600.0f, 340.0f});
    }
    Map& map() { return harness.GetMap(); }
    // One frame with the mouse at an interface point (no camera: world = interface).
    void Frame(glm::vec2 at, bool down = false)
    {
        mouse.Frame(at.x, at.y, down);
        ui->Update(1.0f / 60.0f);
    }
    // A press as a player makes it: hover, press, hold a frame, release.
    void Click(glm::vec2 at)
    {
        Frame(at);
        Frame(at, true);
        Frame(at, true);
        Frame(at);
    }
    void Idle(int frames = 30)
    {
        for (int i = 0; i < frames; ++i) Frame({600.0f, 340.0f});
    }
    void ClickPromptButton(int index)
    {
        ButtonPrompt* prompt = ui->prompts->Shown();
        ASSERT_NE(prompt, nullptr);
        Click(prompt->buttons[static_cast<std::size_t>(index)]->Position());
    }
    // Welcome and the first banner with the mouse: side 1 plays.
    void Begin()
    {
        ClickPromptButton(0);
        ClickPromptButton(0);
        ASSERT_TRUE(map().turns.turnStarted);
        Idle();
    }
    glm::vec2 TileAt(int column, int row) const { return {64.0f * static_cast<float>(column), -64.0f * static_cast<float>(row)}; }
};

std::string Stdout(const std::function<void()>& body)
{
    testing::internal::CaptureStdout();
    body();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(MapInterface, WelcomeAndBannerAreTheOnlyReceiversWhileShown)
{
    Battle battle;
    ASSERT_EQ(battle.ui->prompts->Shown(), battle.ui->prompts->welcome.get());
    // A click on a tile while the welcome prompt is up reaches no tile.
    std::string out = Stdout([&] { battle.Click({-560.0f, -200.0f}); });
    EXPECT_EQ(out.find("tileEventHandler result"), std::string::npos);
    battle.ClickPromptButton(0);
    ASSERT_EQ(battle.ui->prompts->Shown(), battle.ui->prompts->banner.get());
    EXPECT_EQ(battle.ui->prompts->banner->message->sourceText, "Player 1's Turn. Ready?");
    // "Ready" starts the turn, and the tile under the button gets nothing.
    out = Stdout([&] { battle.ClickPromptButton(0); });
    EXPECT_TRUE(battle.map().turns.turnStarted);
    EXPECT_EQ(out.find("tileEventHandler result"), std::string::npos);
    EXPECT_EQ(battle.ui->prompts->Shown(), nullptr);
}

TEST(MapInterface, TilesAreClickedThroughTheHandlerOncePerPress)
{
    Battle battle;
    battle.Begin();
    // The turn start selected side 1's first wizard; a click on it enters walk mode.
    Wizard* first = battle.map().controls.selectedWizard;
    ASSERT_NE(first, nullptr);
    glm::vec2 at = first->tile->WorldPosition();
    std::string out = Stdout([&] {
        battle.Frame(at);
        battle.Frame(at, true);
        for (int i = 0; i < 5; ++i) battle.Frame(at, true);  // held: no second click
        battle.Frame(at);
    });
    EXPECT_EQ(out, "tileEventHandler result was ID 6\n");
    EXPECT_EQ(battle.map().state, Map::kWalkMode);
    // A right click without a drag backs out, keeping the wizard and its cards.
    battle.mouse.Frame(300.0f, 300.0f, false, true);
    battle.ui->Update(0.016f);
    battle.mouse.Frame(301.0f, 300.0f, false, false);
    battle.ui->Update(0.016f);
    EXPECT_EQ(battle.map().state, Map::kIdle);
    EXPECT_EQ(battle.map().controls.selectedWizard, first);
}

TEST(MapInterface, APressOnACardNeverReachesTheTileBeneath)
{
    Battle battle;
    battle.Begin();
    battle.Idle(90);  // the cards glide into place
    ASSERT_TRUE(battle.ui->hand->Shown());
    ASSERT_GE(battle.ui->hand->Count(), 1);
    SpellCard* card = battle.ui->hand->Card(0);
    std::string out = Stdout([&] { battle.Click(card->Position() + glm::vec2(0.0f, 200.0f)); });
    EXPECT_EQ(battle.map().state, Map::kAiming);
    EXPECT_EQ(out.find("tileEventHandler result"), std::string::npos) << out;
}

TEST(MapInterface, HiddenEndTurnQuestionNeverFires)
{
    Battle battle;
    battle.Begin();
    battle.Click(battle.ui->bar->Button("EndTurn")->Position());
    ASSERT_EQ(battle.ui->prompts->Shown(), battle.ui->prompts->endTurn.get());
    // The bar is locked while the question is up.
    EXPECT_FALSE(battle.ui->bar->enabled);
    glm::vec2 yes = battle.ui->prompts->endTurn->buttons[0]->Position();
    battle.ClickPromptButton(1);  // "No"
    EXPECT_EQ(battle.ui->prompts->Shown(), nullptr);
    battle.Click(yes);
    EXPECT_EQ(battle.map().turns.currentSide, 1);
    EXPECT_TRUE(battle.map().turns.turnStarted);
}

TEST(MapInterface, KeysJumpPickCardsAndEndTheTurn)
{
    Battle battle;
    battle.Begin();
    BattleControls& controls = battle.map().controls;
    Wizard* first = controls.selectedWizard;
    battle.ui->Key(kTab);
    ASSERT_NE(controls.selectedWizard, nullptr);
    EXPECT_NE(controls.selectedWizard, first);
    battle.ui->Key(kTab);
    EXPECT_EQ(controls.selectedWizard, first);
    battle.ui->Key('1');
    EXPECT_EQ(battle.map().state, Map::kAiming);
    // Tab while aiming backs out first, then jumps.
    battle.ui->Key(kTab);
    EXPECT_EQ(battle.map().state, Map::kIdle);
    // '9' names no card of a one-card hand: nothing happens.
    battle.ui->Key('9');
    EXPECT_EQ(battle.map().state, Map::kIdle);
    // Enter: the question (AP left), Enter again: "Yes".
    battle.ui->Key(kEnter);
    EXPECT_TRUE(controls.endTurnPromptShown);
    battle.ui->Key(kEnter);
    EXPECT_EQ(battle.map().turns.currentSide, 2);
    // Enter on the banner is its "Ready".
    battle.ui->Key(kEnter);
    EXPECT_TRUE(battle.map().turns.turnStarted);
}

TEST(MapInterface, PauseQuitAsksAndNoKeepsTheBattle)
{
    Battle battle;
    battle.Begin();
    battle.ui->Key(kEscape);
    battle.Frame({0.0f, 0.0f});
    ASSERT_TRUE(battle.map().paused);
    battle.Click(battle.ui->pause->panel->Button("Quit")->Position());
    ASSERT_TRUE(battle.ui->pause->exitPrompt->visible);
    EXPECT_TRUE(battle.ui->pause->exitFlag);
    battle.Click(battle.ui->pause->exitPrompt->buttons[1]->Position());  // "No"
    EXPECT_FALSE(battle.ui->pause->exitPrompt->visible);
    battle.ui->Key(kEscape);
    battle.Frame({0.0f, 0.0f});
    battle.ui->Key(kEscape);
    battle.Frame({0.0f, 0.0f});
    EXPECT_TRUE(battle.leaves.empty());
    // Quit, then "Yes": the main menu, once.
    battle.Click(battle.ui->pause->panel->Button("Quit")->Position());
    battle.Click(battle.ui->pause->exitPrompt->buttons[0]->Position());
    EXPECT_EQ(battle.leaves, (std::vector<BattleLeave>{BattleLeave::MainMenu}));
}

TEST(MapInterface, PauseLeaveRequestsInTheirOrder)
{
    Battle battle;
    battle.Begin();
    battle.ui->Key(kEscape);
    battle.Frame({0.0f, 0.0f});
    battle.Click(battle.ui->pause->panel->Button("Restart")->Position());
    ASSERT_TRUE(battle.ui->pause->restartPrompt->visible);
    battle.Click(battle.ui->pause->restartPrompt->buttons[0]->Position());
    battle.Click(battle.ui->pause->panel->Button("Settings")->Position());
    battle.Click(battle.ui->pause->panel->Button("How To Play")->Position());
    EXPECT_EQ(battle.leaves, (std::vector<BattleLeave>{BattleLeave::Restart, BattleLeave::Settings, BattleLeave::HowToPlay}));
    // "Resume" unpauses exactly as Escape.
    battle.Click(battle.ui->pause->panel->Button("Resume")->Position());
    EXPECT_FALSE(battle.map().paused);
}

TEST(MapInterface, UnpausingClosesTheQuestionAndForgetsTheExit)
{
    Battle battle;
    battle.Begin();
    battle.ui->Key(kEscape);
    battle.Frame({0.0f, 0.0f});
    battle.Click(battle.ui->pause->panel->Button("Quit")->Position());
    battle.ui->Key(kEscape);
    battle.Frame({0.0f, 0.0f});
    EXPECT_FALSE(battle.ui->pause->exitPrompt->visible);
    EXPECT_FALSE(battle.ui->pause->exitFlag);
    EXPECT_TRUE(battle.leaves.empty());
}

TEST(MapInterface, TheWonBattleLeadsOnceToTheVictoryScene)
{
    Battle battle;
    battle.Begin();
    for (auto& wizard : battle.map().wizards)
        if (wizard->side == 2) wizard->SetHealth(0);
    battle.map().victoryPending = true;
    battle.map().pendingWinner = 0;
    battle.Idle(2);
    battle.ui->Key(kEnter);  // "End Turn": AP left, so the question
    battle.ui->Key(kEnter);  // "Yes"
    ASSERT_TRUE(battle.map().battleOver);
    // Escape pauses nothing once the battle is over.
    battle.ui->Key(kEscape);
    EXPECT_FALSE(battle.map().paused);
    for (int i = 0; i < 200; ++i) battle.Frame({0.0f, 0.0f});
    EXPECT_EQ(battle.switches, (std::vector<int>{MapInterface::VictoryScene(false, false)}));
    EXPECT_EQ(MapInterface::VictoryScene(false, false), 7);
    EXPECT_EQ(MapInterface::VictoryScene(true, false), 12);
}
