#include "ai/TargetSearch.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <ostream>

#include "engine/Random.h"

TargetSearch::TargetSearch(const AiBoard& board_, std::int32_t wizard, const DistanceField& field_,
                           const std::vector<char>& claims_, std::ostream* out_)
    : board(board_), self(board_.wizards[wizard]), field(field_), claims(claims_), out(out_)
{
    const std::int32_t column = board.Column(self.cell);
    const std::int32_t row = board.Row(self.cell);
    const std::int32_t around[4] = {board.Index(column + 1, row), board.Index(column - 1, row),
                                    board.Index(column, row + 1), board.Index(column, row - 1)};
    surrounded = true;
    for (std::int32_t cell : around)
        if (board.HasTile(cell) && !board.Blocked(cell)) surrounded = false;
}

bool TargetSearch::StopWhenSurrounded()
{
    if (!surrounded) return false;
    if (out) *out << "The AI is surrounded and will end their turn\n";
    return true;
}

bool TargetSearch::Claimed(std::int32_t cell) const
{
    return cell >= 0 && cell < static_cast<std::int32_t>(claims.size()) && claims[cell] != 0;
}

void TargetSearch::Consider(std::int32_t cell, std::int32_t distance)
{
    if (nearest.empty() || distance < nearestDistance) {
        nearest.clear();
        nearestDistance = distance;
    }
    if (distance == nearestDistance) nearest.push_back(cell);
}

std::int32_t TargetSearch::Draw()
{
    if (nearest.empty()) return kNone;
    const auto count = static_cast<std::uint32_t>(nearest.size());
    const std::int32_t chosen = nearest[RandomU32() % count];
    nearest.clear();
    return chosen;
}

std::int32_t TargetSearch::Token()
{
    if (StopWhenSurrounded()) return kNone;
    nearest.clear();
    for (std::int32_t cell = 0; cell < board.CellCount(); ++cell) {
        const AiCell& c = board.cells[cell];
        if (!c.exists || c.object != AiCell::kToken || !c.tokenActive || c.wizard >= 0 || Claimed(cell)) continue;
        // Walking steps, not the straight line: a token across water would lead nowhere.
        const std::int32_t d = field.Steps(cell);
        if (d >= 1) Consider(cell, d);
    }
    return Draw();
}

std::int32_t TargetSearch::NearestWizard(bool enemies)
{
    nearest.clear();
    // Wizards are few: gather their cells, then keep the map's tile order for the draw.
    std::vector<std::int32_t> cells;
    for (const AiWizard& w : board.wizards) {
        if (w.cell < 0 || &w == &self) continue;
        if ((w.side != self.side) == enemies) cells.push_back(w.cell);
    }
    std::sort(cells.begin(), cells.end());
    for (std::int32_t cell : cells) Consider(cell, board.Distance(self.cell, cell));
    return Draw();
}

std::int32_t TargetSearch::WeakestEnemyInReach(const AiSpell& s) const
{
    // Finishing a wizard off beats wounding another; then the weakest, then the nearest.
    std::int32_t best = kNone;
    std::int32_t bestRank[3] = {0, 0, 0};
    for (const AiWizard& w : board.wizards) {
        if (w.cell < 0 || w.side == self.side || board.Distance(self.cell, w.cell) > s.reach) continue;
        const std::int32_t rank[3] = {w.health <= s.enemyDamageTotal ? 0 : 1, w.health, board.Distance(self.cell, w.cell)};
        const bool better = best == kNone || std::lexicographical_compare(rank, rank + 3, bestRank, bestRank + 3) ||
                            (std::equal(rank, rank + 3, bestRank) && w.cell < best);
        if (better) {
            best = w.cell;
            std::copy(rank, rank + 3, bestRank);
        }
    }
    return best;
}

std::int32_t TargetSearch::SpellTarget(const AiSpell& s)
{
    // No surrounded check here: a boxed-in wizard can still cast at whatever is in reach.
    if (s.damagesEnemy || s.healsEnemy || s.afflictsEnemy || s.createsObstacle || s.createsHazard) {
        const bool impossible = board.difficulty == 3;
        const std::int32_t chosen = impossible && s.damagesEnemy ? WeakestEnemyInReach(s) : kNone;
        return chosen != kNone ? chosen : NearestWizard(true);
    }
    if (s.harmsAlly || s.healsAlly || s.changesAllyStatus || s.createsBoon) return NearestWizard(false);
    if (s.harmsSelf || s.healsSelf || s.changesSelfStatus) return self.cell;
    return kNone;
}

std::int32_t TargetSearch::ElementTile(const AiSpell& s)
{
    if (StopWhenSurrounded()) return kNone;
    if (s.element < 1 || s.element > 4) return kNone;
    nearest.clear();
    for (std::int32_t cell = 0; cell < board.CellCount(); ++cell) {
        const AiCell& c = board.cells[cell];
        if (!c.exists || (c.elementTile != s.element && c.elementTile != 5)) continue;
        if (c.wizard >= 0 || c.object == AiCell::kOther || Claimed(cell)) continue;
        const std::int32_t d = field.Steps(cell);
        if (d != DistanceField::kUnreachable) Consider(cell, d);
    }
    return Draw();
}

std::int32_t TargetSearch::RandomTile()
{
    if (StopWhenSurrounded()) return kNone;
    nearest.clear();
    const std::int32_t column = board.Column(self.cell);
    const std::int32_t row = board.Row(self.cell);
    const std::int32_t radius = self.ap - 1;  // distance below AP
    // Rows then columns of the diamond around the wizard: the map's tile order.
    for (std::int32_t r = row - radius; r <= row + radius; ++r) {
        const std::int32_t span = radius - std::abs(r - row);
        for (std::int32_t c = column - span; c <= column + span; ++c) {
            const std::int32_t cell = board.Index(c, r);
            if (board.HasTile(cell) && !Claimed(cell)) nearest.push_back(cell);
        }
    }
    return Draw();
}

std::int32_t TargetSearch::WalkDestination(std::int32_t target, const DistanceField* fromTarget)
{
    // Ranked by the walk still left to the target where one exists; a target beyond any walk (an
    // enemy across water) falls back to the straight line, behind every walkable approach.
    constexpr std::int32_t kNoWalk = 1 << 20;
    const auto remaining = [&](std::int32_t cell) {
        const std::int32_t steps = fromTarget ? fromTarget->Steps(cell) : DistanceField::kUnreachable;
        return steps != DistanceField::kUnreachable ? steps : kNoWalk + board.Distance(cell, target);
    };
    nearest.clear();
    if (!board.HasTile(target)) return kNone;
    const std::int32_t column = board.Column(self.cell);
    const std::int32_t row = board.Row(self.cell);
    const std::int32_t radius = self.ap;
    for (std::int32_t r = row - radius; r <= row + radius; ++r) {
        const std::int32_t span = radius - std::abs(r - row);
        for (std::int32_t c = column - span; c <= column + span; ++c) {
            const std::int32_t cell = board.Index(c, r);
            if (cell < 0 || cell == self.cell || !field.Within(cell, self.ap)) continue;
            const AiCell& here = board.cells[cell];
            if (here.object == AiCell::kOther || here.wizard >= 0 || Claimed(cell)) continue;
            Consider(cell, remaining(cell));
        }
    }
    return Draw();
}
