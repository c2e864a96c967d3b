#pragma once
#include <array>
#include <string>
#include <string_view>

#include "meta/PlayerProfile.h"

// One map of the setup screen's table.
struct MapPreset {
    std::string_view name;     // shown; the level file's name is this without spaces
    std::string_view second;   // always empty
    int teamSize;              // wizards per side, as shown
    std::string_view elements;
    std::string_view gameLength;
    bool PlayerProfileRecord::*unlockFlag;  // nullptr: always open
    int PlayerProfileRecord::*counter;      // games started on it

    bool isUnlocked(const PlayerProfileRecord& profile) const { return !unlockFlag || profile.*unlockFlag; }
};

constexpr int kMapPresetCount = 13;

const std::array<MapPreset, kMapPresetCount>& MapPresets();

// The preset at index, or nullptr outside 0-12.
const MapPreset* FindMapPreset(int index);

// "Square Island" -> "SquareIsland": the level file the battle loads for the preset.
std::string LevelNameOf(const MapPreset& preset);

// The map page's description: name, team size, elements and game length on four lines.
std::string MapDescription(const MapPreset& preset);

// The next open map one step (direction -1 or +1) from index, wrapping over the 13 presets. An
// index outside the table steps as if it were 0.
int StepMap(int index, int direction, const PlayerProfileRecord& profile);

// The profile counter of games started on the level, or nullptr for a level outside the table.
int* MapCounter(std::string_view levelName, PlayerProfileRecord& profile);
