#include <gtest/gtest.h>

#include "ai/AiDifficulty.h"
#include "engine/Random.h"

namespace {

Decision Real(double weight, AiAction action = AiAction::Walk)
{
    Decision d;
    d.label = "real";
    d.action = action;
    d.target = 1;
    d.weight = weight;
    return d;
}

// Shares of the best, second and third place over many seeded draws.
void Shares(AiDifficulty level, double shares[3])
{
    const std::vector<Decision> sorted = {Real(300), Real(200), Real(100), Real(50)};
    int counts[4] = {};
    constexpr int kDraws = 100000;
    SeedRandom(2024);
    for (int i = 0; i < kDraws; ++i) ++counts[PickDecision(level, sorted)];
    EXPECT_EQ(counts[3], 0);
    for (int k = 0; k < 3; ++k) shares[k] = static_cast<double>(counts[k]) / kDraws;
}

}  // namespace

TEST(AiDifficulty, WorsePickOddsPerLevel)
{
    double s[3];
    Shares(AiDifficulty::Easy, s);
    EXPECT_NEAR(s[2], 11.0 / 101, 0.01);
    EXPECT_NEAR(s[1], 40.0 / 101, 0.01);
    Shares(AiDifficulty::Medium, s);
    EXPECT_NEAR(s[2], 6.0 / 101, 0.01);
    EXPECT_NEAR(s[1], 35.0 / 101, 0.01);
    Shares(AiDifficulty::Hard, s);
    EXPECT_DOUBLE_EQ(s[2], 0.0);
    EXPECT_NEAR(s[1], 21.0 / 101, 0.01);
    Shares(AiDifficulty::Impossible, s);
    EXPECT_DOUBLE_EQ(s[0], 1.0);
}

TEST(AiDifficulty, ImpossibleDrawsNothing)
{
    const std::vector<Decision> sorted = {Real(300), Real(200)};
    SeedRandom(99);
    const std::uint32_t expected = RandomU32();
    SeedRandom(99);
    EXPECT_EQ(PickDecision(AiDifficulty::Impossible, sorted), 0);
    EXPECT_EQ(RandomU32(), expected);
}

TEST(AiDifficulty, WorsePickCountsOnlyRealActions)
{
    Decision end = Real(10, AiAction::End);
    end.target = -1;
    Decision empty;  // "no context", weight 0
    Decision noTile = Real(50);
    noTile.target = -1;  // a walk without a tile cannot be carried out
    const std::vector<Decision> sorted = {Real(1000, AiAction::Pickup), noTile, end, empty, empty, empty};
    // Find a seed whose draw asks EASY for the third place (r <= 10): only two real actions.
    for (unsigned seed = 0; seed < 10000; ++seed) {
        SeedRandom(seed);
        const int pick = PickDecision(AiDifficulty::Easy, sorted);
        ASSERT_TRUE(pick == 0 || pick == 2) << "seed " << seed;
        SeedRandom(seed);
        if (RandomInt(0, 100) <= 50) {
            EXPECT_EQ(pick, 2);  // second or third asked: the last real one, "end turn"
        }
    }
    EXPECT_EQ(PickDecision(AiDifficulty::Hard, {empty, empty}), -1);
}

TEST(AiDifficulty, HealThresholdsAndNames)
{
    EXPECT_TRUE(WantsSelfHeal(AiDifficulty::Easy, 10, 20));
    EXPECT_FALSE(WantsSelfHeal(AiDifficulty::Medium, 11, 20));
    EXPECT_TRUE(WantsSelfHeal(AiDifficulty::Hard, 16, 20));
    EXPECT_FALSE(WantsSelfHeal(AiDifficulty::Impossible, 17, 20));
    EXPECT_TRUE(WantsSelfHeal(AiDifficulty::Easy, 10, 21));  // integer half of 21
    EXPECT_FALSE(WantsSelfHeal(AiDifficulty::Easy, 11, 21));
    EXPECT_STREQ(DifficultyName(0), "EASY");
    EXPECT_STREQ(DifficultyName(3), "IMPOSSIBLE");
    EXPECT_EQ(ClampDifficulty(9), AiDifficulty::Impossible);
    EXPECT_EQ(ClampDifficulty(-2), AiDifficulty::Easy);
}
