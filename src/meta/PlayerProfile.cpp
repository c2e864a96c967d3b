#include "meta/PlayerProfile.h"

#include <iostream>

PlayerProfileRecord PlayerProfile;

namespace {

using P = PlayerProfileRecord;

struct FlagKey {
    const char* key;
    bool P::*field;
};

struct CounterKey {
    const char* key;
    int P::*field;
};

constexpr std::array<FlagKey, kProfileFlagCount> kFlags{{
    {"unlock_forest", &P::unlockForest},
    {"unlock_deadlands", &P::unlockDeadlands},
    {"unlock_volcano", &P::unlockVolcano},
    {"unlock_didaruza", &P::unlockDidaruza},
    {"unlock_graveyard", &P::unlockGraveyard},
    {"unlock_dungeon", &P::unlockDungeon},
    {"unlock_underground", &P::unlockUnderground},
    {"unlock_magesdivision", &P::unlockMagesDivision},
    {"unlock_precursors", &P::unlockPrecursors},
    {"unlock_goldenguild", &P::unlockGoldenGuild},
}};

constexpr std::array<CounterKey, kProfileCounterCount> kCounters{{
    {"spells_casted", &P::spellsCasted},
    {"games_played", &P::gamesPlayed},
    {"games_won", &P::gamesWon},
    {"games_lost", &P::gamesLost},
    {"normal_used", &P::normalUsed},
    {"fire_used", &P::fireUsed},
    {"earth_used", &P::earthUsed},
    {"wind_used", &P::windUsed},
    {"water_used", &P::waterUsed},
    {"mages_guild_used", &P::magesGuildUsed},
    {"mages_army_used", &P::magesArmyUsed},
    {"guilded_used", &P::guildedUsed},
    {"gnome_used", &P::gnomeUsed},
    {"archivist_used", &P::archivistUsed},
    {"necro_used", &P::necroUsed},
    {"goblin_used", &P::goblinUsed},
    {"horde_used", &P::hordeUsed},
    {"cult_used", &P::cultUsed},
    {"precursor_used", &P::precursorUsed},
    {"square_played", &P::squarePlayed},
    {"swirl_played", &P::swirlPlayed},
    {"table_played", &P::tablePlayed},
    {"diamond_played", &P::diamondPlayed},
    {"horseshoe_played", &P::horseshoePlayed},
    {"minute_played", &P::minutePlayed},
    {"forest_played", &P::forestPlayed},
    {"deadlands_played", &P::deadlandsPlayed},
    {"volcano_played", &P::volcanoPlayed},
    {"didaruza_played", &P::didaruzaPlayed},
    {"graveyard_played", &P::graveyardPlayed},
    {"dungeon_played", &P::dungeonPlayed},
    {"underground_played", &P::undergroundPlayed},
    {"tutorial_complete", &P::tutorialComplete},
    {"level1_complete", &P::level1Complete},
    {"level2_complete", &P::level2Complete},
    {"level3_complete", &P::level3Complete},
    {"level4_complete", &P::level4Complete},
    {"level5_complete", &P::level5Complete},
    {"level6_complete", &P::level6Complete},
    {"level7_complete", &P::level7Complete},
}};

}  // namespace

bool* PlayerProfileRecord::Flag(std::string_view key)
{
    for (const FlagKey& entry : kFlags)
        if (key == entry.key) return &(this->*entry.field);
    return nullptr;
}

int* PlayerProfileRecord::Counter(std::string_view key)
{
    for (const CounterKey& entry : kCounters)
        if (key == entry.key) return &(this->*entry.field);
    return nullptr;
}

void PlayerProfileRecord::ResetCounters()
{
    for (const CounterKey& entry : kCounters) this->*entry.field = 0;
}

std::array<recordfile::Member, kProfileFlagCount + kProfileCounterCount> ProfileMembers(PlayerProfileRecord& profile)
{
    std::array<recordfile::Member, kProfileFlagCount + kProfileCounterCount> members{};
    std::size_t i = 0;
    for (const FlagKey& entry : kFlags) members[i++] = {entry.key, &(profile.*entry.field)};
    for (const CounterKey& entry : kCounters) members[i++] = {entry.key, nullptr, &(profile.*entry.field)};
    return members;
}

void LoadProfileFile(const std::filesystem::path& file, PlayerProfileRecord& profile)
{
    json::Document doc;
    recordfile::State state = recordfile::Read(file, doc);
    if (state == recordfile::State::Missing) {
        std::cerr << "Player profile could not be found. creating." << std::endl;
        recordfile::Create(file, ProfileMembers(profile));
        return;
    }
    if (state == recordfile::State::Unparsable) {
        // The same words as for the configuration file: players and tests know this line.
        std::cerr << "Error: Failed to parse Config file." << std::endl;
        return;
    }
    for (const FlagKey& entry : kFlags)
        if (const json::Value* value = json::Find(doc, entry.key)) profile.*entry.field = value->IsTrue();
    for (const CounterKey& entry : kCounters) json::GetInt(doc, entry.key, profile.*entry.field);
}

bool SaveProfileFile(const std::filesystem::path& file, PlayerProfileRecord& profile)
{
    return recordfile::Save(file, ProfileMembers(profile));
}
