// The setup and victory scenes driven headless with a fake mouse: only the page on screen takes
// clicks, the controls reach the battle set-up record, and the buttons' bookkeeping is saved.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "WidgetTestSupport.h"
#include "engine/Input.h"
#include "meta/BattleSetup.h"
#include "meta/Config.h"
#include "meta/GameCampaignVictory.h"
#include "meta/GameVictory.h"
#include "meta/MenuSetup.h"
#include "meta/PlayerProfile.h"

namespace {

// Interface positions of the controls, as the scenes lay them out for 1280 x 720.
constexpr glm::vec2 kCpuToggle{250.0f, -145.0f};
constexpr glm::vec2 kPageButtonRight{486.0f, -274.0f};
constexpr glm::vec2 kPageButtonLeft{-486.0f, -274.0f};
constexpr glm::vec2 kMapNext{220.0f, 120.0f};
constexpr glm::vec2 kPlayer1ColorNext{-250.0f, 100.0f};
constexpr glm::vec2 kFreePlayAgain{0.0f, -72.0f};
constexpr glm::vec2 kCampaignPlayAgain{-416.0f, -234.0f};

class SetupScreensTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetBattleSetup();
        PlayerProfile = PlayerProfileRecord{};
        LoadConfigAndProfile(nullptr);  // makes both files in the scratch folder
    }
    void TearDown() override
    {
        ResetBattleSetup();
        PlayerProfile = PlayerProfileRecord{};
    }
    // One press and release at the point, each its own frame.
    template <class S>
    void Click(S& scene, glm::vec2 at)
    {
        mouse.Frame(at.x, at.y, true);
        scene.Update(0.016f);
        mouse.Frame(at.x, at.y, false);
        scene.Update(0.016f);
    }
    int Saved(const char* key)
    {
        json::Document doc;
        int value = -1;
        if (json::ParseFile((folder() / "Profile.json").string(), doc).ok()) json::GetInt(doc, key, value);
        return value;
    }
    std::filesystem::path folder() const { return home.path / "My Games" / "Primalites"; }

    configtest::TempFolder home;
    configtest::ScopedEnv userProfile{"USERPROFILE", home.path.string()};
    FakeMouse mouse;
};

}  // namespace

TEST_F(SetupScreensTest, OnlyThePageOnScreenTakesClicks)
{
    MenuSetup setup;
    setup.Load();
    setup.Init();
    Click(setup, kMapNext);  // the map arrow lies on the hidden page
    EXPECT_EQ(BattleSetup.levelName, "SquareIsland");
    Click(setup, kCpuToggle);
    EXPECT_TRUE(BattleSetup.cpuEnabled);
    Click(setup, kPlayer1ColorNext);
    EXPECT_EQ(BattleSetup.player1Color, kTeamColors[2]);
    Click(setup, kPageButtonRight);
    EXPECT_EQ(setup.page(), MenuSetup::Page::Map);
    Click(setup, kCpuToggle);  // hidden now
    EXPECT_TRUE(BattleSetup.cpuEnabled);
    Click(setup, kMapNext);
    EXPECT_EQ(BattleSetup.levelName, "SwirlIsland");
    Click(setup, kPageButtonLeft);
    EXPECT_EQ(setup.page(), MenuSetup::Page::Players);
    setup.Exit();
    setup.Unload();
}

TEST_F(SetupScreensTest, StartGameSavesTheCountersAndClearsTheCampaignFields)
{
    BattleSetup.tutorialMode = true;
    BattleSetup.campaignMode = true;
    BattleSetup.parTurns = 3;
    MenuSetup setup;
    setup.Load();
    setup.Init();
    Click(setup, kPageButtonRight);
    Click(setup, kPageButtonRight);  // "Start Game >" stands where "Map Select >" stood
    EXPECT_FALSE(BattleSetup.tutorialMode);
    EXPECT_FALSE(BattleSetup.campaignMode);
    EXPECT_EQ(BattleSetup.parTurns, 99);
    EXPECT_EQ(Saved("games_played"), 1);
    EXPECT_EQ(Saved("mages_guild_used"), 2);
    EXPECT_EQ(Saved("square_played"), 1);
    setup.Unload();
}

TEST_F(SetupScreensTest, EnteringAgainStartsFromTheDefaults)
{
    MenuSetup setup;
    setup.Load();
    setup.Init();
    Click(setup, kCpuToggle);
    Click(setup, kPageButtonRight);
    setup.Exit();
    setup.Unload();
    setup.Load();
    setup.Init();
    EXPECT_FALSE(BattleSetup.cpuEnabled);
    EXPECT_EQ(setup.page(), MenuSetup::Page::Players);
    setup.Unload();
}

TEST_F(SetupScreensTest, FreeVictoryPlayAgainCountsAndResetsTheOutcome)
{
    BattleSetup.winner = 2;  // a third side: player 1's loss, nobody named
    BattleSetup.aiTurnActive = true;
    Input().cameraInputLocked = true;
    GameVictory victory;
    victory.Load();
    victory.Init();
    EXPECT_EQ(Saved("games_lost"), 1);
    Click(victory, kFreePlayAgain);
    EXPECT_EQ(Saved("games_played"), 1);
    EXPECT_EQ(BattleSetup.winner, -1);
    EXPECT_FALSE(BattleSetup.aiTurnActive);
    EXPECT_FALSE(Input().cameraInputLocked);
    victory.Exit();
    victory.Unload();
}

TEST_F(SetupScreensTest, CampaignVictorySavesEverythingInInit)
{
    BattleSetup.campaignMode = true;
    BattleSetup.levelName = "TrainingIsland";
    BattleSetup.winner = 0;
    BattleSetup.turnsUsed = 3;
    BattleSetup.parTurns = 3;
    BattleSetup.tutorialMode = true;
    GameCampaignVictory victory;
    victory.Load();
    victory.Init();
    EXPECT_EQ(Saved("tutorial_complete"), 2);
    EXPECT_EQ(Saved("games_won"), 1);
    Click(victory, kCampaignPlayAgain);
    EXPECT_EQ(Saved("games_played"), 1);
    EXPECT_TRUE(BattleSetup.tutorialMode) << "Play Again starts the same level";
    victory.Exit();
    victory.Unload();
}
