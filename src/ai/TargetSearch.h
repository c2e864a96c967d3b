#pragma once
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "ai/AiBoard.h"
#include "ai/DistanceField.h"

// The target searches of one computer wizard for one decision. Each mode collects the tiles at
// the smallest distance from the wizard (walking steps for tokens and element tiles, Manhattan
// for the rest), in the map's tile order, and draws one of them
// as index RandomU32() mod count. Tiles claimed by another computer wizard's plan are skipped by
// the walk-target searches (token, element tile, random tile, walk destination) but never by the
// spell-target search: a claim must not hide an enemy from a spell.
class TargetSearch {
public:
    static constexpr std::int32_t kNone = -1;

    // `claims` is a per-cell mask (AiPlans::ClaimMask); `out` receives the surrounded line and may
    // be null. The field must have been built from the wizard's cell on this board.
    TargetSearch(const AiBoard& board, std::int32_t wizard, const DistanceField& field,
                 const std::vector<char>& claims, std::ostream* out);

    // The nearest tiles, by walking steps (at least 1), holding an active token and no wizard.
    std::int32_t Token();
    // The tile a spell is aimed at: the nearest enemy for spells that harm, heal or hinder
    // enemies or build obstacles and hazards (on IMPOSSIBLE a damaging spell takes, among the
    // enemies in reach, one it can finish off, else the weakest); else the nearest other ally for ally spells; else
    // the wizard's own tile for self spells; else none.
    std::int32_t SpellTarget(const AiSpell& spell);
    // For an elemental spell: the nearest tiles, by walking steps, of its element's kind or
    // "Aether_Tile" holding no wizard and no blocking object.
    std::int32_t ElementTile(const AiSpell& spell);
    // Any tile closer than the wizard's action points (its own included).
    std::int32_t RandomTile();
    // Where a walk towards `target` actually goes: among the tiles reachable with the wizard's
    // action points, other than its own and holding no blocking object, the ones with the fewest
    // walking steps left to the target (by `fromTarget`, a field built from the target), then the
    // nearest in a straight line when no walk reaches it. kNone when there is none.
    std::int32_t WalkDestination(std::int32_t target, const DistanceField* fromTarget = nullptr);

    // Every one of the four neighbours is missing or blocked. Each walk search then prints
    // "The AI is surrounded and will end their turn" and finds nothing; spells still find targets.
    bool Surrounded() const { return surrounded; }

private:
    const AiBoard& board;
    const AiWizard& self;
    const DistanceField& field;
    const std::vector<char>& claims;
    std::ostream* out;
    bool surrounded = false;
    std::vector<std::int32_t> nearest;
    std::int32_t nearestDistance = 0;

    bool StopWhenSurrounded();
    bool Claimed(std::int32_t cell) const;
    void Consider(std::int32_t cell, std::int32_t distance);
    std::int32_t Draw();
    std::int32_t NearestWizard(bool enemies);
    std::int32_t WeakestEnemyInReach(const AiSpell& spell) const;
};
