#pragma once
#include "battle/SpellRules.h"
#include "spells/SpellTypes.h"

class Map;
class MapObject;
class Spell;
class Tile;
class Wizard;

// A cast from launch to the moment the spell leaves the caster's hand, and what status effects do
// when they tick. The map runs the state machine and calls these through its SpellRules.
namespace spellcast {

// Starts the flight of the caster's selected spell at map.targetTile (the controls have set the
// caster, target and cast kind and taken the AP). Remembers the spell and its hand entry: exactly
// that entry leaves the hand when the cast resolves. False when nothing can fly.
bool Launch(Map& map);
// Moves the projectile; resolves the cast when the flight ends (always within its time limit).
void UpdateFlight(Map& map, float dt);
// The hit roll, the affected wizards and tiles, feedback, statistics and the hand; then the map
// finishes the cast (idle, controls, winner check).
void Resolve(Map& map);

// What one affected target receives: the lists of kind, then the self list on the caster. A
// failed reroll cancels exactly the next command any run of this spell reaches.
struct Target {
    Wizard* wizard = nullptr;  // for self, enemy and ally
    Tile* tile = nullptr;      // for tile
};
void RunLists(Map& map, const Spell& spell, Target target, Wizard& caster, CommandType kind);

// One status record of a wizard in a phase (0 a side's turn begins, 4 a tile entered while
// walking). The record may be gone when this returns if the tick defeated its holder.
void TickWizard(Map& map, Wizard& wizard, StatusEffect& record, int phase);
// One record of a map object: burning objects lose 5 health at every turn start.
void TickObject(Map& map, MapObject& object, StatusEffect& record, int phase);

// The rules above, as the map wants them.
SpellRules Rules();

}  // namespace spellcast
