#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "AiTestSupport.h"
#include "ai/SpellWeight.h"

using namespace aitest;

namespace {

struct WeightFixture : ::testing::Test {
    AiBoard board = OpenBoard(8, 8);
    int caster = board.AddWizard(0, 0, 2, 20, 5);
    int enemy = board.AddWizard(3, 0, 1, 20, 5);
    int Target() const { return board.wizards[enemy].cell; }
};

}  // namespace

TEST_F(WeightFixture, BaseFormulaGivesFireball125)
{
    EXPECT_DOUBLE_EQ(BaseSpellWeight(Fireball()), 125.0);
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, Fireball(), Target()), 125.0);
}

TEST_F(WeightFixture, LethalBonusOnlyWhenTheHitCanKill)
{
    board.wizards[enemy].health = 5;
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, Fireball(), Target()), 140.0);
    board.wizards[enemy].health = 6;
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, Fireball(), Target()), 125.0);
}

TEST_F(WeightFixture, CrowdBonusCountsEveryWizardWithinSizeButNotTheTarget)
{
    board.AddWizard(3, 1, 1, 20, 5);  // distance 1: counts (size 1)
    board.AddWizard(4, 0, 2, 20, 5);  // distance 1, the caster's own side: counts too
    board.AddWizard(5, 0, 1, 20, 5);  // distance 2: too far
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, Fireball(), Target()), 135.0);
}

TEST_F(WeightFixture, SelfHarmPenaltyWhenItCouldKillTheCaster)
{
    AiSpell s = Fireball();
    s.harmsSelf = true;
    s.selfDamageTotal = 3;
    board.wizards[caster].health = 3;
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, s, Target()), 110.0);
    board.wizards[caster].health = 4;
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, s, Target()), 125.0);
}

TEST_F(WeightFixture, SelfHealThresholdFollowsTheDifficulty)
{
    const AiSpell mend = Mend();
    const int own = board.wizards[caster].cell;
    struct Case {
        int difficulty;
        int health;
        bool bonus;
    };
    // Wizard health 20: half (10) for EASY and MEDIUM, 0.8 x 20 = 16 for HARD and IMPOSSIBLE.
    const Case cases[] = {{0, 10, true}, {0, 11, false}, {1, 10, true}, {1, 11, false},
                          {2, 16, true}, {2, 17, false}, {3, 16, true}, {3, 17, false}};
    for (const Case& c : cases) {
        board.difficulty = c.difficulty;
        board.wizards[caster].health = c.health;
        EXPECT_DOUBLE_EQ(SpellWeight(board, caster, mend, own), c.bonus ? 15.0 : 0.0)
            << "difficulty " << c.difficulty << " health " << c.health;
    }
}

TEST_F(WeightFixture, AllyHealAfflictAndStatusChanges)
{
    const int ally = board.AddWizard(1, 0, 2, 10, 5);
    AiSpell heal;
    heal.name = "Healing_Rain";
    heal.healsAlly = true;
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, heal, board.wizards[ally].cell), 5.0 + 5.0);  // +5 heal, +5 crowd (caster)
    board.wizards[ally].health = 11;
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, heal, board.wizards[ally].cell), 5.0);  // the crowd alone

    AiSpell status;
    status.afflictsEnemy = true;
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, status, Target()), 5.0);
    status.changesSelfStatus = true;
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, status, Target()), 0.0);
    status.changesAllyStatus = true;
    EXPECT_DOUBLE_EQ(SpellWeight(board, caster, status, Target()), -5.0);
}

TEST_F(WeightFixture, CostBelowOneCountsAsOneAndHugeNumbersStayFinite)
{
    AiSpell s = Fireball();
    s.cost = 0;
    EXPECT_DOUBLE_EQ(BaseSpellWeight(s), 250.0);
    s.cost = -5;
    EXPECT_DOUBLE_EQ(BaseSpellWeight(s), 250.0);
    s.createArea = INT_MAX;
    s.enemyDamageTotal = INT_MAX;
    s.range = INT_MAX;
    s.size = INT_MAX;
    EXPECT_TRUE(std::isfinite(SpellWeight(board, caster, s, Target())));
    EXPECT_GT(SpellWeight(board, caster, s, Target()), 0.0);  // no wrap-around of an integer product
}
