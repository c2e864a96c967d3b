// The `--setup KEY=VALUE,...` test hook.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "meta/BattleSetup.h"
#include "meta/SetupHook.h"

TEST(SetupHook, FillsEveryKey)
{
    BattleSetupRecord setup;
    std::string error = ApplySetupHook(
        "level=Forest,winner=1,turns=9,par=7,campaign=1,tutorial=true,faction1=9,faction2=2,cpu=1,difficulty=3,"
        "color1=4,color2=0,divine=true,duplication=1",
        setup);
    EXPECT_EQ(error, "");
    EXPECT_EQ(setup.levelName, "Forest");
    EXPECT_EQ(setup.winner, 1);
    EXPECT_EQ(setup.turnsUsed, 9);
    EXPECT_EQ(setup.parTurns, 7);
    EXPECT_TRUE(setup.campaignMode);
    EXPECT_TRUE(setup.tutorialMode);
    EXPECT_EQ(setup.player1Faction, 9);
    EXPECT_EQ(setup.player2Faction, 2);
    EXPECT_TRUE(setup.cpuEnabled);
    EXPECT_EQ(setup.aiDifficulty, 3);
    EXPECT_EQ(setup.player1Color, kTeamColors[4]);
    EXPECT_EQ(setup.player2Color, kTeamColors[0]);
    EXPECT_TRUE(setup.divineIntervention);
    EXPECT_TRUE(setup.duplicationProtection);
}

TEST(SetupHook, BooleansTakeZeroOneTrueFalse)
{
    BattleSetupRecord setup;
    setup.cpuEnabled = true;
    EXPECT_EQ(ApplySetupHook("cpu=false,campaign=0", setup), "");
    EXPECT_FALSE(setup.cpuEnabled);
    EXPECT_FALSE(setup.campaignMode);
    EXPECT_NE(ApplySetupHook("cpu=yes", setup), "");
    EXPECT_NE(ApplySetupHook("cpu=TRUE", setup), "");
    EXPECT_NE(ApplySetupHook("cpu=", setup), "");
}

TEST(SetupHook, BadInputChangesNothingAndSaysWhy)
{
    const char* bad[] = {
        "",                  // nothing
        "winner",            // no value
        "wizard=3",          // unknown key
        "winner=0,winner=1", // twice
        "winner=10",         // range
        "winner=-2",
        "turns=-1",
        "turns=3x",
        "turns=99999999999999",
        "faction1=0",
        "faction2=11",
        "difficulty=4",
        "color1=8",
        "level=../secret",   // not a plain name
        "level=",
        "level=Square Island",
        "winner=0,",         // empty item
        "Winner=0",          // keys are lower case
    };
    for (const char* text : bad) {
        BattleSetupRecord setup;
        setup.winner = 5;
        std::string error = ApplySetupHook(text, setup);
        EXPECT_EQ(error.rfind("--setup: ", 0), 0u) << text << " -> " << error;
        EXPECT_EQ(setup.winner, 5) << text;
        EXPECT_EQ(setup.levelName, "SquareIsland") << text;
    }
    BattleSetupRecord setup;
    EXPECT_EQ(ApplySetupHook("faction1=12", setup), "--setup: bad value for faction1: '12' (expected 1 to 10)");
    EXPECT_EQ(ApplySetupHook("nope=1", setup), "--setup: unknown key 'nope'");
}

TEST(SetupHook, AFailingLaterKeyKeepsEarlierOnesOut)
{
    BattleSetupRecord setup;
    EXPECT_NE(ApplySetupHook("winner=1,par=x", setup), "");
    EXPECT_EQ(setup.winner, -1);
}

TEST(SetupHook, HelpListsEveryKey)
{
    const std::string help = UsageText();
    EXPECT_NE(help.find("--setup KEY=VALUE,..."), std::string::npos);
    EXPECT_EQ(SetupHookKeys().size(), 14u);
    for (std::string_view key : SetupHookKeys()) EXPECT_NE(help.find(std::string(key) + " ("), std::string::npos) << key;
}

TEST(SetupHook, LevelOptionIsShorthandForTheLevelKey)
{
    EXPECT_EQ(CombineStartSetup(std::nullopt, std::nullopt).text, "");
    StartSetup both = CombineStartSetup(std::string("Forest"), std::string("winner=0,turns=4"));
    EXPECT_EQ(both.error, "");
    BattleSetupRecord setup;
    EXPECT_EQ(ApplySetupHook(both.text, setup), "");
    EXPECT_EQ(setup.levelName, "Forest");
    EXPECT_EQ(setup.turnsUsed, 4);
    EXPECT_EQ(CombineStartSetup(std::string("Forest"), std::string("level=Volcano")).error,
              "--level NAME and --setup level=NAME cannot both be given");
    EXPECT_EQ(CombineStartSetup(std::string("../x"), std::nullopt).error,
              "bad value for --level: '../x' (expected a plain level name)");
    EXPECT_NE(CombineStartSetup(std::nullopt, std::string("winner=x")).error, "");
}

TEST(SetupHook, CommandLineCarriesTheTextToStartUp)
{
    ParseOutcome parsed = ParseCommandLine({"--scene", "12", "--setup", "level=Forest,winner=0"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.setup, "level=Forest,winner=0");
    EXPECT_NE(ParseCommandLine({"--setup"}).error.find("needs a value"), std::string::npos);
}
