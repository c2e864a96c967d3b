#pragma once
#include <array>
#include <string>

// A colour with alpha, components 0..1.
struct Rgba {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;
    bool operator==(const Rgba&) const = default;
};

// The team colours of the setup screen (also the frames of the "Team_Colors" picture).
inline constexpr std::array<Rgba, 8> kTeamColors{{
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
    Rgba player1Color = kTeamColors[0];
    Rgba player2Color = kTeamColors[1];
    int player1Faction = 1;  // faction table index, 1-10
    int player2Faction = 1;
    std::string levelName = "SquareIsland";  // "./Data/Levels/" + levelName + ".json"
    int backgroundStyle = 0;                 // written by the level loader
    int winner = -1;                         // 0 player 1, 1 player 2, -1 while nobody has won
    bool cpuEnabled = false;                 // player 2 is the computer
    int aiDifficulty = 0;                    // 0 easy, 1 medium, 2 hard, 3 impossible
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

// Lets the team-colour materials read the sides' colours and the winner from this record.
void ConnectBattleSetupToRenderer();
