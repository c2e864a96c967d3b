#pragma once
#include <cstdint>
#include <string>

#include "spells/SpellTypes.h"

// One timed status held by a wizard or a map object (and stored on a tile).
struct StatusEffect {
    std::int32_t remaining = 0;                // counts left
    InflictType type = InflictType::None;      // what it does when it ticks
    CommandType source = CommandType::Self;    // the kind of script section that inflicted it
    std::string icon;                          // the holder's emitter showing it (empty on objects)
};
