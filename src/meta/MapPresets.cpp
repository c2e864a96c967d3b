#include "meta/MapPresets.h"

namespace {

using P = PlayerProfileRecord;

constexpr std::array<MapPreset, kMapPresetCount> kPresets{{
    {"Square Island", "", 3, "All", "Normal", nullptr, &P::squarePlayed},
    {"Swirl Island", "", 3, "All", "Short", nullptr, &P::swirlPlayed},
    {"Table Island", "", 3, "All", "Short", nullptr, &P::tablePlayed},
    {"Diamond Island", "", 3, "All", "Normal", nullptr, &P::diamondPlayed},
    {"Horseshoe Island", "", 4, "All", "Long", nullptr, &P::horseshoePlayed},
    {"Minute Island", "", 2, "All", "Very Short", nullptr, &P::minutePlayed},
    {"Forest", "", 3, "Earth, Water", "Normal", &P::unlockForest, &P::forestPlayed},
    {"Deadlands", "", 3, "Earth, Wind", "Normal", &P::unlockDeadlands, &P::deadlandsPlayed},
    {"Volcano", "", 3, "Fire", "Normal", &P::unlockVolcano, &P::volcanoPlayed},
    {"Didaruza", "", 3, "All", "Long", &P::unlockDidaruza, &P::didaruzaPlayed},
    {"Graveyard", "", 3, "Water, Wind", "Normal", &P::unlockGraveyard, &P::graveyardPlayed},
    {"Dungeon", "", 3, "Fire, Wind", "Short", &P::unlockDungeon, &P::dungeonPlayed},
    {"Underground", "", 5, "All", "Very Long", &P::unlockUnderground, &P::undergroundPlayed},
}};

}  // namespace

const std::array<MapPreset, kMapPresetCount>& MapPresets()
{
    return kPresets;
}

const MapPreset* FindMapPreset(int index)
{
    if (index < 0 || index >= kMapPresetCount) return nullptr;
    return &kPresets[static_cast<std::size_t>(index)];
}

std::string LevelNameOf(const MapPreset& preset)
{
    std::string level;
    for (char c : preset.name)
        if (c != ' ') level += c;
    return level;
}

std::string MapDescription(const MapPreset& preset)
{
    return "Map Name: " + std::string(preset.name) + "\nTeam Size: " + std::to_string(preset.teamSize) +
           "\nElements: " + std::string(preset.elements) + "\nGame Length: " + std::string(preset.gameLength);
}

int StepMap(int index, int direction, const PlayerProfileRecord& profile)
{
    const int step = direction < 0 ? -1 : 1;
    int current = FindMapPreset(index) ? index : 0;
    // The first six islands are always open, so a full lap always finds one.
    for (int tries = 0; tries < kMapPresetCount; ++tries) {
        current = (current + step + kMapPresetCount) % kMapPresetCount;
        if (kPresets[static_cast<std::size_t>(current)].isUnlocked(profile)) return current;
    }
    return 0;
}

int* MapCounter(std::string_view levelName, PlayerProfileRecord& profile)
{
    for (const MapPreset& preset : kPresets)
        if (LevelNameOf(preset) == levelName) return &(profile.*preset.counter);
    return nullptr;
}
