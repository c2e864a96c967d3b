#include "ai/DistanceField.h"

void DistanceField::Build(const AiBoard& board, std::int32_t from)
{
    ++searches;
    start = from;
    steps.assign(board.cells.size(), kUnreachable);
    if (!board.HasTile(from)) return;
    steps[from] = 0;
    frontier.clear();
    frontier.push_back(from);
    static constexpr std::int32_t kDc[4] = {1, -1, 0, 0};
    static constexpr std::int32_t kDr[4] = {0, 0, 1, -1};
    // The frontier grows in place: entries before `head` are done, the rest wait in search order.
    for (std::size_t head = 0; head < frontier.size(); ++head) {
        const std::int32_t cell = frontier[head];
        const std::int32_t column = board.Column(cell);
        const std::int32_t row = board.Row(cell);
        for (int k = 0; k < 4; ++k) {
            const std::int32_t next = board.Index(column + kDc[k], row + kDr[k]);
            if (next < 0 || steps[next] != kUnreachable || !board.Walkable(next)) continue;
            steps[next] = steps[cell] + 1;
            frontier.push_back(next);
        }
    }
}

std::int32_t DistanceField::Steps(std::int32_t cell) const
{
    if (cell < 0 || cell >= static_cast<std::int32_t>(steps.size())) return kUnreachable;
    return steps[cell];
}

bool DistanceField::Within(std::int32_t cell, std::int32_t budget) const
{
    const std::int32_t s = Steps(cell);
    return s != kUnreachable && s <= budget;
}
