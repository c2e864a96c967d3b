#pragma once
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "ai/AiBoard.h"
#include "ai/AiPlans.h"
#include "ai/Decision.h"
#include "ai/DistanceField.h"

// Decide: the ranked list of candidate decisions of one computer wizard. Greedy and local: it
// looks at the board as it stands, remembers walks in progress as plans, and never simulates.
// The list, in building order: random walk, token walk, pickup, three records that stay empty,
// one record per spell in hand, the wizard's remembered plans (weight 200), "end turn" (10).
// It is then sorted by weight, highest first, ties in list order (IMPOSSIBLE breaks ties by
// action, hit chance and the target's health first), and printed.
class DecisionMaker {
public:
    static constexpr double kPlanWeight = 200.0;
    static constexpr double kEndWeight = 10.0;
    static constexpr double kPickupWeight = 1000.0;

    // Builds, sorts and (when `report` is set) prints the list for wizard `wizard` of the board.
    // Forgets that wizard's plans that are done or moot.
    const std::vector<Decision>& Decide(const AiBoard& board, std::int32_t wizard, AiPlans& plans,
                                        std::ostream* report);

    const std::vector<Decision>& Decisions() const { return decisions; }
    // Where a walk decision of the last Decide really goes (the searches' walk destination), with
    // claims as they are now. Call before the board changes.
    std::int32_t WalkDestination(const Decision& walk, const AiPlans& plans, std::ostream* out);
    // The distance field of the last Decide (one search per decision).
    const DistanceField& Field() const { return field; }

    // Token-walk weight by the number of spells held other than "Cantrip".
    static double TokenWalkWeight(int heldSpells);

private:
    const AiBoard* board = nullptr;
    std::int32_t wizard = -1;
    DistanceField field;
    DistanceField targetField;  // walking steps from a walk's target, for its destination
    std::vector<char> claims;
    std::vector<Decision> decisions;

    void AddSpellRecord(class TargetSearch& search, const AiSpell& spell, Decision& record);
    void ApproachEnemy(const AiSpell& spell, std::int32_t target, Decision& record);
    void AddPlans(AiPlans& plans);
    void Sort();
};

// True when a click on `cell` with this spell chosen would cast: within reach of the caster and
// marked as a target by the battle's rules (the caster's own tile when the spell has self or ally
// commands; enemies for enemy commands; allies for ally commands; any tile for a creating spell
// with tile commands, a tile holding a non-token object for the other tile spells).
bool ValidCastTarget(const AiBoard& board, std::int32_t caster, const AiSpell& spell, std::int32_t cell);
