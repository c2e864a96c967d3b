#include "spells/SpellTargeting.h"

#include <cstdlib>

#include "battle/Tile.h"
#include "battle/Wizard.h"
#include "spells/Spell.h"
#include "spells/SpellWords.h"

namespace spelltargeting {
namespace {

std::int32_t Steps(const Tile& a, const Tile& b)
{
    return std::abs(a.column - b.column) + std::abs(a.row - b.row);
}

}  // namespace

bool BonusOnBiome(ElementType element, const std::string& biome)
{
    if (element == ElementType::Normal) return false;
    return biome == spellwords::ElementTileKind(element) || biome == "Aether_Tile";
}

std::int32_t ReachFor(std::int32_t range, bool blinded)
{
    return blinded ? static_cast<std::int32_t>(static_cast<double>(range) * 0.75) : range;
}

std::int32_t ChanceFor(std::int32_t needed, bool confused)
{
    return confused ? static_cast<std::int32_t>(static_cast<double>(needed) * 0.5) : needed;
}

bool TileBonus(const Spell& spell, const Wizard& caster)
{
    return caster.tile && BonusOnBiome(spell.element, caster.tile->biome);
}

std::int32_t Reach(const Spell& spell, const Wizard& caster)
{
    return ReachFor(spell.range, caster.HasStatus(InflictType::Blinded));
}

std::int32_t HitChance(const Spell& spell, const Wizard& caster)
{
    return RerollTarget(spell.hitChance, caster);
}

std::int32_t RerollTarget(std::int32_t needed, const Wizard& caster)
{
    return ChanceFor(needed, caster.HasStatus(InflictType::Confused));
}

std::int32_t CreationRadius(const Spell& spell, const Wizard& caster)
{
    return spell.size + (spell.createsObjects && TileBonus(spell, caster) ? 1 : 0);
}

bool InArea(const Tile& tile, const Tile& target, std::int32_t radius)
{
    return Steps(tile, target) < radius;
}

bool ValidTarget(const Tile& tile, const Spell& spell, const Wizard& caster)
{
    if (!caster.tile) return false;
    if (&tile == caster.tile) return spell.TargetsOwnTile();
    return Steps(tile, *caster.tile) <= Reach(spell, caster);
}

CommandType CastKind(const Tile& tile, const Spell& spell, const Wizard& caster)
{
    if (!tile.wizard) return CommandType::Tile;
    if (tile.wizard == &caster) return spell.selfCommands.empty() ? CommandType::Ally : CommandType::Self;
    return tile.wizard->side == caster.side ? CommandType::Ally : CommandType::Enemy;
}

}  // namespace spelltargeting
