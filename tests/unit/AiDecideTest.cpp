#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "AiTestSupport.h"
#include "ai/DecisionMaker.h"
#include "engine/Random.h"

using namespace aitest;

namespace {

struct DecideFixture : ::testing::Test {
    AiBoard board = OpenBoard(10, 10);
    AiPlans plans;
    DecisionMaker maker;
    std::ostringstream out;

    void SetUp() override { SeedRandom(7); }
    const std::vector<Decision>& Decide(int wizard) { return maker.Decide(board, wizard, plans, &out); }
    // A wizard holding "A" and "B", equal in weight, "B" the surer hit, an enemy in reach.
    int TwoEqualSpells()
    {
        const int w = board.AddWizard(0, 0, 2, 20, 5);
        board.AddWizard(3, 0, 1, 20, 5);
        board.wizards[w].hand = {DamageSpell("A", 1, 2, 4, 85, 5), DamageSpell("B", 1, 2, 4, 100, 5)};
        return w;
    }
    const Decision* Find(const std::string& label)
    {
        for (const Decision& d : maker.Decisions())
            if (d.label == label) return &d;
        return nullptr;
    }
};

}  // namespace

TEST_F(DecideFixture, StandingOnAnActiveTokenAlwaysPicksItUp)
{
    const int w = board.AddWizard(2, 2, 2, 20, 5);
    board.AddWizard(8, 8, 1, 20, 5);
    Place(board, 2, 2, AiCell::kToken);
    for (int i = 0; i < 3; ++i) board.wizards[w].hand.push_back(Fireball());
    const auto& list = Decide(w);
    EXPECT_EQ(list.front().label, "pick up token");
    EXPECT_EQ(list.front().action, AiAction::Pickup);
    EXPECT_DOUBLE_EQ(list.front().weight, 1000.0);
    // A fourth spell (Cantrip never counts) makes the token worthless.
    board.wizards[w].hand.push_back(Cantrip());
    EXPECT_EQ(Decide(w).front().label, "pick up token");
    board.wizards[w].hand.push_back(Fireball());
    Decide(w);
    EXPECT_EQ(Find("pick up token"), nullptr);
    // An emptied token is not picked up again.
    board.wizards[w].hand.resize(1);
    Place(board, 2, 2, AiCell::kToken, false);
    Decide(w);
    EXPECT_EQ(Find("pick up token"), nullptr);
}

TEST_F(DecideFixture, TokenWalkWeightFallsWithTheSpellsHeld)
{
    EXPECT_DOUBLE_EQ(DecisionMaker::TokenWalkWeight(0), 190.0);
    EXPECT_DOUBLE_EQ(DecisionMaker::TokenWalkWeight(1), 100.0);
    EXPECT_DOUBLE_EQ(DecisionMaker::TokenWalkWeight(2), 100.0);
    EXPECT_DOUBLE_EQ(DecisionMaker::TokenWalkWeight(3), 60.0);
    EXPECT_DOUBLE_EQ(DecisionMaker::TokenWalkWeight(4), 0.0);
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    Place(board, 6, 6, AiCell::kToken);
    Place(board, 0, 1, AiCell::kToken, false);  // nearer, but empty
    board.wizards[w].hand.push_back(Cantrip());
    Decide(w);
    const Decision* walk = Find("walk toward token");
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->target, board.Index(6, 6));
    EXPECT_DOUBLE_EQ(walk->weight, 190.0);
}

TEST_F(DecideFixture, RandomWalkWeighsOneToFifteenAndStaysCloserThanTheActionPoints)
{
    const int w = board.AddWizard(5, 5, 2, 20, 3);
    bool seen[16] = {};
    for (unsigned seed = 0; seed < 400; ++seed) {
        SeedRandom(seed);
        Decide(w);
        const Decision* walk = Find("random walking");
        ASSERT_NE(walk, nullptr);
        ASSERT_GE(walk->weight, 1.0);
        ASSERT_LE(walk->weight, 15.0);
        seen[static_cast<int>(walk->weight)] = true;
        EXPECT_LT(board.Distance(walk->target, board.wizards[w].cell), 3);
    }
    for (int k = 1; k <= 15; ++k) EXPECT_TRUE(seen[k]) << k;
}

TEST_F(DecideFixture, SurroundedWizardEndsItsTurnWhenNothingIsInReach)
{
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    board.AddWizard(1, 0, 2, 20, 5);
    Place(board, 0, 1, AiCell::kOther);  // a Boulder; the other two neighbours are off the grid
    board.AddWizard(9, 9, 1, 20, 5);     // out of reach, and no walk can close in
    board.wizards[w].hand.push_back(Fireball());
    const auto& list = Decide(w);
    EXPECT_EQ(list.front().label, "end turn");
    EXPECT_DOUBLE_EQ(list.front().weight, 10.0);
    EXPECT_NE(out.str().find("The AI is surrounded and will end their turn\n"), std::string::npos);
    for (const Decision& d : list)
        if (d.label != "end turn") {
            EXPECT_DOUBLE_EQ(d.weight, 0.0) << d.label;
        }
}

// Boxed in by its own side and a Boulder, with an enemy in reach: it used to end every turn without
// casting, and two such wizards facing each other never finished their battle.
TEST_F(DecideFixture, SurroundedWizardStillCastsAtAnEnemyInReach)
{
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    board.AddWizard(1, 0, 2, 20, 5);
    Place(board, 0, 1, AiCell::kOther);
    const int e = board.AddWizard(2, 0, 1, 20, 5);
    board.wizards[w].hand.push_back(Fireball());
    const auto& list = Decide(w);
    EXPECT_EQ(list.front().label, "casting spell");
    EXPECT_EQ(list.front().target, board.wizards[e].cell);
    EXPECT_NE(out.str().find("The AI is surrounded and will end their turn\n"), std::string::npos);
}

TEST_F(DecideFixture, EnemyInReachIsCastAt)
{
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    const int e = board.AddWizard(3, 0, 1, 20, 5);
    board.wizards[w].hand.push_back(Fireball());
    const auto& list = Decide(w);
    EXPECT_EQ(list.front().label, "casting spell");
    EXPECT_EQ(list.front().action, AiAction::Cast);
    EXPECT_EQ(list.front().target, board.wizards[e].cell);
    EXPECT_EQ(list.front().spellName, "Fireball");
    EXPECT_DOUBLE_EQ(list.front().weight, 125.0);
}

TEST_F(DecideFixture, BlindedReachMakesItWalkCloserInsteadOfCasting)
{
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    board.AddWizard(4, 0, 1, 20, 5);
    AiSpell blinded = Fireball();
    blinded.reach = 3;  // range 4 x 0.75
    board.wizards[w].hand.push_back(blinded);
    const auto& list = Decide(w);
    EXPECT_EQ(list.front().label, "walking slightly towards enemy");
    EXPECT_EQ(list.front().action, AiAction::Walk);
    EXPECT_DOUBLE_EQ(list.front().weight, 125.0 * 0.75);
    EXPECT_EQ(list.front().target, board.Index(1, 0));  // one step, then within 3 of the enemy
}

TEST_F(DecideFixture, WalkingFullyTowardsAnEnemyWhenNoTileInReachCanBeAffordedYet)
{
    const int w = board.AddWizard(0, 0, 2, 20, 3);
    const int e = board.AddWizard(9, 9, 1, 20, 5);
    board.wizards[w].hand.push_back(Fireball());  // 3 AP - cost 2 leaves 1 step: nowhere in reach
    Decide(w);
    const Decision* walk = Find("walking fully towards enemy");
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->target, board.wizards[e].cell);
    EXPECT_DOUBLE_EQ(walk->weight, 125.0 * 0.5);
}

TEST_F(DecideFixture, SelfHealCastsAtOnceWhenHurt)
{
    board.difficulty = 2;
    const int w = board.AddWizard(4, 4, 2, 16, 5);
    board.AddWizard(9, 9, 1, 20, 5);
    board.wizards[w].hand.push_back(Mend());
    Decide(w);
    const Decision* heal = Find("casting spell");
    ASSERT_NE(heal, nullptr);
    EXPECT_EQ(heal->target, board.wizards[w].cell);
    EXPECT_DOUBLE_EQ(heal->weight, 15.0);
    board.wizards[w].health = 17;  // above 0.8 x 20: no longer worth more than ending the turn
    Decide(w);
    ASSERT_NE(Find("casting spell"), nullptr);
    EXPECT_DOUBLE_EQ(Find("casting spell")->weight, 0.0);
}

TEST_F(DecideFixture, ElementTileWalkWhenOneIsReachableAndKeepsTheTargetInReach)
{
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    board.AddWizard(3, 0, 1, 20, 5);
    board.cells[board.Index(1, 1)].elementTile = 1;  // a Fire_Tile two steps away
    board.wizards[w].hand.push_back(Fireball());
    const auto& list = Decide(w);
    EXPECT_EQ(list.front().label, "walking toward elementile");
    EXPECT_EQ(list.front().target, board.Index(1, 1));
    EXPECT_DOUBLE_EQ(list.front().weight, 125.0);
}

TEST_F(DecideFixture, ASpellTargetIsNeverHiddenByAClaim)
{
    const int w1 = board.AddWizard(0, 0, 2, 20, 5);
    const int w2 = board.AddWizard(0, 5, 2, 20, 5);
    const int e = board.AddWizard(3, 5, 1, 20, 5);
    Decision plan;
    plan.label = "walking fully towards enemy";
    plan.action = AiAction::Walk;
    plan.target = board.wizards[e].cell;
    plans.Remember(w1, plan);
    board.wizards[w2].hand.push_back(Fireball());
    const auto& list = Decide(w2);
    EXPECT_EQ(list.front().label, "casting spell");
    EXPECT_EQ(list.front().target, board.wizards[e].cell);
}

TEST_F(DecideFixture, TwoWizardsNeverHeadForOneClaimedToken)
{
    const int w1 = board.AddWizard(0, 0, 2, 20, 2);
    const int w2 = board.AddWizard(0, 2, 2, 20, 2);
    Place(board, 0, 9, AiCell::kToken);
    Place(board, 9, 0, AiCell::kToken);
    for (unsigned seed = 0; seed < 50; ++seed) {
        SeedRandom(seed);
        plans.Clear();
        Decide(w1);
        ASSERT_NE(Find("walk toward token"), nullptr);
        const Decision first = *Find("walk toward token");
        plans.Remember(w1, first);
        Decide(w2);
        const Decision* second = Find("walk toward token");
        ASSERT_NE(second, nullptr);
        EXPECT_NE(second->target, first.target);
    }
}

TEST_F(DecideFixture, PlansComeBackAt200UntilDoneOrMoot)
{
    const int w = board.AddWizard(0, 0, 2, 20, 2);
    Place(board, 9, 0, AiCell::kToken);
    Decision walk;
    walk.label = "walk toward token";
    walk.action = AiAction::Walk;
    walk.target = board.Index(9, 0);
    plans.Remember(w, walk);
    Decide(w);
    const Decision* again = Find("walk toward token (existing decision)");
    ASSERT_NE(again, nullptr);
    EXPECT_DOUBLE_EQ(again->weight, 200.0);
    EXPECT_TRUE(again->fromPlan);
    EXPECT_EQ(maker.Decisions().front().label, "walk toward token (existing decision)");
    EXPECT_EQ(plans.All().size(), 1u);

    // The token is emptied by someone else: the plan is forgotten and its tile released.
    Place(board, 9, 0, AiCell::kToken, false);
    Decide(w);
    EXPECT_TRUE(plans.All().empty());

    // Within the action points of the wizard: forgotten too (a fresh decision does better).
    Place(board, 9, 0, AiCell::kToken);
    walk.target = board.Index(2, 0);
    plans.Remember(w, walk);
    Decide(w);
    EXPECT_TRUE(plans.All().empty());

    // Arrived.
    walk.target = board.wizards[w].cell;
    plans.Remember(w, walk);
    Decide(w);
    EXPECT_TRUE(plans.All().empty());
}

TEST_F(DecideFixture, ForgettingOnePlanReleasesOnlyItsTile)
{
    Decision a;
    a.action = AiAction::Walk;
    a.target = 5;
    Decision b = a;
    b.target = 7;
    plans.Remember(0, a);
    plans.Remember(1, b);
    EXPECT_TRUE(plans.ClaimedByOther(5, 2));
    EXPECT_FALSE(plans.ClaimedByOther(5, 0));  // a wizard's own plan does not hide its tile from it
    plans.Forget(0);
    EXPECT_FALSE(plans.ClaimedByOther(5, 2));
    EXPECT_TRUE(plans.ClaimedByOther(7, 2));
    plans.Clear();
    EXPECT_TRUE(plans.ClaimedTiles().empty());
}

TEST_F(DecideFixture, EqualWeightsKeepListOrder)
{
    const int w = TwoEqualSpells();
    const auto& list = Decide(w);
    EXPECT_EQ(list[0].spellName, "A");
    EXPECT_EQ(list[1].spellName, "B");
    // The empty records (no token, no pickup, the three unused places) all sink below them.
    int empties = 0;
    for (const Decision& d : list) empties += d.label == "no context";
    EXPECT_EQ(empties, 5);
    EXPECT_EQ(list.back().label, "no context");
}

TEST_F(DecideFixture, ImpossibleBreaksTiesBySureHitsAndWeakerTargets)
{
    board.difficulty = 3;
    const int w = TwoEqualSpells();
    EXPECT_EQ(Decide(w).front().spellName, "B");
}

TEST_F(DecideFixture, CostZeroSpellSortsWithAFiniteWeight)
{
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    board.AddWizard(3, 0, 1, 20, 5);
    AiSpell free = Fireball();
    free.cost = 0;
    board.wizards[w].hand.push_back(free);
    const auto& list = Decide(w);
    EXPECT_DOUBLE_EQ(list.front().weight, 250.0);
    for (std::size_t i = 1; i < list.size(); ++i) EXPECT_GE(list[i - 1].weight, list[i].weight);
}

TEST_F(DecideFixture, OneDistanceSearchPerDecision)
{
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    board.AddWizard(9, 9, 1, 20, 5);
    for (int i = 0; i < 4; ++i) board.wizards[w].hand.push_back(Fireball());
    Decide(w);
    Decide(w);
    EXPECT_EQ(maker.Field().Searches(), 2);
}

TEST_F(DecideFixture, ASpellTooDearStaysAnEmptyRecord)
{
    const int w = board.AddWizard(0, 0, 2, 20, 1);
    board.AddWizard(1, 0, 1, 20, 5);
    board.wizards[w].hand.push_back(Fireball());
    Decide(w);
    EXPECT_EQ(Find("casting spell"), nullptr);
    int empties = 0;
    for (const Decision& d : maker.Decisions()) empties += d.label == "no context";
    EXPECT_EQ(empties, 6);  // no token, no pickup, three unused places and the spell
}

namespace {

// A horseshoe of 5 x 5: the left and right columns and the bottom row; the inside is water.
AiBoard Horseshoe()
{
    AiBoard board;
    board.Resize(5, 5);
    for (int r = 0; r < 5; ++r) {
        board.AddTile(0, r);
        board.AddTile(4, r);
    }
    for (int c = 1; c < 4; ++c) board.AddTile(c, 4);
    return board;
}

}  // namespace

// On a horseshoe the straight line to a target across the water ends at the nearest tip and stays
// there; the walk goes round by the tiles with the fewest steps left.
TEST_F(DecideFixture, WalksGoRoundByWalkingStepsNotTheStraightLine)
{
    board = Horseshoe();
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    Place(board, 4, 0, AiCell::kToken);
    Place(board, 0, 4, AiCell::kToken);  // as far in a straight line, 4 steps against 12 to walk
    const auto tokenWalk = [&](unsigned seed) {
        SeedRandom(seed);
        Decide(w);
        return Find("walk toward token");
    };
    for (unsigned seed = 0; seed < 20; ++seed) {
        const Decision* token = tokenWalk(seed);
        ASSERT_NE(token, nullptr);
        EXPECT_EQ(token->target, board.Index(0, 4));
    }
    Place(board, 0, 4, AiCell::kNone);
    for (unsigned seed = 0; seed < 20; ++seed) {
        const Decision* token = tokenWalk(seed);
        ASSERT_NE(token, nullptr);
        ASSERT_EQ(token->target, board.Index(4, 0));
        // Five steps down the left side and along the bottom: (1, 4) is 7 steps from the token,
        // where (0, 1), nearest in a straight line, is 11.
        EXPECT_EQ(maker.WalkDestination(*token, plans, nullptr), board.Index(1, 4));
    }
}

TEST_F(DecideFixture, AWalkChosenAgainIsRememberedOnce)
{
    const int w = board.AddWizard(0, 0, 2, 20, 2);
    Decision walk;
    walk.label = "walk toward token";
    walk.action = AiAction::Walk;
    walk.target = board.Index(9, 0);
    plans.Remember(w, walk);
    plans.Remember(w, walk);
    EXPECT_EQ(plans.All().size(), 1u);
    plans.Remember(w + 1, walk);  // another wizard's plan on the tile is its own
    EXPECT_EQ(plans.All().size(), 2u);
}

// IMPOSSIBLE aims a damaging spell at the enemy in reach it can finish off, else the weakest;
// the other difficulties take the nearest.
TEST_F(DecideFixture, ImpossibleAimsAtTheEnemyItCanFinishOff)
{
    const int w = board.AddWizard(0, 0, 2, 20, 5);
    const int near = board.AddWizard(1, 0, 1, 20, 5);
    const int hurt = board.AddWizard(0, 3, 1, 9, 5);
    const int dying = board.AddWizard(3, 0, 1, 5, 5);
    board.AddWizard(9, 9, 1, 1, 5);  // weaker still, out of reach
    board.wizards[w].hand.push_back(Fireball());
    board.difficulty = 3;
    Decide(w);
    ASSERT_EQ(maker.Decisions().front().label, "casting spell");
    EXPECT_EQ(maker.Decisions().front().target, board.wizards[dying].cell);
    board.wizards[dying].health = 6;  // no kill in reach now: the weakest
    Decide(w);
    EXPECT_EQ(maker.Decisions().front().target, board.wizards[dying].cell);
    board.wizards[dying].health = 12;
    Decide(w);
    EXPECT_EQ(maker.Decisions().front().target, board.wizards[hurt].cell);
    board.difficulty = 2;
    Decide(w);
    EXPECT_EQ(maker.Decisions().front().target, board.wizards[near].cell);
}
