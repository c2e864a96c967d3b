#pragma once
#include <cstdint>
#include <string>

#include "spells/SpellTypes.h"

class Spell;
class Tile;
class Wizard;

// The numbers a cast depends on, computed in one place so the cards, the target marks, the
// resolution and the computer player always agree.
namespace spelltargeting {

// The rules on plain values, for what shows them without a wizard object (the cards):
// the element's tile or "Aether_Tile" gives a non-normal spell its bonus; blindness cuts the
// range to its integer three quarters; confusion halves a chance (integer part).
bool BonusOnBiome(ElementType element, const std::string& biome);
std::int32_t ReachFor(std::int32_t range, bool blinded);
std::int32_t ChanceFor(std::int32_t needed, bool confused);

// The caster stands on a tile of its spell's element ("Fire_Tile" for fire ...) or on an
// "Aether_Tile", and the spell is not normal. A caster without a tile gets no bonus.
bool TileBonus(const Spell& spell, const Wizard& caster);

// The farthest target tile in steps: the spell's range, or its integer three quarters while the
// caster is blinded.
std::int32_t Reach(const Spell& spell, const Wizard& caster);

// The hit chance the one roll of a cast must not exceed: the spell's, halved (integer part) while
// the caster is confused.
std::int32_t HitChance(const Spell& spell, const Wizard& caster);

// The value a reroll must not exceed: needed, halved (integer part) while the caster is confused.
std::int32_t RerollTarget(std::int32_t needed, const Wizard& caster);

// The radius over which the spell runs its tile commands: its size, one more for a creating
// spell cast with the tile bonus. Wizards are only ever affected within `size`.
std::int32_t CreationRadius(const Spell& spell, const Wizard& caster);

// A tile is in an area of radius r around target when its Manhattan distance is below r.
bool InArea(const Tile& tile, const Tile& target, std::int32_t radius);

// Whether the caster may aim the spell at tile: within reach of the caster's tile, and the
// caster's own tile only when the spell has "on self" or "on ally" commands.
bool ValidTarget(const Tile& tile, const Spell& spell, const Wizard& caster);

// The kind of a cast at tile: the caster's own tile casts "self" when the spell has self commands,
// else "ally" (the caster is its own ally); another wizard of the caster's side "ally", one of
// another side "enemy", no wizard "tile".
CommandType CastKind(const Tile& tile, const Spell& spell, const Wizard& caster);

}  // namespace spelltargeting
