// The setup screen's rules: factions with locks, team colours, maps with locks, toggles, Back and
// the start of a free battle with its profile counters.
#include <gtest/gtest.h>

#include <limits>

#include "meta/BattleSetup.h"
#include "meta/Factions.h"
#include "meta/MapPresets.h"
#include "meta/PlayerProfile.h"
#include "meta/ProfileCounters.h"
#include "meta/SetupChoices.h"

namespace {

class SetupChoicesTest : public ::testing::Test {
protected:
    SetupChoicesTest()
    {
        choices.Load();
        choices.Init();
    }
    BattleSetupRecord setup;
    PlayerProfileRecord profile;
    SetupChoices choices{setup};
};

}  // namespace

TEST(Factions, TableRunsFromOneToTenAndNothingOutside)
{
    EXPECT_EQ(FindFaction(0), nullptr);
    EXPECT_EQ(FindFaction(11), nullptr);
    EXPECT_EQ(FindFaction(-5), nullptr);
    ASSERT_NE(FindFaction(9), nullptr);
    EXPECT_EQ(FindFaction(9)->shownName, "Mages Division");
    EXPECT_EQ(FindFaction(9)->texture, "Mages_Division");
    EXPECT_EQ(FindFaction(3)->texture, "All-Seeing_Archivists");
    EXPECT_EQ(FindFaction(1)->description, "Mages Guild:\nA guild of scholarly mages dedicated to the mastery of the arcane arts.");
    EXPECT_EQ(FindFaction(7)->description, "Arcane Cult Description");
    EXPECT_EQ(FindFaction(9)->description, "Mages Army Description");
    // Factions 1-6 open with their name, a colon and a line break.
    for (int i = 1; i <= 6; ++i) {
        std::string start = std::string(FindFaction(i)->shownName) + ":\n";
        EXPECT_EQ(FindFaction(i)->description.substr(0, start.size()), start) << i;
    }
}

TEST(Factions, LockedFactionsArePassedOverUntilUnlocked)
{
    PlayerProfileRecord profile;
    EXPECT_EQ(StepFaction(7, +1, profile), 1);
    EXPECT_EQ(StepFaction(1, -1, profile), 7);
    for (int start = 1; start <= 7; ++start)
        for (int lap = 0, f = start; lap < 20; ++lap) {
            f = StepFaction(f, lap % 3 ? +1 : -1, profile);
            EXPECT_TRUE(f >= 1 && f <= 7) << f;
        }
    profile.unlockMagesDivision = true;
    EXPECT_EQ(StepFaction(7, +1, profile), 9);
    EXPECT_EQ(StepFaction(9, +1, profile), 1);
    EXPECT_EQ(StepFaction(1, -1, profile), 9);
    profile.unlockPrecursors = profile.unlockGoldenGuild = true;
    EXPECT_EQ(StepFaction(10, +1, profile), 1);
    EXPECT_EQ(StepFaction(1, -1, profile), 10);
    // A damaged index steps from 1.
    EXPECT_EQ(StepFaction(0, +1, profile), 2);
    EXPECT_EQ(StepFaction(42, -1, profile), 10);
}

TEST(MapPresets, ThirteenRowsWithLevelNamesAndDescriptions)
{
    ASSERT_EQ(MapPresets().size(), 13u);
    EXPECT_EQ(LevelNameOf(MapPresets()[0]), "SquareIsland");
    EXPECT_EQ(LevelNameOf(MapPresets()[4]), "HorseshoeIsland");
    EXPECT_EQ(LevelNameOf(MapPresets()[6]), "Forest");
    EXPECT_EQ(MapDescription(MapPresets()[0]), "Map Name: Square Island\nTeam Size: 3\nElements: All\nGame Length: Normal");
    EXPECT_EQ(MapDescription(MapPresets()[12]), "Map Name: Underground\nTeam Size: 5\nElements: All\nGame Length: Very Long");
    for (const MapPreset& preset : MapPresets()) EXPECT_TRUE(preset.second.empty());
    EXPECT_EQ(FindMapPreset(13), nullptr);
    EXPECT_EQ(FindMapPreset(-1), nullptr);
}

TEST(MapPresets, ArrowsCycleOnlyThroughOpenMaps)
{
    PlayerProfileRecord profile;
    EXPECT_EQ(StepMap(0, -1, profile), 5);  // Square Island < Minute Island
    EXPECT_EQ(StepMap(5, +1, profile), 0);
    profile.unlockUnderground = true;
    EXPECT_EQ(StepMap(5, +1, profile), 12);
    EXPECT_EQ(StepMap(12, +1, profile), 0);
    EXPECT_EQ(StepMap(0, -1, profile), 12);
    profile.unlockVolcano = true;
    EXPECT_EQ(StepMap(5, +1, profile), 8);
    EXPECT_EQ(StepMap(99, +1, profile), 1);
}

TEST(MapPresets, EachLevelNameHasItsOwnCounter)
{
    PlayerProfileRecord profile;
    int* counters[13];
    for (int i = 0; i < 13; ++i) {
        counters[i] = MapCounter(LevelNameOf(MapPresets()[static_cast<std::size_t>(i)]), profile);
        ASSERT_NE(counters[i], nullptr);
        for (int j = 0; j < i; ++j) EXPECT_NE(counters[i], counters[j]);
    }
    EXPECT_EQ(MapCounter("Underground", profile), &profile.undergroundPlayed);
    EXPECT_EQ(MapCounter("TrainingIsland", profile), nullptr);
    EXPECT_EQ(MapCounter("Square Island", profile), nullptr);
}

TEST(TeamColors, StepsSkipTheOtherSidesColourAndWrapBothWays)
{
    EXPECT_EQ(StepTeamColor(0, +1, kTeamColors[1]), 2);
    EXPECT_EQ(StepTeamColor(1, -1, kTeamColors[0]), 7);
    EXPECT_EQ(StepTeamColor(7, +1, kTeamColors[3]), 0);
    EXPECT_EQ(StepTeamColor(0, -1, kTeamColors[3]), 7);
    EXPECT_EQ(StepTeamColor(7, +1, kTeamColors[0]), 1);
    for (int other = 0; other < 8; ++other)
        for (int direction : {-1, +1}) {
            int index = (other + 1) % 8;
            for (int step = 0; step < 16; ++step) {
                index = StepTeamColor(index, direction, kTeamColors[static_cast<std::size_t>(other)]);
                ASSERT_TRUE(index >= 0 && index < 8);
                EXPECT_NE(index, other);
            }
        }
}

TEST(TeamColors, PictureFrameCountOnlyNarrowsTheTable)
{
    EXPECT_EQ(StepTeamColor(3, +1, kTeamColors[0], 4), 1);  // 3 -> 0 (taken) -> 1
    EXPECT_EQ(StepTeamColor(7, +1, kTeamColors[1], 20), 0);
    EXPECT_EQ(StepTeamColor(7, +1, kTeamColors[1], 0), 0);
    EXPECT_EQ(StepTeamColor(5, -1, kTeamColors[1], -3), 4);
    EXPECT_EQ(StepTeamColor(0, +1, kTeamColors[1], 1), 2) << "one frame cannot hold two sides' colours";
}

TEST_F(SetupChoicesTest, EnteringTheScreenStartsFromTheSameChoices)
{
    setup.cpuEnabled = setup.divineIntervention = setup.duplicationProtection = setup.campaignMode = true;
    setup.aiDifficulty = 3;
    setup.player1Faction = 5;
    setup.player2Color = kTeamColors[6];
    setup.levelName = "Forest";
    choices.StepMap(+1, profile);
    choices.Load();
    choices.Init();
    EXPECT_FALSE(setup.cpuEnabled || setup.divineIntervention || setup.duplicationProtection || setup.campaignMode);
    EXPECT_EQ(setup.aiDifficulty, 0);
    EXPECT_EQ(setup.player1Faction, 1);
    EXPECT_EQ(setup.player2Faction, 1);
    EXPECT_EQ(setup.player1Color, kTeamColors[0]);
    EXPECT_EQ(setup.player2Color, kTeamColors[1]);
    EXPECT_EQ(setup.levelName, "SquareIsland");
    EXPECT_EQ(choices.mapIndex(), 0);
    EXPECT_EQ(choices.mapDescription(), "Map Name: Square Island\nTeam Size: 3\nElements: All\nGame Length: Normal");
}

TEST_F(SetupChoicesTest, ColourStepsWriteTheRecord)
{
    choices.StepColor(1, +1);
    EXPECT_EQ(choices.colorIndex(1), 2);
    EXPECT_EQ(setup.player1Color, kTeamColors[2]);
    choices.StepColor(2, -1);
    EXPECT_EQ(choices.colorIndex(2), 0);
    choices.StepColor(2, -1);  // 0 -> 7
    EXPECT_EQ(setup.player2Color, kTeamColors[7]);
    choices.StepColor(1, +1);
    EXPECT_EQ(choices.colorIndex(1), 3);
}

TEST_F(SetupChoicesTest, MapStepsSetTheLevelName)
{
    choices.StepMap(-1, profile);
    EXPECT_EQ(setup.levelName, "MinuteIsland");
    EXPECT_EQ(choices.mapDescription(), "Map Name: Minute Island\nTeam Size: 2\nElements: All\nGame Length: Very Short");
    profile.unlockUnderground = true;
    choices.StepMap(+1, profile);
    EXPECT_EQ(setup.levelName, "Underground");
    choices.StepMap(+1, profile);
    EXPECT_EQ(setup.levelName, "SquareIsland");
}

TEST_F(SetupChoicesTest, FactionStepsAndDescriptions)
{
    choices.StepFaction(2, -1, profile);
    EXPECT_EQ(setup.player2Faction, 7);
    EXPECT_EQ(choices.factionDescription(2), "Arcane Cult Description");
    EXPECT_EQ(setup.player1Faction, 1);
    setup.player1Faction = 11;  // damaged: nothing is described
    EXPECT_EQ(choices.factionDescription(1), "");
}

TEST_F(SetupChoicesTest, TogglesAndTheDifficultyCycle)
{
    choices.ToggleCpu();
    choices.ToggleDivineIntervention();
    EXPECT_TRUE(setup.cpuEnabled);
    EXPECT_TRUE(setup.divineIntervention);
    EXPECT_FALSE(setup.duplicationProtection);
    choices.ToggleCpu();
    choices.ToggleDuplicationProtection();
    EXPECT_FALSE(setup.cpuEnabled);
    EXPECT_TRUE(setup.duplicationProtection);
    const char* expected[] = {"MEDIUM", "HARD", "IMPOSSIBLE", "EASY", "MEDIUM"};
    for (const char* label : expected) {
        choices.CycleDifficulty();
        EXPECT_EQ(DifficultyLabel(setup.aiDifficulty), label);
    }
    EXPECT_EQ(setup.aiDifficulty, 1);
    setup.aiDifficulty = 17;
    EXPECT_EQ(DifficultyLabel(setup.aiDifficulty), "EASY");
    choices.CycleDifficulty();
    EXPECT_EQ(setup.aiDifficulty, 0);
}

TEST_F(SetupChoicesTest, BackResetsFactionsColoursAndTheComputer)
{
    choices.StepFaction(1, +1, profile);
    choices.StepColor(2, +1);
    choices.ToggleCpu();
    choices.CycleDifficulty();
    choices.ToggleDivineIntervention();
    choices.Back();
    EXPECT_EQ(setup.player1Faction, 1);
    EXPECT_EQ(setup.player2Color, kTeamColors[1]);
    EXPECT_EQ(choices.colorIndex(2), 1);
    EXPECT_FALSE(setup.cpuEnabled);
    EXPECT_EQ(setup.aiDifficulty, 0);
    EXPECT_TRUE(setup.divineIntervention);  // the rules are reset when the screen is entered again
}

TEST_F(SetupChoicesTest, StartClearsWhatTheCampaignLeftAndCountsTheGame)
{
    setup.tutorialMode = true;
    setup.campaignMode = true;
    setup.parTurns = 3;
    setup.player1Faction = 2;
    setup.player2Faction = 6;
    setup.cpuEnabled = true;
    choices.Start(profile);
    EXPECT_FALSE(setup.tutorialMode);
    EXPECT_FALSE(setup.campaignMode);
    EXPECT_EQ(setup.parTurns, 99);
    EXPECT_EQ(profile.gnomeUsed, 1);
    EXPECT_EQ(profile.hordeUsed, 0);  // a computer opponent's faction is not counted
    EXPECT_EQ(profile.squarePlayed, 1);
    EXPECT_EQ(profile.gamesPlayed, 1);
}

TEST(ProfileCounters, TwoPlayersOnOneFactionCountTwice)
{
    BattleSetupRecord setup;
    PlayerProfileRecord profile;
    setup.levelName = "Volcano";
    CountFreeBattleStart(setup, profile);
    EXPECT_EQ(profile.magesGuildUsed, 2);
    EXPECT_EQ(profile.volcanoPlayed, 1);
    EXPECT_EQ(profile.gamesPlayed, 1);
}

TEST(ProfileCounters, UnknownFactionsAndLevelsCountNothingElse)
{
    BattleSetupRecord setup;
    PlayerProfileRecord profile;
    setup.player1Faction = 0;
    setup.player2Faction = 11;
    setup.levelName = "NoSuchLevel";
    CountFreeBattleStart(setup, profile);
    PlayerProfileRecord expected;
    expected.gamesPlayed = 1;
    const auto counted = ProfileMembers(profile);
    const auto wanted = ProfileMembers(expected);
    for (std::size_t i = 0; i < counted.size(); ++i) {
        if (!counted[i].number) continue;
        EXPECT_EQ(*counted[i].number, *wanted[i].number) << counted[i].key;
    }
}

TEST(ProfileCounters, CountersStopAtTheLargestValue)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    BattleSetupRecord setup;
    PlayerProfileRecord profile;
    profile.gamesPlayed = kMax;
    profile.magesGuildUsed = kMax - 1;
    CountFreeBattleStart(setup, profile);
    EXPECT_EQ(profile.gamesPlayed, kMax);
    EXPECT_EQ(profile.magesGuildUsed, kMax);
    int counter = -3;
    AddOne(counter);
    EXPECT_EQ(counter, -2);
}
