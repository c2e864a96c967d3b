#pragma once
#include <string>
#include <vector>

#include "spells/SpellTypes.h"

class Map;
class Spell;
class Tile;
class Wizard;

// What a cast would do to the target under the cursor, worked out before the click from the same
// rules the resolution applies: the hit chance after the caster's confusion, the health change
// with the elemental tile bonus, the statuses inflicted, and the target's health afterwards.
// Nothing is rolled and nothing changes.
struct OutcomePreview {
    bool valid = false;          // the tile is a target of the spell being aimed
    CommandType kind = CommandType::Tile;
    int hitChance = 0;           // percent, after penalties
    bool tileBonus = false;      // damage and healing x 1.5 (rounded up)
    bool wizardTarget = false;
    int healthBefore = 0;        // the target wizard's (or object's) health
    int healthAfter = 0;         // on a hit, held within 0 and the maximum
    int maxHealth = 0;
    int targetChange = 0;        // health change of the target on a hit (negative hurts)
    int casterChange = 0;        // health change of the caster from the self lines (other kinds)
    std::vector<std::string> statuses;  // status names the target would receive
    bool cleanses = false;
    bool creates = false;        // the spell puts objects on tiles
    bool mayBackOut = false;     // a reroll line can cancel a later line

    // Lines for the preview panel: "Hit chance: 99%", "Damage: 8 (tile bonus)", ...
    std::vector<std::string> Lines() const;
};

// The health change factor of the damage lines: 1.5 when the caster stands on its spell's element
// tile or on an "Aether_Tile" and the spell is not normal, else 1.
float DamageFactor(const Spell& spell, const Wizard& caster);
// ceiling(amount x factor), as the damage lines compute it.
int ScaledAmount(int amount, float factor);
// The hit chance the caster's card shows: halved (rounded down) while confused.
int EffectiveHitChance(const Spell& spell, const Wizard& caster);
// The preview of a cast of `spell` by `caster` at `target` (invalid when the tile is not marked
// as a target of it).
OutcomePreview PreviewCast(const Spell& spell, const Wizard& caster, const Tile& target);
