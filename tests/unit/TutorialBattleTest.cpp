// The training exercise played on the shipped "TrainingIsland" through the battle's interface with
// a fake mouse: every explanation comes from the real battle's events, the prompt holds the
// battle's clicks while it is up, no question replaces its text, and "End Tutorial" records side
// 1's win before leaving for the campaign victory screen.
#include <filesystem>

#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "battle/BattleHarness.h"
#include "battle/BattlePrompts.h"
#include "battle/MapInterface.h"
#include "battle/PauseMenu.h"
#include "battle/TutorialPrompt.h"
#include "meta/BattleSetup.h"
#include "render/Text.h"
#include "scenes/SceneIndex.h"
#include "spells/Spell.h"
#include "ui/ButtonPrompt.h"
#include "ui/PausePanel.h"
#include "ui/SmartButton.h"

namespace {

// Wizard, token, fire tile and dummy of the shipped island.
constexpr int kTokenColumn = 3, kTokenRow = 3;
constexpr int kFireColumn = 3, kFireRow = 1;
constexpr int kDummyColumn = 5, kDummyRow = 2;

struct Training {
    FakeMouse mouse;
    BattleHarness harness{Options()};
    std::vector<int> switches;
    std::unique_ptr<MapInterface> ui;

    static HarnessOptions Options()
    {
        HarnessOptions options;
        options.tutorial = true;
        return options;
    }
    Training()
    {
        BattleSetup = BattleSetupRecord{};
        BattleSetup.campaignMode = true;
        BattleSetup.tutorialMode = true;
        loaded = harness.Load("TrainingIsland");
        if (!loaded) return;
        ui = std::make_unique<MapInterface>(map(), [](BattleLeave) {}, [this](int scene) { switches.push_back(scene); });
        harness.FinishFadeIn();
        Frame();
    }
    ~Training() { BattleSetup = BattleSetupRecord{}; }

    Map& map() { return harness.GetMap(); }
    TutorialPrompt& tutorial() { return *ui->tutorial; }
    const std::string& Text() { return tutorial().Widget().message->sourceText; }
    bool Shows(const char* opening) { return tutorial().Shown() && Text().rfind(opening, 0) == 0; }
    void Frame(glm::vec2 at = {600.0f, 340.0f}, bool down = false)
    {
        mouse.Frame(at.x, at.y, down);
        ui->Update(1.0f / 60.0f);
    }
    void Click(glm::vec2 at)
    {
        Frame(at);
        Frame(at, true);
        Frame(at);
    }
    // Presses the tutorial's button as a player does, n times.
    void PressButton(int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            ASSERT_TRUE(tutorial().Shown());
            Click(tutorial().Widget().buttons[0]->Position());
        }
    }
    // The wizard walks to (column, row): select it, "Walk", the tile, then the walk plays out.
    void WalkTo(int column, int row)
    {
        Wizard* wizard = map().wizards.front().get();
        harness.ClickNone();
        harness.ClickTile(wizard->logicalColumn, wizard->logicalRow);
        ASSERT_TRUE(harness.Press("Walk"));
        ASSERT_EQ(map().state, Map::kWalkMode);
        harness.ClickTile(column, row);
        ASSERT_TRUE(harness.Settle());
        Frame();
    }
    int FireballIndex()
    {
        const auto& hand = map().wizards.front()->hand;
        for (std::size_t i = 0; i < hand.size(); ++i)
            if (hand[i]->name == "Fireball") return static_cast<int>(i);
        return -1;
    }
    void CastFireballAtDummy()
    {
        Wizard* wizard = map().wizards.front().get();
        harness.ClickNone();
        harness.ClickTile(wizard->logicalColumn, wizard->logicalRow);
        ASSERT_TRUE(harness.SelectCard(FireballIndex()));
        harness.ClickTile(kDummyColumn, kDummyRow);
        ASSERT_TRUE(harness.Settle());
        Frame();
    }

    bool loaded = false;
};

}  // namespace

TEST(TutorialBattle, TheWholeExerciseFromReadyToEndTutorial)
{
    if (!std::filesystem::exists("./Data/Levels/TrainingIsland.json")) GTEST_SKIP() << "run from the build folder";
    Training t;
    ASSERT_TRUE(t.loaded);
    // No welcome: the first "Ready" is pressed for the player and milestone 0 shows at once.
    EXPECT_TRUE(t.map().turns.turnStarted);
    ASSERT_TRUE(t.Shows("Welcome to the Primalites Training Exercise."));
    EXPECT_EQ(t.ui->prompts->Shown(), nullptr);
    // The battle takes no click while the text is up.
    EXPECT_FALSE(t.map().controls.AcceptsPlayerInput());
    t.PressButton(4);
    EXPECT_TRUE(t.Shows("Click the Left Mouse Button (LMB)"));
    t.PressButton();
    EXPECT_FALSE(t.tutorial().Shown());
    EXPECT_TRUE(t.map().controls.AcceptsPlayerInput());

    t.WalkTo(kTokenColumn, kTokenRow);
    ASSERT_TRUE(t.Shows("Primalites are the game's main resource."));
    t.PressButton(3);
    ASSERT_FALSE(t.tutorial().Shown());

    t.harness.ClickNone();
    t.harness.ClickTile(kTokenColumn, kTokenRow);
    ASSERT_TRUE(t.harness.Press("PickUp"));
    EXPECT_EQ(t.map().wizards.front()->CountNonCantrips(), 2);
    ASSERT_TRUE(t.Shows("Spells are shown as cards"));
    t.PressButton(5);
    EXPECT_EQ(t.tutorial().Script().Step(), 10);

    t.WalkTo(kFireColumn, kFireRow);
    ASSERT_TRUE(t.Shows("Some Tiles are aligned"));
    t.PressButton(3);
    EXPECT_EQ(t.tutorial().Script().Step(), 12);

    // End the turn (AP left: the question, then "Yes"), and "Ready" for round 2.
    ASSERT_TRUE(t.harness.Press("EndTurn"));
    ASSERT_TRUE(t.harness.Answer("Yes"));
    ASSERT_TRUE(t.harness.Answer("Ready"));
    EXPECT_EQ(t.map().turns.round, 2);
    ASSERT_TRUE(t.Shows("Now, destroy the training dummy"));
    t.PressButton(3);
    EXPECT_EQ(t.tutorial().Script().Step(), 14);

    t.CastFireballAtDummy();
    EXPECT_FALSE(t.tutorial().Shown()) << "the dummy stands after one boosted Fireball";
    t.CastFireballAtDummy();
    if (MapObject* dummy = t.map().TileAt(kDummyColumn, kDummyRow)->object) {
        // A Fireball hits 85 % of the time: after a miss the player finishes the dummy in a later
        // round, which ends the exercise the same way.
        EXPECT_FALSE(t.tutorial().Shown());
        t.map().DestroyObject(dummy);
    }
    ASSERT_TRUE(t.Shows("Congratulations! You've completed"));
    EXPECT_EQ(t.tutorial().Widget().buttons[0]->label->sourceText, "End Tutorial");
    EXPECT_TRUE(t.switches.empty());
    t.PressButton();
    EXPECT_EQ(t.switches, (std::vector<int>{kSceneGameCampaignVictory}));
    EXPECT_EQ(BattleSetup.winner, 0);
    EXPECT_EQ(BattleSetup.turnsUsed, 2);
    // A second press (or Enter) leaves nothing more.
    t.tutorial().Press();
    EXPECT_EQ(t.switches.size(), 1u);
}

TEST(TutorialBattle, TheQuitQuestionNeverTakesAnUnreadText)
{
    if (!std::filesystem::exists("./Data/Levels/TrainingIsland.json")) GTEST_SKIP() << "run from the build folder";
    Training t;
    ASSERT_TRUE(t.loaded);
    t.PressButton(5);
    t.WalkTo(kFireColumn, kFireRow);
    ASSERT_TRUE(t.Shows("Some Tiles are aligned"));
    // Pause, "Quit", "No", resume: the text and its step are still there.
    t.ui->Key(256);
    t.Frame();
    ASSERT_TRUE(t.map().paused);
    t.Click(t.ui->pause->panel->Button("Quit")->Position());
    ASSERT_TRUE(t.ui->pause->exitPrompt->visible);
    t.Click(t.ui->pause->exitPrompt->buttons[1]->Position());  // "No"
    EXPECT_FALSE(t.ui->pause->exitPrompt->visible);
    t.ui->Key(256);
    t.Frame();
    ASSERT_FALSE(t.map().paused);
    EXPECT_TRUE(t.Shows("Some Tiles are aligned"));
    t.PressButton();
    EXPECT_EQ(t.tutorial().Script().Step(), 12);
    // Enter presses the tutorial's button like a click.
    t.ui->Key(257);
    EXPECT_TRUE(t.Shows("If you select one of your Wizard's fire-aligned spells"));
    t.ui->Key(257);
    EXPECT_FALSE(t.tutorial().Shown());
}
