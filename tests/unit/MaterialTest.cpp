#include <gtest/gtest.h>

#include "objects/Object.h"
#include "render/Material.h"
#include "render/MaterialInputs.h"
#include "render/TeamColors.h"
#include "scenes/Camera.h"

TEST(Material, ChosenByFirstMatchingSubstringInTableOrder)
{
    EXPECT_EQ(MaterialFor("basic"), Material::Basic);
    EXPECT_EQ(MaterialFor("basic_anim"), Material::Basic);
    EXPECT_EQ(MaterialFor("mesh"), Material::Mesh);
    EXPECT_EQ(MaterialFor("arrow_anim"), Material::Arrow);
    EXPECT_EQ(MaterialFor("static_anim"), Material::Static);
    EXPECT_EQ(MaterialFor("button"), Material::Button);
    EXPECT_EQ(MaterialFor("setup_pawn_ui_anim"), Material::SetupPawnUi);
    EXPECT_EQ(MaterialFor("pawn_ui_anim"), Material::PawnUi);
    EXPECT_EQ(MaterialFor("pawn_anim"), Material::Pawn);
    EXPECT_EQ(MaterialFor("banner_anim"), Material::Banner);
    EXPECT_EQ(MaterialFor("water"), Material::Water);
    EXPECT_EQ(MaterialFor("background"), Material::Background);
    EXPECT_EQ(MaterialFor("bar"), Material::Bar);
    EXPECT_EQ(MaterialFor("tile"), Material::Tile);
    EXPECT_EQ(MaterialFor("text"), Material::Text);
    // Order matters when a name holds two words: the earlier row wins.
    EXPECT_EQ(MaterialFor("static_button"), Material::Static);
    EXPECT_EQ(MaterialFor("tile_text"), Material::Tile);
    EXPECT_EQ(MaterialFor("textbasic"), Material::Basic);
    EXPECT_EQ(MaterialFor("sidebar"), Material::Bar);
}

TEST(Material, UnknownAndParticleProgramsHaveNoMaterial)
{
    EXPECT_EQ(MaterialFor("Particle"), Material::None);
    EXPECT_EQ(MaterialFor(""), Material::None);
    EXPECT_EQ(MaterialFor("Basic"), Material::None) << "matching is case-sensitive";
}

TEST(Material, SpriteSheetUniformsOnlyForAnimPrograms)
{
    EXPECT_TRUE(IsAnimatedProgram("static_anim"));
    EXPECT_TRUE(IsAnimatedProgram("pawn_anim"));
    EXPECT_FALSE(IsAnimatedProgram("static"));
    EXPECT_FALSE(IsAnimatedProgram("tile"));
}

TEST(Material, ScreenProjectionIsOnePixelPerUnitAroundTheCentre)
{
    Camera camera;
    camera.width = 1280;
    camera.height = 720;
    camera.setPosition(500.0f, 500.0f);
    camera.zoomBy(0.5f);
    glm::mat4 p = ScreenProjection(camera);
    glm::vec4 corner = p * glm::vec4(640.0f, -360.0f, 0.0f, 1.0f);
    EXPECT_NEAR(corner.x, 1.0f, 1e-6f);
    EXPECT_NEAR(corner.y, -1.0f, 1e-6f);
    glm::vec4 centre = p * glm::vec4(0.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_NEAR(centre.x, 0.0f, 1e-6f) << "neither moved nor zoomed by the camera";
}

namespace {
struct Pawn : Object {
    int side = 0;
    void FillMaterialInputs(MaterialInputs& in) const override { in.playerNumber = side; }
};
}  // namespace

TEST(Material, TeamColoursFollowNamesNumbersAndTheWinner)
{
    TeamColors colors;
    colors.player1 = {1.0f, 0.0f, 0.0f, 1.0f};
    colors.player2 = {0.0f, 0.0f, 1.0f, 1.0f};
    colors.winner = 1;
    render::SetTeamColorSource([&] { return colors; });
    const glm::vec3 red(1, 0, 0), blue(0, 0, 1), white(1, 1, 1);

    Pawn pawn;
    pawn.side = 2;
    EXPECT_EQ(TeamColorFor(Material::Pawn, pawn), blue);
    pawn.side = 1;
    EXPECT_EQ(TeamColorFor(Material::Pawn, pawn), red);
    pawn.side = 3;
    EXPECT_EQ(TeamColorFor(Material::Pawn, pawn), white);

    Object banner;
    banner.name = "PLAYER_2_BANNER";
    EXPECT_EQ(TeamColorFor(Material::Banner, banner), blue);
    banner.name = "PLAYER_3_BANNER";
    EXPECT_EQ(TeamColorFor(Material::Banner, banner), white);

    Object setup;
    setup.name = "Setup_Pawn_Player_1";
    EXPECT_EQ(TeamColorFor(Material::SetupPawnUi, setup), red);

    EXPECT_EQ(TeamColorFor(Material::PawnUi, setup), blue) << "the winner's colour";
    colors.winner = -1;
    EXPECT_EQ(TeamColorFor(Material::PawnUi, setup), white);
    render::SetTeamColorSource(nullptr);
    EXPECT_EQ(render::CurrentTeamColors().winner, -1);
}
