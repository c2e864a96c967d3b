#include "ai/DecisionMaker.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <ostream>

#include "ai/AiDifficulty.h"
#include "ai/SpellWeight.h"
#include "ai/TargetSearch.h"
#include "engine/Random.h"

namespace {

constexpr const char* kCantrip = "Cantrip";
constexpr int kEmptyPlaces = 3;  // fixed places no rule fills; they stay "no context"

int HeldSpells(const AiWizard& w)
{
    int n = 0;
    for (const AiSpell& s : w.hand)
        if (s.name != kCantrip) ++n;
    return n;
}

void SetWalk(Decision& d, const char* label, std::int32_t target, double weight)
{
    d.label = label;
    d.action = AiAction::Walk;
    d.target = target;
    d.weight = weight;
}

}  // namespace

bool ValidCastTarget(const AiBoard& board, std::int32_t caster, const AiSpell& s, std::int32_t cell)
{
    const AiWizard& self = board.wizards[caster];
    if (!board.HasTile(cell) || self.cell < 0 || board.Distance(self.cell, cell) > s.reach) return false;
    if (cell == self.cell) return s.hasSelfCommands || s.hasAllyCommands;
    if (s.hasTileCommands && s.createsObjects) return true;
    const AiWizard* there = board.WizardOn(cell);
    if (there) return there->side != self.side ? s.hasEnemyCommands : s.hasAllyCommands;
    return s.hasTileCommands && board.cells[cell].object == AiCell::kOther;
}

double DecisionMaker::TokenWalkWeight(int heldSpells)
{
    if (heldSpells <= 0) return 190.0;
    if (heldSpells <= 2) return 100.0;
    if (heldSpells == 3) return 60.0;
    return 0.0;
}

const std::vector<Decision>& DecisionMaker::Decide(const AiBoard& b, std::int32_t w, AiPlans& plans,
                                                   std::ostream* report)
{
    board = &b;
    wizard = w;
    decisions.clear();
    const AiWizard& self = b.wizards[w];
    field.Build(b, self.cell);
    plans.ClaimMask(w, b.CellCount(), claims);
    TargetSearch search(b, w, field, claims, report);
    const int held = HeldSpells(self);

    Decision randomWalk;
    const std::int32_t anywhere = search.RandomTile();
    if (anywhere != TargetSearch::kNone)
        SetWalk(randomWalk, "random walking", anywhere, 1.0 + static_cast<double>(RandomU32() % 15));
    decisions.push_back(randomWalk);

    Decision tokenWalk;
    const std::int32_t token = search.Token();
    if (token != TargetSearch::kNone) SetWalk(tokenWalk, "walk toward token", token, TokenWalkWeight(held));
    decisions.push_back(tokenWalk);

    Decision pickup;
    const AiCell& under = b.cells[self.cell];
    if (under.object == AiCell::kToken && under.tokenActive && held <= 3) {
        pickup.label = "pick up token";
        pickup.action = AiAction::Pickup;
        pickup.target = self.cell;
        pickup.weight = kPickupWeight;
    }
    decisions.push_back(pickup);
    for (int i = 0; i < kEmptyPlaces; ++i) decisions.emplace_back();

    for (const AiSpell& spell : self.hand) {
        Decision record;
        if (spell.cost <= self.ap) AddSpellRecord(search, spell, record);
        decisions.push_back(std::move(record));
    }
    AddPlans(plans);

    Decision end;
    end.label = "end turn";
    end.action = AiAction::End;
    end.weight = kEndWeight;
    decisions.push_back(end);

    Sort();
    if (report) PrintDecisionReport(*report, b, decisions);
    return decisions;
}

void DecisionMaker::AddSpellRecord(TargetSearch& search, const AiSpell& spell, Decision& record)
{
    const AiBoard& b = *board;
    const AiWizard& self = b.wizards[wizard];
    record.SetSpell(&spell);
    const std::int32_t element = search.ElementTile(spell);
    const std::int32_t target = search.SpellTarget(spell);
    if (target == TargetSearch::kNone) {
        const std::int32_t anywhere = search.RandomTile();
        if (anywhere != TargetSearch::kNone) SetWalk(record, "random walking (from spell check)", anywhere, 15.0);
        return;
    }
    if (b.Distance(self.cell, target) > spell.reach) {
        // A boxed-in wizard cannot walk closer; offering the walk would only waste a step.
        if (!search.Surrounded()) ApproachEnemy(spell, target, record);
        return;
    }
    const std::int32_t budget = self.ap - spell.cost;
    if (element != TargetSearch::kNone && field.Within(element, budget) && b.Distance(element, target) <= spell.reach) {
        SetWalk(record, "walking toward elementile", element, SpellWeight(b, wizard, spell, target));
        return;
    }
    // A cast is chosen only where the click would cast; anything else would be refused and repeat.
    if (!ValidCastTarget(b, wizard, spell, target)) return;
    record.label = "casting spell";
    record.action = AiAction::Cast;
    record.target = target;
    record.weight = SpellWeight(b, wizard, spell, target);
}

void DecisionMaker::ApproachEnemy(const AiSpell& spell, std::int32_t target, Decision& record)
{
    const AiBoard& b = *board;
    const AiWizard& self = b.wizards[wizard];
    const std::int32_t budget = self.ap - spell.cost;
    const std::int32_t column = b.Column(target);
    const std::int32_t row = b.Row(target);
    const std::int32_t radius = spell.reach;
    std::int32_t best = -1;
    std::int32_t bestSteps = std::numeric_limits<std::int32_t>::max();
    // Tiles within reach of the target, in the map's order; the cheapest walk wins, first on ties.
    for (std::int32_t r = row - radius; r <= row + radius; ++r) {
        const std::int32_t span = radius - std::abs(r - row);
        for (std::int32_t c = column - span; c <= column + span; ++c) {
            const std::int32_t cell = b.Index(c, r);
            if (cell < 0 || claims[cell] || !field.Within(cell, budget)) continue;
            const std::int32_t steps = field.Steps(cell);
            if (steps < bestSteps) {
                best = cell;
                bestSteps = steps;
            }
        }
    }
    const double weight = SpellWeight(b, wizard, spell, target);
    if (best >= 0)
        SetWalk(record, "walking slightly towards enemy", best, weight * 0.75);
    else
        SetWalk(record, "walking fully towards enemy", target, weight * 0.5);
}

void DecisionMaker::AddPlans(AiPlans& plans)
{
    const AiBoard& b = *board;
    const AiWizard& self = b.wizards[wizard];
    for (std::size_t i = 0; i < plans.All().size();) {
        const AiPlans::Plan& plan = plans.All()[i];
        if (plan.wizard != wizard) {
            ++i;
            continue;
        }
        const Decision& d = plan.decision;
        const bool arrived = d.target == self.cell;
        const AiCell* at = b.HasTile(d.target) ? &b.cells[d.target] : nullptr;
        const bool tokenGone = at && at->object == AiCell::kToken && !at->tokenActive;
        const bool close = d.action == AiAction::Walk && b.HasTile(d.target) && b.Distance(self.cell, d.target) <= self.ap;
        if (arrived || tokenGone || close || !at) {
            plans.Forget(i);
            continue;
        }
        Decision copy = d;
        copy.weight = kPlanWeight;
        copy.label += " (existing decision)";
        copy.fromPlan = true;
        decisions.push_back(std::move(copy));
        ++i;
    }
}

namespace {

int ActionRank(AiAction action)
{
    switch (action) {
    case AiAction::Pickup: return 0;
    case AiAction::Cast: return 1;
    case AiAction::Walk: return 2;
    case AiAction::End: return 3;
    }
    return 4;
}

std::int32_t HealthOnTarget(const AiBoard& board, const Decision& d)
{
    const AiWizard* w = board.WizardOn(d.target);
    return w ? w->health : std::numeric_limits<std::int32_t>::max();
}

}  // namespace

void DecisionMaker::Sort()
{
    const AiBoard& b = *board;
    const bool impossible = ClampDifficulty(b.difficulty) == AiDifficulty::Impossible;
    std::stable_sort(decisions.begin(), decisions.end(), [&](const Decision& x, const Decision& y) {
        if (x.weight != y.weight) return x.weight > y.weight;
        if (!impossible) return false;
        if (ActionRank(x.action) != ActionRank(y.action)) return ActionRank(x.action) < ActionRank(y.action);
        const std::int32_t hx = x.spell ? x.spell->hitChance : 0;
        const std::int32_t hy = y.spell ? y.spell->hitChance : 0;
        if (hx != hy) return hx > hy;
        return HealthOnTarget(b, x) < HealthOnTarget(b, y);
    });
}

std::int32_t DecisionMaker::WalkDestination(const Decision& walk, const AiPlans& plans, std::ostream* out)
{
    if (!board || wizard < 0) return TargetSearch::kNone;
    plans.ClaimMask(wizard, board->CellCount(), claims);
    TargetSearch search(*board, wizard, field, claims, out);
    targetField.Build(*board, walk.target);
    return search.WalkDestination(walk.target, &targetField);
}
