#include "meta/SetupChoices.h"

#include <array>

#include "meta/Factions.h"
#include "meta/MapPresets.h"
#include "meta/ProfileCounters.h"

int StepTeamColor(int index, int direction, const TeamRgba& otherColor, int frameCount)
{
    int n = static_cast<int>(kTeamColors.size());
    // Two sides need two colours: a picture with fewer frames cannot narrow the table.
    if (frameCount >= 2 && frameCount < n) n = frameCount;
    const int d = direction < 0 ? -1 : 1;
    auto wrap = [n](int i) { return ((i % n) + n) % n; };
    int next = wrap(index + d);
    if (kTeamColors[static_cast<std::size_t>(next)] == otherColor) next = wrap(next + d);
    return next;
}

std::string_view DifficultyLabel(int difficulty)
{
    static constexpr std::array<std::string_view, 4> kLabels{"EASY", "MEDIUM", "HARD", "IMPOSSIBLE"};
    if (difficulty < 0 || difficulty >= static_cast<int>(kLabels.size())) return kLabels[0];
    return kLabels[static_cast<std::size_t>(difficulty)];
}

void SetupChoices::Load()
{
    setup.cpuEnabled = false;
    setup.divineIntervention = false;
    setup.duplicationProtection = false;
    setup.aiDifficulty = 0;
}

void SetupChoices::Init()
{
    setup.campaignMode = false;
    SetColor(1, 0);
    SetColor(2, 1);
    setup.player1Faction = 1;
    setup.player2Faction = 1;
    map = 0;
    setup.levelName = LevelNameOf(MapPresets()[0]);
}

void SetupChoices::SetColor(int player, int index)
{
    (player == 2 ? color2 : color1) = index;
    (player == 2 ? setup.player2Color : setup.player1Color) = kTeamColors[static_cast<std::size_t>(index)];
}

void SetupChoices::StepFaction(int player, int direction, const PlayerProfileRecord& profile)
{
    int& faction = player == 2 ? setup.player2Faction : setup.player1Faction;
    faction = ::StepFaction(faction, direction, profile);
}

void SetupChoices::StepColor(int player, int direction, int frameCount)
{
    const TeamRgba& other = player == 2 ? setup.player1Color : setup.player2Color;
    SetColor(player, StepTeamColor(colorIndex(player), direction, other, frameCount));
}

void SetupChoices::StepMap(int direction, const PlayerProfileRecord& profile)
{
    map = ::StepMap(map, direction, profile);
    setup.levelName = LevelNameOf(MapPresets()[static_cast<std::size_t>(map)]);
}

void SetupChoices::CycleDifficulty()
{
    const int next = setup.aiDifficulty + 1;
    setup.aiDifficulty = next >= 0 && next <= 3 ? next : 0;
}

void SetupChoices::Back()
{
    setup.player1Faction = 1;
    setup.player2Faction = 1;
    SetColor(1, 0);
    SetColor(2, 1);
    setup.cpuEnabled = false;
    setup.aiDifficulty = 0;
}

void SetupChoices::Start(PlayerProfileRecord& profile)
{
    PrepareFreeBattle(setup);
    CountFreeBattleStart(setup, profile);
}

std::string SetupChoices::mapDescription() const
{
    return MapDescription(MapPresets()[static_cast<std::size_t>(map)]);
}

std::string SetupChoices::factionDescription(int player) const
{
    const Faction* entry = FindFaction(faction(player));
    return entry ? std::string(entry->description) : std::string();
}
