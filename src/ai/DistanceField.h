#pragma once
#include <cstdint>
#include <vector>

#include "ai/AiBoard.h"

// Walking steps from one cell to every cell, found by one breadth-first search over walkable
// tiles in the battle's neighbour order (+column, -column, +row, -row). One field answers every
// "reachable within b action points" question of a decision as 0 <= steps <= b, instead of one
// path search per tile.
class DistanceField {
public:
    static constexpr std::int32_t kUnreachable = -1;

    // Searches from `start` (its own tile counts as 0 steps whoever stands on it).
    void Build(const AiBoard& board, std::int32_t start);

    std::int32_t Start() const { return start; }
    // Steps to the cell, or kUnreachable.
    std::int32_t Steps(std::int32_t cell) const;
    // True when the cell can be reached in at most `budget` steps.
    bool Within(std::int32_t cell, std::int32_t budget) const;
    // How many searches this object has run (a test counts one per decision).
    std::int64_t Searches() const { return searches; }

private:
    std::int32_t start = -1;
    std::vector<std::int32_t> steps;
    std::vector<std::int32_t> frontier;
    std::int64_t searches = 0;
};
