#include <algorithm>

#include <gtest/gtest.h>

#include "AiFakeBattle.h"
#include "ai/AiDriver.h"
#include "engine/Random.h"

using namespace aitest;

namespace {

struct DriverFixture : ::testing::Test {
    FakeBattle battle;
    AiDriver driver{2, 3};
    float clock = 0.0f;

    void SetUp() override
    {
        SeedRandom(11);
        driver.report = nullptr;
    }
    // Runs frames of 1/60 s until side 2's turn has ended or the limit passes; the seconds used.
    float RunTurn(float limit = 120.0f)
    {
        const int ended = battle.turnsEnded;
        const float start = clock;
        while (battle.turnsEnded == ended && clock - start < limit) {
            const float dt = 1.0f / 60.0f;
            clock += dt;
            battle.Advance(dt);
            driver.Update(battle, dt);
        }
        return clock - start;
    }
    int Count(const std::string& event) const
    {
        return static_cast<int>(std::count(battle.events.begin(), battle.events.end(), event));
    }
};

}  // namespace

TEST_F(DriverFixture, PlaysATurnOneActionASecondAndEndsItFourSecondsAfter)
{
    const int w = battle.board.AddWizard(0, 0, 2, 20, 0);
    battle.board.AddWizard(3, 0, 1, 20, 0);
    battle.board.wizards[w].hand = {Fireball(), Fireball()};
    std::vector<float> stepTimes;
    driver.afterAction = [&] { stepTimes.push_back(clock); };
    const float used = RunTurn();
    EXPECT_EQ(battle.turnsStarted, 1);
    EXPECT_EQ(battle.turnsEnded, 1);
    ASSERT_GE(stepTimes.size(), 2u);
    for (std::size_t i = 1; i < stepTimes.size(); ++i) EXPECT_GT(stepTimes[i] - stepTimes[i - 1], 1.0f);
    EXPECT_GT(used - stepTimes.back(), 4.0f);
    EXPECT_LT(used - stepTimes.back(), 4.0f + 0.5f);
    EXPECT_EQ(Count("caption Casting Spell: Fireball"), 2);
    EXPECT_EQ(battle.announcement, "");
    EXPECT_FALSE(driver.TurnStarted());
    EXPECT_TRUE(driver.Plans().All().empty());
}

TEST_F(DriverFixture, AnnouncesAndDeselectsBeforeEveryAction)
{
    const int w = battle.board.AddWizard(0, 0, 2, 20, 0);
    battle.board.AddWizard(7, 7, 1, 20, 0);
    battle.board.wizards[w].hand = {Fireball()};
    driver.afterAction = [&] { battle.events.push_back("|"); };
    driver.Update(battle, 0.01f);
    EXPECT_EQ(battle.announcement, "AI Is Acting...");
    RunTurn();
    // Every action begins with a "Back" reset, so leftovers of the last one never swallow a click.
    int actions = 0;
    bool segmentStart = true;
    for (const std::string& e : battle.events) {
        if (segmentStart && e != "|") {
            EXPECT_EQ(e, "deselect");
            ++actions;
        }
        segmentStart = e == "|";
    }
    EXPECT_GE(actions, 2);
}

TEST_F(DriverFixture, WaitsWhileAWizardWalks)
{
    battle.walkSecondsPerStep = 1.5f;  // far slower than a step of the driver
    battle.board.AddWizard(0, 0, 2, 20, 0);
    battle.board.AddWizard(7, 0, 2, 20, 0);
    battle.board.AddWizard(4, 4, 1, 20, 0);
    Place(battle.board, 0, 7, AiCell::kToken);
    Place(battle.board, 7, 7, AiCell::kToken);
    float walkEnds = 0.0f;
    int actions = 0;
    driver.afterAction = [&] {
        EXPECT_GE(clock + 1e-3f, walkEnds) << "an action came while a wizard was still walking";
        walkEnds = clock + std::max(0.0f, battle.walkLeft);
        ++actions;
    };
    RunTurn(300.0f);
    EXPECT_GE(actions, 2);
    EXPECT_EQ(battle.turnsEnded, 1);
}

TEST_F(DriverFixture, RefusedClicksEndTheWizardsActionsAfterTwoTries)
{
    battle.refuseClicks = true;
    battle.board.AddWizard(0, 0, 2, 20, 0);
    battle.board.AddWizard(2, 2, 2, 20, 0);
    battle.board.AddWizard(7, 7, 1, 20, 0);
    const float used = RunTurn();
    EXPECT_EQ(battle.turnsEnded, 1);
    EXPECT_LT(used, 12.0f);
    EXPECT_EQ(Count("caption Ending Turn"), 2);
}

TEST_F(DriverFixture, BoxedInPlanDoesNotLoop)
{
    // The wizard's plan aims at a far enemy; a Boulder and two allies box it in.
    const int w = battle.board.AddWizard(0, 0, 2, 20, 0);
    battle.board.AddWizard(1, 0, 2, 20, 0);
    battle.board.wizards[1].ap = 0;
    Place(battle.board, 0, 1, AiCell::kOther);
    battle.board.AddWizard(7, 7, 1, 20, 0);
    battle.board.wizards[w].hand = {Fireball()};
    const float used = RunTurn();
    EXPECT_EQ(battle.turnsEnded, 1);
    EXPECT_LT(used, 30.0f);
}

TEST_F(DriverFixture, StepCapEndsATurnThatNeverSpendsAnything)
{
    battle.endlessTokens = true;
    battle.board.AddWizard(0, 0, 2, 20, 0);
    battle.board.AddWizard(7, 7, 1, 20, 0);
    Place(battle.board, 0, 0, AiCell::kToken);
    int actions = 0;
    driver.afterAction = [&] { ++actions; };
    RunTurn(300.0f);
    EXPECT_EQ(battle.turnsEnded, 1);
    EXPECT_EQ(actions, AiDriver::kStepsPerWizard);
    EXPECT_EQ(Count("collect"), AiDriver::kStepsPerWizard);
}

TEST_F(DriverFixture, DoneCountsOnlyLivingWizards)
{
    battle.board.AddWizard(0, 0, 2, 20, 0);
    const int dead = battle.board.AddWizard(5, 5, 2, 0, 0);
    battle.board.AddWizard(7, 7, 1, 20, 0);
    driver.Update(battle, 0.01f);
    battle.board.wizards[dead].ap = 5;  // a corpse with points left must not hold the turn open
    RunTurn();
    EXPECT_EQ(battle.turnsEnded, 1);
}

TEST_F(DriverFixture, NothingHappensOnceTheBattleIsOver)
{
    battle.over = true;
    battle.board.AddWizard(0, 0, 2, 20, 0);
    battle.board.AddWizard(7, 7, 1, 20, 0);
    RunTurn(20.0f);
    EXPECT_EQ(battle.turnsStarted, 0);
    EXPECT_EQ(battle.turnsEnded, 0);
    EXPECT_EQ(battle.announcement, "");
    EXPECT_TRUE(battle.events.empty());
}

TEST_F(DriverFixture, ResetForgetsTheTurn)
{
    battle.board.AddWizard(0, 0, 2, 20, 0);
    battle.board.AddWizard(7, 7, 1, 20, 0);
    Place(battle.board, 0, 7, AiCell::kToken);
    for (int i = 0; i < 200 && driver.Plans().All().empty(); ++i) {
        battle.Advance(0.05f);
        driver.Update(battle, 0.05f);
    }
    ASSERT_FALSE(driver.Plans().All().empty());
    driver.Reset();
    EXPECT_TRUE(driver.Plans().All().empty());
    EXPECT_FALSE(driver.TurnStarted());
}
