#pragma once
#include <array>
#include <string>

// A side's colour with alpha, components 0..1 (named apart from the particle files' Rgba, so
// both headers can meet in one scene).
struct TeamRgba {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;
    bool operator==(const TeamRgba&) const = default;
};

// The team colours of the setup screen (also the frames of the "Team_Colors" picture).
inline constexpr std::array<TeamRgba, 8> kTeamColors{{
    {0.90625f, 0.23046875f, 0.23046875f, 1.0f},
    {0.30078125f, 0.39453125f, 0.703125f, 1.0f},
    {0.97265625f, 0.7578125f, 0.16796875f, 1.0f},
    {0.1171875f, 0.734375f, 0.44921875f, 1.0f},
    {0.5625f, 0.3671875f, 0.66015625f, 1.0f},
    {0.92578125f, 0.5f, 0.59765625f, 1.0f},
    {0.96484375f, 0.5859375f, 0.08984375f, 1.0f},
    {0.55859375f, 0.82421875f, 0.99609375f, 1.0f},
}};

// Carries the next battle's set-up into the battle and its outcome out to the victory screens.
// One process-wide instance; start-up resets it to these values.
struct BattleSetupRecord {
    bool firstVisit = true;  // the main menu plays its opening once
    TeamRgba player1Color = kTeamColors[0];
    TeamRgba player2Color = kTeamColors[1];
    int player1Faction = 1;  // faction table index, 1-10
    int player2Faction = 1;
    std::string levelName = "SquareIsland";  // "./Data/Levels/" + levelName + ".json"
    int backgroundStyle = 0;                 // written by the level loader
    int winner = -1;                         // 0 player 1, 1 player 2, -1 while nobody has won
    bool cpuEnabled = false;                 // player 2 is the computer
    int aiDifficulty = 0;                    // 0 easy, 1 medium, 2 hard, 3 impossible
    bool autoplay = false;                   // the computer plays both sides (--autoplay)
    bool aiTurnActive = false;
    // The won-match lock of the camera and key handlers lives with them: Input().cameraInputLocked.
    bool divineIntervention = false;
    bool duplicationProtection = false;
    bool tutorialMode = false;
    int turnsUsed = 0;
    int parTurns = 99;
    bool campaignMode = false;
};

extern BattleSetupRecord BattleSetup;

void ResetBattleSetup();

// The battle calls this when it loads a level (also for "Restart"): the winner, the turn count,
// the computer's turn flag and the won-match input lock are cleared, so nothing of an earlier
// battle, finished or left midway, reaches this one.
void ResetBattleStateOnLoad();

// The computer's turn flag and the won-match input lock are cleared: leaving a battle by "Quit"
// and leaving a victory screen both do this.
void ClearBattleTurnFlags();

// A free battle from the setup screen: everything beside the players' choices takes its free-play
// value (no tutorial, no campaign, par 99), whatever the campaign left in the record.
void PrepareFreeBattle(BattleSetupRecord& setup);

// Lets the team-colour materials read the sides' colours and the winner from this record.
void ConnectBattleSetupToRenderer();
