#pragma once
#include <string_view>

#include "meta/PlayerProfile.h"

// One side's faction: how the menus name it, its pictures, what it counts and what unlocks it.
struct Faction {
    int index;                  // 1-10, as stored in the battle set-up record
    std::string_view shownName;
    std::string_view texture;   // pawn sheet and frame name of "Faction_Logos"
    int PlayerProfileRecord::*counter;     // games started with it
    bool PlayerProfileRecord::*lockFlag;   // its unlock; nullptr when always open
    std::string_view description;
    std::string_view phrasePlayer1;  // victory phrase after "Player 1, "
    std::string_view phrasePlayer2;  // victory phrase after "Player 2, "
};

constexpr int kFactionCount = 10;

// The faction at index 1-10, or nullptr for any other index (nothing is shown or counted for it).
const Faction* FindFaction(int index);

// Whether the setup screen offers the faction: open ones always, the others once the profile has
// their unlock. Indexes outside 1-10 are never offered.
bool FactionUnlocked(int index, const PlayerProfileRecord& profile);

// The next offered faction one step (direction -1 or +1) from current, wrapping over 1-10 and
// passing over locked ones. An index outside 1-10 steps as if it were 1.
int StepFaction(int current, int direction, const PlayerProfileRecord& profile);
