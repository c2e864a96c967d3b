#include "meta/BattleSetup.h"

#include "render/TeamColors.h"

BattleSetupRecord BattleSetup;

void ResetBattleSetup()
{
    BattleSetup = BattleSetupRecord{};
}

namespace {
glm::vec4 ToVec4(const Rgba& c)
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
