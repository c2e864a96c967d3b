#include "ai/AiBoard.h"

#include <cstdlib>

void AiBoard::Resize(std::int32_t newWidth, std::int32_t newHeight)
{
    width = newWidth > 0 ? newWidth : 0;
    height = newHeight > 0 ? newHeight : 0;
    cells.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), AiCell{});
}

std::int32_t AiBoard::Index(std::int32_t column, std::int32_t row) const
{
    if (column < 0 || row < 0 || column >= width || row >= height) return -1;
    return row * width + column;
}

std::int32_t AiBoard::Distance(std::int32_t a, std::int32_t b) const
{
    return std::abs(Column(a) - Column(b)) + std::abs(Row(a) - Row(b));
}

bool AiBoard::Walkable(std::int32_t cell) const
{
    if (!HasTile(cell)) return false;
    const AiCell& c = cells[cell];
    if (c.wizard >= 0) return false;
    return c.object == AiCell::kNone || c.object == AiCell::kToken || c.passable;
}

bool AiBoard::Blocked(std::int32_t cell) const
{
    if (!HasTile(cell)) return false;
    const AiCell& c = cells[cell];
    return c.wizard >= 0 || c.object == AiCell::kOther;
}

const AiWizard* AiBoard::WizardOn(std::int32_t cell) const
{
    if (!HasTile(cell) || cells[cell].wizard < 0) return nullptr;
    return &wizards[cells[cell].wizard];
}

std::int32_t AiBoard::AddTile(std::int32_t column, std::int32_t row, std::int32_t elementTile)
{
    const std::int32_t cell = Index(column, row);
    if (cell < 0) return -1;
    cells[cell].exists = true;
    cells[cell].elementTile = elementTile;
    return cell;
}

std::int32_t AiBoard::AddWizard(std::int32_t column, std::int32_t row, std::int32_t side, std::int32_t health,
                                std::int32_t ap)
{
    AiWizard wizard;
    wizard.side = side;
    wizard.health = health;
    wizard.ap = ap;
    const std::int32_t cell = Index(column, row);
    const auto index = static_cast<std::int32_t>(wizards.size());
    if (health >= 1 && HasTile(cell) && cells[cell].wizard < 0) {
        wizard.cell = cell;
        cells[cell].wizard = index;
    }
    wizards.push_back(std::move(wizard));
    return index;
}
