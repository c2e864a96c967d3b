#pragma once
#include <cstdint>

// The numbers every spell, status record and level shares. Their values are stored in data files
// and printed in traces, so they never change.

// 0 normal, 1 fire, 2 water, 3 earth, 4 wind.
enum class ElementType : std::int32_t { Normal = 0, Fire = 1, Water = 2, Earth = 3, Wind = 4 };
inline constexpr int kElementCount = 5;

// Which section of a script a command came from, and so whom it touches.
enum class CommandType : std::int32_t { Self = 0, Enemy = 1, Ally = 2, Tile = 3 };

// Status effects. Script word "flaming" inflicts Burned.
enum class InflictType : std::int32_t {
    None = 0,
    Burned = 1,
    Petrified = 2,
    Confused = 3,
    Frostbitten = 4,
    Blinded = 5,
};

// What a "create" command puts on a tile.
enum class CreateType : std::int32_t {
    None = 0,
    Boulder = 1,
    Primalite = 2,
    Caltrop = 3,
    FireTile = 4,
    AetherTile = 5,
    Ambrosia = 6,
    HotCoal = 7,
};

// What a spell's script does, summed up while it is parsed: the cards show the totals and the
// computer player weighs spells by the flags.
struct SpellEffects {
    bool damagesEnemy = false;
    bool harmsSelf = false;
    bool harmsAlly = false;
    bool healsEnemy = false;
    bool healsSelf = false;
    bool healsAlly = false;
    bool afflictsEnemy = false;
    bool changesSelfStatus = false;
    bool changesAllyStatus = false;
    bool createsObstacle = false;
    bool createsHazard = false;
    bool createsBoon = false;
    bool createsObjects = false;
    std::int32_t selfDamageTotal = 0;
    std::int32_t enemyDamageTotal = 0;
    std::int32_t createArea = 0;
};
