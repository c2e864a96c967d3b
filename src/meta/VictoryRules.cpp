#include "meta/VictoryRules.h"

#include <array>

#include "meta/BattleSetup.h"
#include "meta/Factions.h"
#include "meta/PlayerProfile.h"
#include "meta/ProfileCounters.h"

namespace {

using P = PlayerProfileRecord;

struct CampaignLevel {
    std::string_view levelName;
    int P::*result;
    bool P::*unlock;
    bool P::*secondUnlock;  // nullptr when the level unlocks one thing
    std::string_view message;
};

constexpr std::array<CampaignLevel, 8> kCampaignLevels{{
    {"TrainingIsland", &P::tutorialComplete, &P::unlockMagesDivision, nullptr, "UNLOCKED: Mages Army Faction\n"},
    {"Forest", &P::level1Complete, &P::unlockForest, nullptr, "UNLOCKED: Forest Map\n"},
    {"Deadlands", &P::level2Complete, &P::unlockDeadlands, nullptr, "UNLOCKED: Deadlands Map\n"},
    {"Volcano", &P::level3Complete, &P::unlockVolcano, nullptr, "UNLOCKED: Volcano Map\n"},
    {"Didaruza", &P::level4Complete, &P::unlockDidaruza, nullptr, "UNLOCKED: Didaruza Map\n"},
    {"Graveyard", &P::level5Complete, &P::unlockGraveyard, nullptr, "UNLOCKED: Graveyard Map\n"},
    {"Dungeon", &P::level6Complete, &P::unlockDungeon, nullptr, "UNLOCKED: Dungeon Map\n"},
    {"Underground", &P::level7Complete, &P::unlockUnderground, &P::unlockPrecursors,
     "UNLOCKED: Underground Map and Precursor Automata Faction\n"},
}};

const CampaignLevel* FindCampaignLevel(std::string_view levelName)
{
    for (const CampaignLevel& level : kCampaignLevels)
        if (level.levelName == levelName) return &level;
    return nullptr;
}

// The level's result and unlocks on its first win; the unlock line to show, or empty.
std::string RecordFirstWin(std::string_view levelName, bool gilded, PlayerProfileRecord& profile)
{
    const CampaignLevel* level = FindCampaignLevel(levelName);
    if (!level || profile.*level->result > 0) return {};
    profile.*level->result = gilded ? 2 : 1;
    profile.*level->unlock = true;
    if (level->secondUnlock) profile.*level->secondUnlock = true;
    return std::string(level->message);
}

std::string FactionTexture(int index)
{
    const Faction* faction = FindFaction(index);
    return faction ? std::string(faction->texture) : std::string();
}

}  // namespace

std::string FreeVictoryText(int winner, int faction)
{
    if (winner != 0 && winner != 1) return {};
    std::string text = winner == 0 ? "Player 1, " : "Player 2, ";
    if (const Faction* entry = FindFaction(faction)) text += winner == 0 ? entry->phrasePlayer1 : entry->phrasePlayer2;
    return text;
}

FreeVictory RecordFreeVictory(const BattleSetupRecord& setup, PlayerProfileRecord& profile)
{
    FreeVictory shown;
    if (setup.winner == 0 || setup.winner == 1) {
        const int faction = setup.winner == 0 ? setup.player1Faction : setup.player2Faction;
        shown.message = FreeVictoryText(setup.winner, faction);
        shown.pawnTexture = FactionTexture(faction);
    }
    AddOne(setup.winner == 0 ? profile.gamesWon : profile.gamesLost);
    return shown;
}

CampaignVictory RecordCampaignVictory(const BattleSetupRecord& setup, PlayerProfileRecord& profile)
{
    CampaignVictory shown;
    const int turns = setup.turnsUsed;
    const int par = setup.parTurns;
    const bool won = setup.winner == 0;
    shown.report = "-- LEVEL COMPLETE --\nTurns used: " + std::to_string(turns) + "\nPar turns: " + std::to_string(par) + "\n";
    shown.gilded = won && turns <= par;
    if (shown.gilded) shown.report += "-- LEVEL GUILDED --\n";
    if (won) shown.report += RecordFirstWin(setup.levelName, shown.gilded, profile);
    shown.showReport = won;
    if (won) {
        shown.title = "Victory";
        shown.pawnTexture = "Mages_Division";
        AddOne(profile.gamesWon);
    } else if (setup.winner == 1) {
        shown.title = "Defeat";
        shown.pawnTexture = FactionTexture(setup.player2Faction);
        AddOne(profile.gamesLost);
    }
    return shown;
}

void CountReplay(const BattleSetupRecord& setup, PlayerProfileRecord& profile)
{
    if (setup.campaignMode) CountCampaignStart(profile);
    else CountFreeBattleStart(setup, profile);
}

void LeaveVictoryScreen(bool leavingBattle)
{
    BattleSetup.winner = -1;
    ClearBattleTurnFlags();
    if (leavingBattle) BattleSetup.tutorialMode = false;
}
