#pragma once
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <vector>

#include "ai/AiBattle.h"
#include "ai/AiBoard.h"
#include "ai/AiDifficulty.h"
#include "ai/AiPlans.h"
#include "ai/DecisionMaker.h"

// Plays one side's turns inside the map's update, one action per step:
//  - the first frame of the turn clears the selection, starts the turn and announces
//    "AI Is Acting...";
//  - a step comes when more than 1 s has passed since the last one, no wizard walks and no spell
//    flies; the first wizard of the side with action points and health decides and carries out
//    the difficulty's pick through the player's controls, after a "Back" reset;
//  - a step that changes nothing (action points, cell, hand, token underneath, battle state)
//    drops that decision and takes the next real one; a wizard's second fruitless try in a turn
//    ends its actions; a turn takes at most 12 steps per living wizard of the side;
//  - when no living wizard of the side has action points left and 4 s have passed, the turn ends
//    and the plans are forgotten. Nothing happens once the battle is over.
class AiDriver {
public:
    static constexpr float kStepDelay = 1.0f;
    static constexpr float kEndDelay = 4.0f;
    static constexpr int kStepsPerWizard = 12;

    explicit AiDriver(std::int32_t side = 2, std::int32_t difficulty = 0);

    // Runs one frame of the driver for the side whose turn it is.
    void Update(AiBattle& battle, float dt);
    // Forgets the turn in progress, plans included (a rebuilt map, a restart).
    void Reset();

    std::int32_t Side() const { return side; }
    AiDifficulty Difficulty() const { return difficulty; }
    bool TurnStarted() const { return started; }
    const AiPlans& Plans() const { return plans; }

    // Where the decision reports go (standard output by default); null keeps them quiet.
    std::ostream* report;
    // Pacing; a headless battle may shorten it. The rules above name the defaults.
    float stepDelay = kStepDelay;
    float endDelay = kEndDelay;
    // Called after every action the driver carries out (invariant checks of a headless battle).
    std::function<void()> afterAction;
    // Microseconds each decision took to compute (Decide and the pick), when set.
    std::vector<float>* decideMicros = nullptr;
    // Decisions carried out since construction.
    std::int64_t decisionsTaken = 0;

private:
    std::int32_t side;
    AiDifficulty difficulty;
    bool started = false;
    float timer = 0.0f;
    int stepsThisTurn = 0;
    int stepCap = 0;
    std::vector<int> failures;  // fruitless tries per wizard this turn
    AiBoard board;
    AiPlans plans;
    DecisionMaker maker;

    void BeginTurn(AiBattle& battle);
    void FinishTurn(AiBattle& battle);
    bool AllDone(const AiBattle& battle) const;
    std::int32_t NextWizard(const AiBattle& battle) const;
    void Step(AiBattle& battle, std::int32_t wizard);
    bool Carry(AiBattle& battle, std::int32_t wizard, const Decision& decision);
    void StopWizard(AiBattle& battle, std::int32_t wizard);
};
