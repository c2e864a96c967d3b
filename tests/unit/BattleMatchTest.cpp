// Whole battles played by code: scripted sides on fixture and shipped levels, and random input.
#include <filesystem>

#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "RenderTestSupport.h"
#include "battle/ScriptedPlayer.h"

namespace {

int Play(BattleHarness& harness, const std::string& level, int roundCap = 60)
{
    EXPECT_TRUE(harness.Load(level)) << level;
    harness.GetMap().rules = InstantCastRules();
    EXPECT_TRUE(harness.Begin()) << level;
    return PlayScriptedMatch(harness, roundCap);
}

}  // namespace

TEST(BattleMatch, CorridorDuelEndsWithAWinnerAndTheRoundStored)
{
    LogCapture log("battle_match_corridor.log");
    testing::internal::CaptureStdout();
    BattleHarness harness(FixtureOptions());
    int winner = Play(harness, "Corridor");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(winner == 0 || winner == 1);
    Map& map = harness.GetMap();
    EXPECT_TRUE(map.battleOver);
    EXPECT_EQ(map.CountLiving(2 - winner), 0);  // the loser has nobody standing
    EXPECT_GE(map.turns.round, 1);
    EXPECT_NE(out.find("tileEventHandler result was ID 1\n"), std::string::npos);  // a cast at an enemy
    EXPECT_NE(out.find("tileEventHandler result was ID 15\n"), std::string::npos);  // a walk
    EXPECT_TRUE(harness.Broken().empty()) << harness.Broken().front();
}

TEST(BattleMatch, ArenaMatchesOverSeedsKeepEveryInvariant)
{
    LogCapture log("battle_match_arena.log");
    testing::internal::CaptureStdout();
    for (unsigned seed = 1; seed <= 5; ++seed) {
        HarnessOptions options = FixtureOptions();
        options.seed = seed;
        options.divineIntervention = seed % 2 == 0;
        options.duplicationProtection = seed % 3 == 0;
        BattleHarness harness(options);
        int winner = Play(harness, "Arena");
        EXPECT_NE(winner, -1) << "seed " << seed;
        EXPECT_TRUE(harness.Broken().empty()) << "seed " << seed << ": " << harness.Broken().front();
    }
    testing::internal::GetCapturedStdout();
}

TEST(BattleMatch, ShippedLevelsPlayToAnEnd)
{
    LogCapture log("battle_match_shipped.log");
    std::error_code missing;
    std::vector<std::string> levels;
    for (const auto& entry : std::filesystem::directory_iterator("./Data/Levels", missing))
        levels.push_back(entry.path().stem().string());
    if (levels.empty()) GTEST_SKIP() << "no shipped levels beside the test binary";
    std::vector<std::string> failures;
    testing::internal::CaptureStdout();
    for (const std::string& level : levels) {
        if (level == "TrainingIsland") continue;  // one side: it never ends by itself
        for (unsigned seed = 1; seed <= 2; ++seed) {
            HarnessOptions options;
            options.seed = seed;
            BattleHarness harness(options);
            int winner = Play(harness, level, 80);
            if (winner == -1) failures.push_back(level + " seed " + std::to_string(seed) + ": no winner by round 80");
            if (!harness.Broken().empty()) failures.push_back(level + ": " + harness.Broken().front());
        }
    }
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(failures.empty()) << failures.size() << " failures, first: " << failures.front();
}

TEST(BattleMatch, RandomInputNeverBreaksTheBattle)
{
    LogCapture log("battle_match_random.log");
    testing::internal::CaptureStdout();
    const char* buttons[] = {"Walk", "Cast", "Back", "Jump", "EndTurn", "PickUp"};
    const char* answers[] = {"Ready", "Ready!", "Yes", "No"};
    for (unsigned seed = 1; seed <= 3; ++seed) {
        HarnessOptions options = FixtureOptions();
        options.seed = seed;
        BattleHarness harness(options);
        ASSERT_TRUE(harness.Load("Arena"));
        harness.GetMap().rules = InstantCastRules();
        harness.FinishFadeIn();
        std::uint32_t state = seed * 7919u;
        auto next = [&](std::uint32_t n) {
            state = state * 1664525u + 1013904223u;
            return (state >> 8) % n;
        };
        for (int step = 0; step < 3000 && !harness.GetMap().battleOver; ++step) {
            switch (next(7)) {
            case 0:
            case 1: harness.ClickTile(static_cast<int>(next(9)) - 1, static_cast<int>(next(9)) - 1); break;
            case 2: harness.SelectCard(static_cast<int>(next(7)) - 1); break;
            case 3: harness.Press(buttons[next(6)]); break;
            case 4: harness.Answer(answers[next(4)]); break;
            case 5: harness.Key("EFC"[next(3)]); break;
            default: harness.Advance(next(2) ? BattleHarness::kFrame : 0.5f);
            }
        }
        EXPECT_TRUE(harness.Broken().empty()) << "seed " << seed << ": " << harness.Broken().front();
    }
    testing::internal::GetCapturedStdout();
}
