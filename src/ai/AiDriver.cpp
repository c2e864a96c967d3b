#include "ai/AiDriver.h"

#include <chrono>
#include <iostream>

AiDriver::AiDriver(std::int32_t side_, std::int32_t difficulty_)
    : report(&std::cout), side(side_), difficulty(ClampDifficulty(difficulty_))
{
}

void AiDriver::Reset()
{
    started = false;
    timer = 0.0f;
    stepsThisTurn = 0;
    stepCap = 0;
    failures.clear();
    plans.Clear();
}

void AiDriver::Update(AiBattle& battle, float dt)
{
    if (battle.BattleOver()) return;
    if (!started) BeginTurn(battle);
    if (dt > 0.0f) timer += dt;
    const bool done = AllDone(battle);
    if (timer <= stepDelay || done || battle.Busy()) {
        if (done && timer > endDelay && !battle.Busy()) FinishTurn(battle);
        return;
    }
    timer = 0.0f;
    if (stepsThisTurn >= stepCap) {
        // The turn has run long: every wizard of the side stops, and the turn ends as usual.
        for (std::int32_t i = 0; i < battle.WizardCount(); ++i) {
            const AiBattle::WizardState w = battle.Wizard(i);
            if (w.side == side && w.health >= 1 && w.ap > 0) battle.SetAp(i, 0);
        }
        return;
    }
    const std::int32_t wizard = NextWizard(battle);
    if (wizard < 0) return;
    ++stepsThisTurn;
    battle.Follow(wizard);
    Step(battle, wizard);
}

void AiDriver::BeginTurn(AiBattle& battle)
{
    started = true;
    timer = 0.0f;
    stepsThisTurn = 0;
    failures.assign(static_cast<std::size_t>(battle.WizardCount()), 0);
    battle.Deselect();
    battle.StartTurn();
    battle.Announce("AI Is Acting...");
    int living = 0;
    for (std::int32_t i = 0; i < battle.WizardCount(); ++i) {
        const AiBattle::WizardState w = battle.Wizard(i);
        if (w.side == side && w.health >= 1) ++living;
    }
    stepCap = kStepsPerWizard * living;
}

void AiDriver::FinishTurn(AiBattle& battle)
{
    battle.Announce("");
    timer = 0.0f;
    battle.Deselect();
    plans.Clear();
    started = false;
    battle.EndTurn();
}

bool AiDriver::AllDone(const AiBattle& battle) const
{
    for (std::int32_t i = 0; i < battle.WizardCount(); ++i) {
        const AiBattle::WizardState w = battle.Wizard(i);
        if (w.side == side && w.health >= 1 && w.ap >= 1) return false;
    }
    return true;
}

std::int32_t AiDriver::NextWizard(const AiBattle& battle) const
{
    for (std::int32_t i = 0; i < battle.WizardCount(); ++i) {
        const AiBattle::WizardState w = battle.Wizard(i);
        if (w.side == side && w.ap > 0 && w.health > 0) return i;
    }
    return -1;
}

namespace {

// The next record after `from` in sorted order that the pick could have chosen.
int NextReal(const std::vector<Decision>& sorted, int from)
{
    for (std::size_t i = static_cast<std::size_t>(from + 1); i < sorted.size(); ++i)
        if (IsRealAction(sorted[i])) return static_cast<int>(i);
    return -1;
}

}  // namespace

void AiDriver::Step(AiBattle& battle, std::int32_t wizard)
{
    if (failures.size() < static_cast<std::size_t>(battle.WizardCount()))
        failures.resize(static_cast<std::size_t>(battle.WizardCount()), 0);
    const auto begin = std::chrono::steady_clock::now();
    battle.BuildBoard(board);
    board.difficulty = static_cast<std::int32_t>(difficulty);
    const std::vector<Decision>& sorted = maker.Decide(board, wizard, plans, report);
    int chosen = PickDecision(difficulty, sorted);
    if (decideMicros) {
        const std::chrono::duration<float, std::micro> spent = std::chrono::steady_clock::now() - begin;
        decideMicros->push_back(spent.count());
    }
    Decision end;
    end.label = "end turn";
    end.weight = DecisionMaker::kEndWeight;
    const Decision* decision = chosen >= 0 ? &sorted[chosen] : &end;
    while (!Carry(battle, wizard, *decision)) {
        // Nothing happened: drop this decision and try the next one, but never more than twice a
        // turn for one wizard, so a refused click cannot repeat for ever.
        if (++failures[wizard] >= 2) {
            StopWizard(battle, wizard);
            return;
        }
        chosen = chosen >= 0 ? NextReal(sorted, chosen) : -1;
        if (chosen < 0) {
            StopWizard(battle, wizard);
            return;
        }
        decision = &sorted[chosen];
    }
}

bool AiDriver::Carry(AiBattle& battle, std::int32_t wizard, const Decision& d)
{
    const AiBattle::WizardState before = battle.Wizard(wizard);
    const bool flyingBefore = battle.State() == 3;
    const std::int32_t column = before.column;
    const std::int32_t row = before.row;
    ++decisionsTaken;
    battle.Deselect();
    switch (d.action) {
    case AiAction::Walk: {
        battle.Caption(wizard, "Walking");
        if (!d.fromPlan) plans.Remember(wizard, d);
        battle.ClickTile(column, row);
        battle.ClickTile(column, row);
        const std::int32_t to = maker.WalkDestination(d, plans, report);
        if (board.HasTile(to)) battle.ClickTile(board.Column(to), board.Row(to));
        break;
    }
    case AiAction::Pickup:
        battle.Caption(wizard, "Collecting Token");
        battle.ClickTile(column, row);
        battle.CollectToken();
        break;
    case AiAction::Cast:
        battle.ClickTile(column, row);
        if (battle.SelectCard(wizard, d.spellId, d.spellName)) {
            battle.Caption(wizard, "Casting Spell: " + d.spellName);
            if (board.HasTile(d.target)) battle.ClickTile(board.Column(d.target), board.Row(d.target));
        }
        break;
    case AiAction::End:
    default:
        battle.Caption(wizard, "Ending Turn");
        battle.SetAp(wizard, 0);
        break;
    }
    // A refused click can leave walk mode or aiming open; the next action starts clean anyway.
    const std::int32_t state = battle.State();
    if (state == 1 || state == 2) battle.Deselect();
    if (afterAction) afterAction();
    const bool changed = !(battle.Wizard(wizard) == before) || (battle.State() == 3) != flyingBefore;
    if (!changed && d.action == AiAction::Walk) {
        // The walk never started: its plan goes, so the next step decides afresh.
        const auto& all = plans.All();
        for (std::size_t i = all.size(); i-- > 0;)
            if (all[i].wizard == wizard && all[i].decision.target == d.target) {
                plans.Forget(i);
                break;
            }
    }
    return changed;
}

void AiDriver::StopWizard(AiBattle& battle, std::int32_t wizard)
{
    battle.Caption(wizard, "Ending Turn");
    battle.SetAp(wizard, 0);
    if (afterAction) afterAction();
}
