#pragma once
#include <string>
#include <string_view>

struct BattleSetupRecord;
struct PlayerProfileRecord;

// What the free battle's victory screen shows.
struct FreeVictory {
    std::string message;      // "Player 1, of the Mages Guild, Wins!"; empty when no side 1 or 2 won
    std::string pawnTexture;  // the winner's faction sheet; empty: no pawn
};

// What the campaign's victory screen shows.
struct CampaignVictory {
    std::string title;        // "Victory", "Defeat", or empty when neither side 1 nor 2 won
    std::string report;       // turns against par, "-- LEVEL GUILDED --", unlock lines
    bool showReport = false;  // only when player 1 won
    bool gilded = false;      // player 1 won within par: the golden token rain
    std::string pawnTexture;
};

// The winner's line: "Player 1, " or "Player 2, " and the faction's phrase. Empty for a winner
// other than 0 or 1; just the player part for a faction outside the table.
std::string FreeVictoryText(int winner, int faction);

// Counts the free battle's result from player 1's side (any other winner is player 1's loss) and
// says what to show. The caller saves the profile.
FreeVictory RecordFreeVictory(const BattleSetupRecord& setup, PlayerProfileRecord& profile);

// Records a campaign level's end: the level's result and unlocks on its first win only (a result
// below 0 counts as none yet), then the win or the loss. The caller saves the profile once.
CampaignVictory RecordCampaignVictory(const BattleSetupRecord& setup, PlayerProfileRecord& profile);

// "Play Again" on a victory screen starts a new game, counted as the first start was: a free
// battle counts its factions and map, a campaign level one game played. The caller saves.
void CountReplay(const BattleSetupRecord& setup, PlayerProfileRecord& profile);

// Leaving a victory screen: no winner, no computer turn, no input lock in the battle set-up
// record; "Exit" and "Return to Map" (leavingBattle) also end the tutorial mode, while "Play
// Again" keeps every set-up field so the same battle starts again.
void LeaveVictoryScreen(bool leavingBattle);
