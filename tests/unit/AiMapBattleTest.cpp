#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "RenderTestSupport.h"
#include "ai/BattleSim.h"
#include "ai/ComputerPlayer.h"

namespace {

// A corridor of 5 x 2 tiles, one wizard a side at opposite ends, the fixture "Cantrip" (range 3,
// 2 damage, always hits) in every hand from the first turn.
LevelText Corridor()
{
    LevelText level;
    level.dimensions = R"({"width": 5, "height": 2})";
    level.tileMap = "[1,1,1,1,1, 1,1,1,1,1]";
    level.objectMap = "[0,0,0,0,0, 0,0,0,0,0]";
    level.rules = R"({"player_count": 2, "wizard_count": 1, "wizard_health": 6, "allowed_elements": ["normal"]})";
    level.wizards = R"({"player 1": [{"x": 0, "y": 0}], "player 2": [{"x": 4, "y": 1}]})";
    return level;
}

HarnessOptions ComputerOptions()
{
    HarnessOptions options = FixtureOptions();
    options.computerSide2 = true;
    return options;
}

// Frames of 1/60 s until the predicate holds or `seconds` of simulated time have passed.
template <class Done>
bool AdvanceUntil(BattleHarness& harness, float seconds, Done done)
{
    for (int frame = 0; frame < static_cast<int>(seconds * 60.0f); ++frame) {
        if (done()) return true;
        harness.Advance();
    }
    return done();
}

}  // namespace

TEST(AiMapBattle, TheComputerPlaysSideTwoThroughTheControlsAndHandsTheTurnBack)
{
    LogCapture log("ai_map_turn.log");
    BegunBattle g(Corridor(), ComputerOptions());
    ASSERT_TRUE(g.begun);
    Map& map = g.map();
    std::ostringstream report;
    auto player = InstallComputerPlayer(map, 3, false);
    player->SetReport(&report);
    Wizard* human = g.harness.WizardOn(0, 0);
    ASSERT_NE(human, nullptr);
    g.harness.ClickNone();
    g.harness.Press("EndTurn");
    g.harness.Answer("Yes");
    EXPECT_FALSE(map.controls.bannerShown);
    g.harness.Advance();
    EXPECT_EQ(map.controls.announcement, "AI Is Acting...");
    ASSERT_TRUE(AdvanceUntil(g.harness, 60.0f, [&] { return map.turns.currentSide == 1; }));
    EXPECT_EQ(map.turns.round, 2);
    EXPECT_TRUE(map.controls.bannerShown);  // the human's banner, never one for the computer
    EXPECT_LT(human->health, 6);           // it walked into reach and cast
    EXPECT_TRUE(map.controls.announcement.empty());
    EXPECT_NE(report.str().find("Decision: casting spell\n----------------- \nAction: Cast\n"), std::string::npos);
    EXPECT_GE(player->Decisions(), 2);
    EXPECT_TRUE(g.harness.Broken().empty()) << g.harness.Broken().front();
}

TEST(AiMapBattle, HumanInputLocksNeverHoldTheComputerBack)
{
    LogCapture log("ai_map_locks.log");
    BegunBattle g(Corridor(), ComputerOptions());
    Map& map = g.map();
    auto player = InstallComputerPlayer(map, 0, false);
    player->SetReport(nullptr);
    g.harness.ClickNone();
    g.harness.Press("EndTurn");
    g.harness.Answer("Yes");
    g.harness.Advance();
    g.harness.Key('C');  // map view
    g.harness.Key('F');  // party mode
    EXPECT_TRUE(map.mapView);
    EXPECT_TRUE(map.partyMode);
    ASSERT_TRUE(AdvanceUntil(g.harness, 60.0f, [&] { return map.turns.currentSide == 1; }));
    EXPECT_GE(player->Decisions(), 1);
    EXPECT_TRUE(g.harness.Broken().empty());
}

TEST(AiMapBattle, ComputerAgainstComputerPlaysFromTheWelcomeToAWinnerAndThenStops)
{
    LogCapture log("ai_map_both.log");
    BattleHarness harness(FixtureOptions());
    ASSERT_TRUE(harness.LoadText(Corridor().Json()));
    Map& map = harness.GetMap();
    auto player = InstallComputerPlayer(map, 2, true, 0);
    player->SetReport(nullptr);
    EXPECT_TRUE(map.turns.IsComputerSide(1));
    EXPECT_TRUE(map.turns.IsComputerSide(2));
    harness.FinishFadeIn();
    ASSERT_TRUE(AdvanceUntil(harness, 600.0f, [&] { return map.battleOver; }));
    EXPECT_TRUE(map.winner == 0 || map.winner == 1);
    EXPECT_EQ(player->Driver(1)->Difficulty(), AiDifficulty::Easy);
    EXPECT_EQ(player->Driver(2)->Difficulty(), AiDifficulty::Hard);
    EXPECT_FALSE(map.controls.bannerShown);
    const int round = map.turns.round;
    const int side = map.turns.currentSide;
    const std::int64_t decisions = player->Decisions();
    const int switched = log.Count("Turn Manager: Switched to player: ");
    for (int i = 0; i < 600; ++i) harness.Advance();
    EXPECT_EQ(map.turns.round, round);
    EXPECT_EQ(map.turns.currentSide, side);
    EXPECT_EQ(player->Decisions(), decisions);
    EXPECT_EQ(log.Count("Turn Manager: Switched to player: "), switched);
    EXPECT_TRUE(harness.Broken().empty()) << harness.Broken().front();
}

TEST(AiMapBattle, OnceEveryEnemyIsDownTheComputerEndsItsTurnToClaimTheVictory)
{
    LogCapture log("ai_map_claim.log");
    LevelText level = Corridor();
    level.wizards = R"({"player 1": [{"x": 2, "y": 0}], "player 2": [{"x": 4, "y": 1}]})";
    BegunBattle g(level, ComputerOptions());
    Map& map = g.map();
    auto player = InstallComputerPlayer(map, 3, false);
    player->SetReport(nullptr);
    g.harness.WizardOn(2, 0)->SetHealth(2);  // one "Cantrip" away
    g.harness.ClickNone();
    g.harness.Press("EndTurn");
    g.harness.Answer("Yes");
    ASSERT_TRUE(AdvanceUntil(g.harness, 30.0f, [&] { return map.battleOver; }));
    EXPECT_EQ(map.winner, 1);
    EXPECT_EQ(player->Decisions(), 1);  // the cast, and no wandering with the AP left
    EXPECT_EQ(map.turns.round, 2);      // side 2's turn closed round 1
    EXPECT_TRUE(g.harness.Broken().empty()) << g.harness.Broken().front();
}

// Each wizard walled in by a Boulder and the island's edge, the other in reach of its "Cantrip":
// neither can walk, so only casting from where they stand can end the battle.
TEST(AiMapBattle, BoxedInWizardsStillFightItOut)
{
    LogCapture log("ai_map_boxed.log");
    LevelText level = Corridor();
    level.dimensions = R"({"width": 3, "height": 1})";
    level.tileMap = "[1,1,1]";
    level.objectMap = "[0,2,0]";
    level.wizards = R"({"player 1": [{"x": 0, "y": 0}], "player 2": [{"x": 2, "y": 0}]})";
    BattleHarness harness(FixtureOptions());
    ASSERT_TRUE(harness.LoadText(level.Json()));
    Map& map = harness.GetMap();
    auto player = InstallComputerPlayer(map, 0, true);
    player->SetReport(nullptr);
    harness.FinishFadeIn();
    ASSERT_TRUE(AdvanceUntil(harness, 600.0f, [&] { return map.battleOver; })) << "round " << map.turns.round;
    EXPECT_LE(map.turns.round, 4);
    EXPECT_TRUE(harness.Broken().empty()) << harness.Broken().front();
}

TEST(AiMapBattle, BattleSimReadsItsCommandLine)
{
    BattleSimOptions options;
    EXPECT_EQ(ParseBattleSimArgs({"--battles", "7", "--seed", "9", "--level", "Volcano", "--difficulty", "3",
                                  "--difficulty1", "0", "--reports"},
                                 options),
              "");
    EXPECT_EQ(options.battles, 7);
    EXPECT_EQ(options.seed, 9u);
    EXPECT_EQ(options.level, "Volcano");
    EXPECT_EQ(options.difficulty, 3);
    EXPECT_EQ(options.difficulty1, 0);
    EXPECT_TRUE(options.reports);
    BattleSimOptions bad;
    EXPECT_NE(ParseBattleSimArgs({"--difficulty", "4"}, bad), "");
    EXPECT_NE(ParseBattleSimArgs({"--battles"}, bad), "");
    EXPECT_NE(ParseBattleSimArgs({"--rounds", "3"}, bad), "");
    EXPECT_EQ(ParseBattleSimArgs({"--help"}, bad), "help");
}

TEST(AiMapBattle, BattleSimPlaysEveryTwoSidedLevelInTurnAndSummarises)
{
    BattleSimOptions options;
    options.levelFolder = std::string(TEST_DATA_DIR) + "/levels/";
    options.log = "ai_battle_sim.log";
    options.battles = 5;
    options.seed = 40;
    std::ostringstream out;
    EXPECT_EQ(RunBattleSim(options, out), 0) << out.str();
    std::istringstream lines(out.str());
    std::vector<std::string> battles;
    std::string line;
    int side1 = 0;
    int side2 = 0;
    while (std::getline(lines, line) && line.rfind("level: ", 0) == 0) {
        battles.push_back(line);
        side1 += line.find(" winner: 1 ") != std::string::npos;
        side2 += line.find(" winner: 2 ") != std::string::npos;
    }
    ASSERT_EQ(battles.size(), 5u) << out.str();
    EXPECT_EQ(battles[0].rfind("level: Arena seed: 40 winner: ", 0), 0u) << battles[0];
    EXPECT_EQ(battles[1].rfind("level: Corridor seed: 41 ", 0), 0u) << battles[1];
    EXPECT_EQ(battles[4].rfind("level: Arena seed: 44 ", 0), 0u) << battles[4];
    EXPECT_EQ(side1 + side2, 5);
    EXPECT_EQ(line.rfind("battles: 5 finished: 5 side1: " + std::to_string(side1) + " side2: " + std::to_string(side2) +
                             " draws: 0 max_rounds: ",
                         0),
              0u)
        << line;
    EXPECT_NE(line.find(" decide_p99_us: "), std::string::npos) << line;
    EXPECT_FALSE(std::getline(lines, line));
}
