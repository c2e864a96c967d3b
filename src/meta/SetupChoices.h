#pragma once
#include <string>
#include <string_view>

#include "meta/BattleSetup.h"

struct PlayerProfileRecord;

// The colour index one step (direction -1 or +1) from index, wrapping over the team colours, and
// one step further when that colour is the other side's. Only the first frameCount colours are
// used when the "Team_Colors" picture has fewer frames than there are colours (and at least two).
int StepTeamColor(int index, int direction, const TeamRgba& otherColor, int frameCount = static_cast<int>(kTeamColors.size()));

// The difficulty button's caption for aiDifficulty 0-3 ("EASY" for anything else).
std::string_view DifficultyLabel(int difficulty);

// What the setup screen's controls do to the battle set-up record. The scene draws; this keeps
// the choices and writes them into the record, so every rule can be tested without a window.
class SetupChoices {
public:
    explicit SetupChoices(BattleSetupRecord& setup) : setup(setup) {}

    // Entering the screen: Load resets the computer player, its difficulty and the two rules;
    // Init the factions, colours and map.
    void Load();
    void Init();

    void StepFaction(int player, int direction, const PlayerProfileRecord& profile);
    void StepColor(int player, int direction, int frameCount = static_cast<int>(kTeamColors.size()));
    void StepMap(int direction, const PlayerProfileRecord& profile);
    void ToggleCpu() { setup.cpuEnabled = !setup.cpuEnabled; }
    void ToggleDuplicationProtection() { setup.duplicationProtection = !setup.duplicationProtection; }
    void ToggleDivineIntervention() { setup.divineIntervention = !setup.divineIntervention; }
    // EASY -> MEDIUM -> HARD -> IMPOSSIBLE -> EASY.
    void CycleDifficulty();

    // "Back": factions, colours, the computer player and its difficulty go back to their defaults.
    void Back();
    // "Start Game >": the free-play fields are set and the start is counted in profile. The
    // caller saves the profile and switches to the battle.
    void Start(PlayerProfileRecord& profile);

    int faction(int player) const { return player == 2 ? setup.player2Faction : setup.player1Faction; }
    int colorIndex(int player) const { return player == 2 ? color2 : color1; }
    int mapIndex() const { return map; }
    std::string mapDescription() const;
    // A faction's description, empty for an index outside the table.
    std::string factionDescription(int player) const;

private:
    void SetColor(int player, int index);

    BattleSetupRecord& setup;
    int color1 = 0;
    int color2 = 1;
    int map = 0;
};
