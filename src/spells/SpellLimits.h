#pragma once
#include <cstdint>
#include <string>

// The bounds every spell number is held to when it is loaded. With them, and the size cap on
// scripts, no cost is free, no lifetime divides by zero and no summed total can overflow.
namespace spelllimits {

struct Bounds {
    std::int32_t lo;
    std::int32_t hi;
};

inline constexpr Bounds kCost{1, 99};
inline constexpr Bounds kRange{0, 999};
inline constexpr Bounds kSize{0, 99};
inline constexpr Bounds kHitChance{0, 100};
inline constexpr Bounds kAmount{-999, 999};
inline constexpr Bounds kDuration{0, 999};
inline constexpr Bounds kLifetime{1, 999};
inline constexpr Bounds kRerollNeeded{-999, 999};

// Returns value held within bounds; a value that had to change is reported with one log line
// naming the spell, what the number is and both values.
std::int32_t ClampLogged(std::int64_t value, Bounds bounds, const std::string& spellName, const std::string& what);

}  // namespace spelllimits
