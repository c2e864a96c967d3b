#pragma once
#include <functional>
#include <string>
#include <vector>

#include "meta/PlayerProfile.h"

// What the statistics screen shows of the player profile, and its reset; no window needed.
namespace profilestats {

constexpr int kMapCount = 13;
constexpr int kFactionCount = 10;

// The map shown as favourite: the most played of the 13 setup maps, the earlier one on a tie
// (a fresh profile gives 0, "Square Island"). Also the "Map_Thumbnails" frame.
int FavouriteMap(const PlayerProfileRecord& profile);
// The faction shown as favourite, 1-10 in faction order, the earlier one on a tie.
int FavouriteFaction(const PlayerProfileRecord& profile);
// Display names; empty outside the tables.
std::string MapName(int index);
std::string FactionName(int faction);
// The faction's sprite sheet name ("Mages_Guild" ...); "default" outside 1-10.
std::string FactionTexture(int faction);

// Campaign completion, rounded up, with "%": 12.5 per completed level, 25 per gilded level once
// level 7 is done (a gilded level counts nothing before that).
std::string CompletionText(const PlayerProfileRecord& profile);
// "200%" is drawn in gold.
bool IsGoldCompletion(const std::string& text);

struct CounterLine {
    std::string label;  // "Games Played: " ...
    int value = 0;
};
// The nine counter lines in screen order: games played, won, lost, spells cast, then the five
// elements (normal, fire, wind, earth, water).
std::vector<CounterLine> CounterLines(const PlayerProfileRecord& profile);

inline constexpr const char* kResetQuestion =
    "Are you sure you want to reset? This cannot be undone. (Unlocks are not reset)";
inline constexpr const char* kResetDone = "Statistics reset.";
inline constexpr const char* kResetFailed = "Could not save the profile. Nothing was reset.";

// Clears the 40 counters (the unlocks stay) and saves through `save`. When the save fails the
// counters are put back as they were, so memory and file still agree. Returns the save result.
bool ResetStatistics(PlayerProfileRecord& profile, const std::function<bool()>& save);

// The two-click reset of the screen: the first press asks, the second resets.
class ResetButton {
public:
    // Returns the message to show after this press.
    std::string Press(PlayerProfileRecord& profile, const std::function<bool()>& save);
    const std::string& Message() const { return message; }
    // True once a reset was saved: the screen is rebuilt shortly after.
    bool ResetDone() const { return done; }

private:
    std::string message;
    bool done = false;
};

}  // namespace profilestats
