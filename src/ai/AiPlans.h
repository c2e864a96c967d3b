#pragma once
#include <cstdint>
#include <vector>

#include "ai/Decision.h"

// Walks the computer has started and not yet finished, shared by all its wizards for one turn.
// A plan's target tile is claimed: the walk-target searches of every other computer wizard skip
// it, so two wizards never head for the same tile. Forgetting a plan releases only its own tile.
class AiPlans {
public:
    struct Plan {
        std::int32_t wizard = -1;  // index in the map's wizard list
        Decision decision;         // a copy; its spell pointer is not kept (hands change)
    };

    // Remembers a walk of that wizard; its target tile becomes claimed. A walk to a tile the
    // wizard already has a plan for is not stored again.
    void Remember(std::int32_t wizard, const Decision& decision);
    // Removes the plan at that position (its tile stops being claimed).
    void Forget(std::size_t index);
    // Every plan and claim goes (end of the computer's turn, a rebuilt map).
    void Clear() { plans.clear(); }

    const std::vector<Plan>& All() const { return plans; }
    // True when another wizard's plan aims at that cell.
    bool ClaimedByOther(std::int32_t cell, std::int32_t wizard) const;
    // The cells claimed against that wizard, as a per-cell mask for the searches of one decision.
    void ClaimMask(std::int32_t wizard, std::int32_t cellCount, std::vector<char>& mask) const;
    // Every claimed cell in plan order (what the report of a turn would list).
    std::vector<std::int32_t> ClaimedTiles() const;

private:
    std::vector<Plan> plans;
};
