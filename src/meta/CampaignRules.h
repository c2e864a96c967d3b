#pragma once
#include <array>
#include <string>
#include <string_view>

#include "meta/BattleSetup.h"
#include "meta/PlayerProfile.h"

// The rules of the eight-mission campaign, free of any drawing so they can be tested headless:
// which briefing the dossier opens with, which mission icons are shown and how, and what
// "Enter" writes into the battle set-up record.
namespace campaign {

// One mission of the campaign map.
struct Mission {
    const char* levelName;
    const char* heading;      // the dossier's first line
    int player2Faction;       // 0: the computer's faction stays as it was (the training)
    int aiDifficulty;
    int parTurns;
    int player2Color;         // team colour index
};

inline constexpr int kMissionCount = 8;
inline constexpr int kNoMission = 99;

const std::array<Mission, kMissionCount>& Missions();

// The stored result of mission i (0 training .. 7). A damaged profile's negative result counts as
// 0 (not done); results above 2 stay as they are.
int Result(const PlayerProfileRecord& profile, int mission);

// What the dossier shows when the campaign map opens.
enum class BriefingKind { None, Speech, GoldGuild, Welcome, Debrief };
struct Briefing {
    BriefingKind kind = BriefingKind::None;
    int afterMission = 0;  // Debrief: the furthest mission done (1..7)
    std::string text;
    std::string button;    // "Continue", or "Hurray" for the gold guild
};

// Chooses the opening briefing. The gold-guild text is granted once: this sets
// "unlock_goldenguild" in the profile, and the caller saves it.
Briefing BriefingFor(PlayerProfileRecord& profile);

// Mission k's icon is on the map once the mission before it has a result (the training always).
bool IconShown(const PlayerProfileRecord& profile, int mission);
// "MissionIcon_Complete" for 1, "MissionIcon_Gilded" for 2, "MissionIcon_Incomplete" otherwise.
const char* IconTexture(int result);
// "CampaignMap2" once the training and missions 1-6 all have results, "CampaignMap" before.
const char* MapPicture(const PlayerProfileRecord& profile);

// The dossier of mission i: its heading, two line breaks and its briefing.
std::string DossierText(int mission);

// "Enter": fills every set-up field a campaign battle depends on. False (and nothing written)
// for an index outside the campaign.
bool StartMission(int mission, BattleSetupRecord& setup);

// The mission index of a level name, or -1 when the level is not in the campaign.
int MissionOf(std::string_view levelName);

}  // namespace campaign
