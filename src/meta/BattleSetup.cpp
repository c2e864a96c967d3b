#include "meta/BattleSetup.h"

#include "engine/Input.h"
#include "render/TeamColors.h"

BattleSetupRecord BattleSetup;

void ResetBattleSetup()
{
    BattleSetup = BattleSetupRecord{};
}

void ResetBattleStateOnLoad()
{
    BattleSetup.winner = -1;
    BattleSetup.turnsUsed = 0;
    ClearBattleTurnFlags();
}

void ClearBattleTurnFlags()
{
    BattleSetup.aiTurnActive = false;
    Input().cameraInputLocked = false;
}

void PrepareFreeBattle(BattleSetupRecord& setup)
{
    setup.tutorialMode = false;
    setup.campaignMode = false;
    setup.parTurns = 99;
}

namespace {
glm::vec4 ToVec4(const TeamRgba& c)
{
    return {c.r, c.g, c.b, c.a};
}
}  // namespace

void ConnectBattleSetupToRenderer()
{
    render::SetTeamColorSource([] {
        TeamColors colors;
        colors.player1 = ToVec4(BattleSetup.player1Color);
        colors.player2 = ToVec4(BattleSetup.player2Color);
        colors.winner = BattleSetup.winner;
        return colors;
    });
}
