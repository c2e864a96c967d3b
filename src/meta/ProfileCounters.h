#pragma once

struct BattleSetupRecord;
struct PlayerProfileRecord;

// Adds one to a profile counter, stopping at the largest 32-bit value instead of overflowing
// (a hand-edited profile may already stand there).
void AddOne(int& counter);

// A free battle starts (setup "Start Game >" or "Play Again" after one): player 1's faction,
// player 2's unless the computer plays it, the map, and one game played. Factions and levels
// outside the tables count nothing. The caller saves the profile.
void CountFreeBattleStart(const BattleSetupRecord& setup, PlayerProfileRecord& profile);

// A campaign level starts: one game played. The caller saves the profile.
void CountCampaignStart(PlayerProfileRecord& profile);
