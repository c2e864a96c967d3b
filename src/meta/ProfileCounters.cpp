#include "meta/ProfileCounters.h"

#include <limits>

#include "meta/BattleSetup.h"
#include "meta/Factions.h"
#include "meta/MapPresets.h"
#include "meta/PlayerProfile.h"

void AddOne(int& counter)
{
    if (counter < std::numeric_limits<int>::max()) ++counter;
}

namespace {
void CountFaction(int index, PlayerProfileRecord& profile)
{
    if (const Faction* faction = FindFaction(index)) AddOne(profile.*faction->counter);
}
}  // namespace

void CountFreeBattleStart(const BattleSetupRecord& setup, PlayerProfileRecord& profile)
{
    CountFaction(setup.player1Faction, profile);
    if (!setup.cpuEnabled) CountFaction(setup.player2Faction, profile);
    if (int* map = MapCounter(setup.levelName, profile)) AddOne(*map);
    AddOne(profile.gamesPlayed);
}

void CountCampaignStart(PlayerProfileRecord& profile)
{
    AddOne(profile.gamesPlayed);
}
