#pragma once
#include "spells/Spell.h"

class Map;
class Tile;
class Wizard;

// Runs one script command of a spell on its target. The self section acts on the caster, the
// enemy and ally sections on `wizard`, the tile section on `tile` and the object lying on it.
struct CommandContext {
    Map& map;
    const Spell& spell;
    Wizard& caster;
    Wizard* wizard = nullptr;
    Tile* tile = nullptr;
};

void RunCommand(const CommandContext& context, const SpellCommand& command);

// The amount a damage line deals: ceiling(amount x 1.5) with the tile bonus, else the amount.
std::int32_t DamageValue(const Spell& spell, const Wizard& caster, std::int32_t amount);
