#include <gtest/gtest.h>

#include "meta/BattleSetup.h"
#include "render/TeamColors.h"

TEST(BattleSetup, RendererSeesTheSidesColoursAndWinner)
{
    ConnectBattleSetupToRenderer();
    BattleSetup.player1Color = kTeamColors[3];
    BattleSetup.player2Color = kTeamColors[6];
    BattleSetup.winner = 1;
    TeamColors colors = render::CurrentTeamColors();
    EXPECT_FLOAT_EQ(colors.player1.g, kTeamColors[3].g);
    EXPECT_FLOAT_EQ(colors.player2.r, kTeamColors[6].r);
    EXPECT_EQ(colors.winner, 1);
    ResetBattleSetup();
    EXPECT_EQ(render::CurrentTeamColors().winner, -1);
    render::SetTeamColorSource(nullptr);
}
