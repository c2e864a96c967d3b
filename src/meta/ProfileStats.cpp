#include "meta/ProfileStats.h"

#include <array>
#include <cmath>

namespace profilestats {
namespace {

using Counter = int PlayerProfileRecord::*;

constexpr std::array<Counter, kMapCount> kMapCounters{
    &PlayerProfileRecord::squarePlayed,    &PlayerProfileRecord::swirlPlayed,     &PlayerProfileRecord::tablePlayed,
    &PlayerProfileRecord::diamondPlayed,   &PlayerProfileRecord::horseshoePlayed, &PlayerProfileRecord::minutePlayed,
    &PlayerProfileRecord::forestPlayed,    &PlayerProfileRecord::deadlandsPlayed, &PlayerProfileRecord::volcanoPlayed,
    &PlayerProfileRecord::didaruzaPlayed,  &PlayerProfileRecord::graveyardPlayed, &PlayerProfileRecord::dungeonPlayed,
    &PlayerProfileRecord::undergroundPlayed,
};
constexpr std::array<const char*, kMapCount> kMapNames{
    "Square Island", "Swirl Island", "Table Island", "Diamond Island", "Horseshoe Island", "Minute Island", "Forest",
    "Deadlands",     "Volcano",      "Didaruza",     "Graveyard",      "Dungeon",          "Underground",
};
// Faction order 1-10.
constexpr std::array<Counter, kFactionCount> kFactionCounters{
    &PlayerProfileRecord::magesGuildUsed, &PlayerProfileRecord::gnomeUsed,     &PlayerProfileRecord::archivistUsed,
    &PlayerProfileRecord::necroUsed,      &PlayerProfileRecord::goblinUsed,    &PlayerProfileRecord::hordeUsed,
    &PlayerProfileRecord::cultUsed,       &PlayerProfileRecord::precursorUsed, &PlayerProfileRecord::magesArmyUsed,
    &PlayerProfileRecord::guildedUsed,
};
constexpr std::array<const char*, kFactionCount> kFactionNames{
    "Mages Guild",    "Gnome Army",  "All-Seeing Archivists", "Vampiric Necromancers", "Sullen Goblins",
    "Skeleton Horde", "Arcane Cult", "Precursor Automata",    "Mages Division",        "Guilded Guild",
};
constexpr std::array<const char*, kFactionCount> kFactionTextures{
    "Mages_Guild",    "Gnome_Army",  "All-Seeing_Archivists", "Vampiric_Necromancers", "Sullen_Goblins",
    "Skeleton_Horde", "Arcane_Cult", "Precursor_Automata",    "Mages_Division",        "Guilded_Guild",
};
constexpr std::array<Counter, 8> kCampaignResults{
    &PlayerProfileRecord::tutorialComplete, &PlayerProfileRecord::level1Complete, &PlayerProfileRecord::level2Complete,
    &PlayerProfileRecord::level3Complete,   &PlayerProfileRecord::level4Complete, &PlayerProfileRecord::level5Complete,
    &PlayerProfileRecord::level6Complete,   &PlayerProfileRecord::level7Complete,
};

template <std::size_t N>
int IndexOfLargest(const PlayerProfileRecord& profile, const std::array<Counter, N>& counters)
{
    int best = 0;
    for (std::size_t i = 1; i < N; ++i)
        if (profile.*counters[i] > profile.*counters[static_cast<std::size_t>(best)]) best = static_cast<int>(i);
    return best;
}

}  // namespace

int FavouriteMap(const PlayerProfileRecord& profile)
{
    return IndexOfLargest(profile, kMapCounters);
}

int FavouriteFaction(const PlayerProfileRecord& profile)
{
    return IndexOfLargest(profile, kFactionCounters) + 1;
}

std::string MapName(int index)
{
    return index >= 0 && index < kMapCount ? kMapNames[static_cast<std::size_t>(index)] : "";
}

std::string FactionName(int faction)
{
    return faction >= 1 && faction <= kFactionCount ? kFactionNames[static_cast<std::size_t>(faction - 1)] : "";
}

std::string FactionTexture(int faction)
{
    return faction >= 1 && faction <= kFactionCount ? kFactionTextures[static_cast<std::size_t>(faction - 1)] : "default";
}

std::string CompletionText(const PlayerProfileRecord& profile)
{
    const bool finished = profile.level7Complete > 0;
    double sum = 0.0;
    for (Counter result : kCampaignResults) {
        if (profile.*result == 1) sum += 12.5;
        else if (profile.*result == 2 && finished) sum += 25.0;
    }
    return std::to_string(static_cast<int>(std::ceil(sum))) + "%";
}

bool IsGoldCompletion(const std::string& text)
{
    return text == "200%";
}

std::vector<CounterLine> CounterLines(const PlayerProfileRecord& p)
{
    return {
        {"Games Played: ", p.gamesPlayed}, {"Games Won: ", p.gamesWon},     {"Games Lost: ", p.gamesLost},
        {"Spells Casted: ", p.spellsCasted}, {"Normal Casted: ", p.normalUsed}, {"Fire Casted: ", p.fireUsed},
        {"Wind Casted: ", p.windUsed},     {"Earth Casted: ", p.earthUsed}, {"Water Casted: ", p.waterUsed},
    };
}

bool ResetStatistics(PlayerProfileRecord& profile, const std::function<bool()>& save)
{
    const PlayerProfileRecord before = profile;
    profile.ResetCounters();
    if (save && save()) return true;
    profile = before;
    return false;
}

std::string ResetButton::Press(PlayerProfileRecord& profile, const std::function<bool()>& save)
{
    if (done) return message;  // the screen is about to be rebuilt
    if (message.empty() || message == kResetFailed) {
        message = kResetQuestion;
    } else {
        done = ResetStatistics(profile, save);
        message = done ? kResetDone : kResetFailed;
    }
    return message;
}

}  // namespace profilestats
