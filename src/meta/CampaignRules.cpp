#include "meta/CampaignRules.h"

#include <algorithm>

#include "meta/CampaignTexts.h"

namespace campaign {
namespace {

// Profile results in mission order: the training, then missions 1-7.
const int* ResultField(const PlayerProfileRecord& p, int mission)
{
    const std::array<const int*, kMissionCount> fields{
        &p.tutorialComplete, &p.level1Complete, &p.level2Complete, &p.level3Complete,
        &p.level4Complete,   &p.level5Complete, &p.level6Complete, &p.level7Complete};
    if (mission < 0 || mission >= kMissionCount) return nullptr;
    return fields[static_cast<size_t>(mission)];
}

bool EveryMissionGilded(const PlayerProfileRecord& profile)
{
    for (int m = 0; m < kMissionCount; ++m)
        if (Result(profile, m) != 2) return false;
    return true;
}

// The furthest mission k (1..7) done whose next mission is not: the debrief to show.
int FurthestDebrief(const PlayerProfileRecord& profile)
{
    for (int k = 1; k < kMissionCount; ++k) {
        const int next = k + 1 < kMissionCount ? Result(profile, k + 1) : 0;
        if (Result(profile, k) > 0 && next < 1) return k;
    }
    return 0;
}

Briefing Make(BriefingKind kind, const char* text, const char* button = "Continue", int after = 0)
{
    return Briefing{kind, after, text, button};
}

}  // namespace

const std::array<Mission, kMissionCount>& Missions()
{
    static const std::array<Mission, kMissionCount> missions{{
        {"TrainingIsland", "Level 0: Training Camp", 0, 0, 3, 0},
        {"Forest", "Level 1: Forest", 2, 0, 9, 1},
        {"Deadlands", "Level 2: Deadlands", 5, 1, 10, 6},
        {"Volcano", "Level 3: Volcano", 4, 1, 12, 3},
        {"Didaruza", "Level 4: Didaruza", 3, 2, 20, 5},
        {"Graveyard", "Level 5: Graveyard", 6, 2, 16, 7},
        {"Dungeon", "Level 6: Dungeon", 7, 2, 14, 4},
        {"Underground", "Level 7: Underground", 8, 3, 30, 2},
    }};
    return missions;
}

int Result(const PlayerProfileRecord& profile, int mission)
{
    const int* field = ResultField(profile, mission);
    return field ? std::max(*field, 0) : 0;
}

Briefing BriefingFor(PlayerProfileRecord& profile)
{
    const int training = Result(profile, 0);
    if (training == 0) return Make(BriefingKind::Speech, texts::kRecruitingSpeech);
    if (training == 2 && EveryMissionGilded(profile) && !profile.unlockGoldenGuild) {
        profile.unlockGoldenGuild = true;
        return Make(BriefingKind::GoldGuild, texts::kGoldGuild, "Hurray");
    }
    if (const int k = FurthestDebrief(profile); k > 0)
        return Make(BriefingKind::Debrief, texts::kDebriefs[k - 1], "Continue", k);
    if (Result(profile, 1) < 1) return Make(BriefingKind::Welcome, texts::kWelcome);
    return Briefing{};
}

bool IconShown(const PlayerProfileRecord& profile, int mission)
{
    if (mission == 0) return true;
    if (mission < 0 || mission >= kMissionCount) return false;
    return Result(profile, mission - 1) > 0;
}

const char* IconTexture(int result)
{
    if (result == 1) return "MissionIcon_Complete";
    if (result == 2) return "MissionIcon_Gilded";
    return "MissionIcon_Incomplete";
}

const char* MapPicture(const PlayerProfileRecord& profile)
{
    for (int m = 0; m <= 6; ++m)
        if (Result(profile, m) == 0) return "CampaignMap";
    return "CampaignMap2";
}

std::string DossierText(int mission)
{
    if (mission < 0 || mission >= kMissionCount) return {};
    const char* body = mission == 0 ? texts::kTrainingBriefing : texts::kBriefings[mission - 1];
    return std::string(Missions()[static_cast<size_t>(mission)].heading) + "\n\n" + body;
}

bool StartMission(int mission, BattleSetupRecord& setup)
{
    if (mission < 0 || mission >= kMissionCount) return false;
    const Mission& m = Missions()[static_cast<size_t>(mission)];
    setup.levelName = m.levelName;
    setup.player1Faction = 9;
    setup.player1Color = kTeamColors[0];
    setup.parTurns = m.parTurns;
    setup.campaignMode = true;
    setup.tutorialMode = mission == 0;
    // A campaign battle is played by the campaign's rules, whatever the last free battle chose.
    setup.divineIntervention = false;
    setup.duplicationProtection = false;
    if (mission == 0) return true;  // the training keeps player 2's fields as they were
    setup.player2Faction = m.player2Faction;
    setup.aiDifficulty = m.aiDifficulty;
    setup.player2Color = kTeamColors[static_cast<size_t>(m.player2Color)];
    setup.cpuEnabled = true;
    return true;
}

int MissionOf(std::string_view levelName)
{
    const auto& missions = Missions();
    for (int m = 0; m < kMissionCount; ++m)
        if (levelName == missions[static_cast<size_t>(m)].levelName) return m;
    return -1;
}

}  // namespace campaign
