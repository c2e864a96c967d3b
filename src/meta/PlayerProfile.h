#pragma once
#include <array>
#include <filesystem>
#include <string_view>

#include "meta/RecordFile.h"

// The player's unlocks, campaign results and lifetime statistics (Profile.json). One
// process-wide instance; change the fields, then call SaveProfile().
struct PlayerProfileRecord {
    // Maps and factions of the setup screen, unlocked by the campaign.
    bool unlockForest = false;
    bool unlockDeadlands = false;
    bool unlockVolcano = false;
    bool unlockDidaruza = false;
    bool unlockGraveyard = false;
    bool unlockDungeon = false;
    bool unlockUnderground = false;
    bool unlockMagesDivision = false;
    bool unlockPrecursors = false;
    bool unlockGoldenGuild = false;

    int spellsCasted = 0;
    int gamesPlayed = 0;
    int gamesWon = 0;
    int gamesLost = 0;
    // Spells that hit, per element.
    int normalUsed = 0;
    int fireUsed = 0;
    int earthUsed = 0;
    int windUsed = 0;
    int waterUsed = 0;
    // Games started per faction.
    int magesGuildUsed = 0;
    int magesArmyUsed = 0;
    int guildedUsed = 0;
    int gnomeUsed = 0;
    int archivistUsed = 0;
    int necroUsed = 0;
    int goblinUsed = 0;
    int hordeUsed = 0;
    int cultUsed = 0;
    int precursorUsed = 0;
    // Games started per map.
    int squarePlayed = 0;
    int swirlPlayed = 0;
    int tablePlayed = 0;
    int diamondPlayed = 0;
    int horseshoePlayed = 0;
    int minutePlayed = 0;
    int forestPlayed = 0;
    int deadlandsPlayed = 0;
    int volcanoPlayed = 0;
    int didaruzaPlayed = 0;
    int graveyardPlayed = 0;
    int dungeonPlayed = 0;
    int undergroundPlayed = 0;
    // Campaign results: 0 not done, 1 completed, 2 gilded (within the level's par turns).
    int tutorialComplete = 0;
    int level1Complete = 0;
    int level2Complete = 0;
    int level3Complete = 0;
    int level4Complete = 0;
    int level5Complete = 0;
    int level6Complete = 0;
    int level7Complete = 0;

    // The field stored under a file key ("unlock_forest", "square_played", ...), or nullptr for
    // an unknown key or one of the other kind.
    bool* Flag(std::string_view key);
    int* Counter(std::string_view key);
    // Clears the 40 counters and campaign results; the unlocks stay.
    void ResetCounters();
};

extern PlayerProfileRecord PlayerProfile;

constexpr int kProfileFlagCount = 10;
constexpr int kProfileCounterCount = 40;

// The 50 members in file order: the ten flags, then the forty counters.
std::array<recordfile::Member, kProfileFlagCount + kProfileCounterCount> ProfileMembers(PlayerProfileRecord& profile);

// Loads file into profile. A missing file is created from the current values; an unparsable one
// leaves every value as it is. A flag is set exactly when its member is JSON true; a counter takes
// a 32-bit integer and keeps its value otherwise; absent members keep theirs.
void LoadProfileFile(const std::filesystem::path& file, PlayerProfileRecord& profile);

bool SaveProfileFile(const std::filesystem::path& file, PlayerProfileRecord& profile);
