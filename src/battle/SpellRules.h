#pragma once
#include <functional>

#include "battle/StatusEffect.h"

class Map;
class MapObject;
class Wizard;

// The spell code's part of a battle. The map owns the battle's states; these say what casting and
// status effects do. The spell code installs them once at start-up (InstalledSpellRules), every
// map copies them when it is built, and a test may replace them on its own map.
struct SpellRules {
    // One status entry of a wizard / map object ticks in a phase: 0 turn start, 1 turn-end step,
    // 2 end of turn, 3 round end, 4 a tile entered while walking. The holder removes spent
    // entries afterwards (wizards below 0, objects below 1).
    std::function<void(Map&, Wizard&, StatusEffect&, int phase)> tickWizard;
    std::function<void(Map&, MapObject&, StatusEffect&, int phase)> tickObject;
    // Starts the flight of the caster's selected spell at the map's target (caster, targetTile,
    // targetWizard, castKind are set and the AP already paid). False when nothing was launched:
    // the map then goes back to idle.
    std::function<bool(Map&)> launch;
    // Moves the spell in flight; called every frame while the map is in the spell-in-flight
    // state. On resolution it removes the spell from the hand and calls Map::FinishCast.
    std::function<void(Map&, float dt)> updateFlight;
};

// The rules every new map starts with.
SpellRules& InstalledSpellRules();
