// Distance, reach, paths and walks.
#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "RenderTestSupport.h"
#include "battle/BattleHud.h"
#include "battle/Pathing.h"

namespace {

// 5 x 3 open field; side 1 at (0,1), side 2 at (4,1).
LevelText Field()
{
    LevelText level;
    level.dimensions = R"({"width": 5, "height": 3})";
    level.tileMap = "[1,1,1,1,1, 1,1,1,1,1, 1,1,1,1,1]";
    level.objectMap = "[0,0,0,0,0, 0,0,0,0,0, 0,0,0,0,0]";
    level.wizards = R"({"player 1": [{"x": 0, "y": 1}], "player 2": [{"x": 4, "y": 1}]})";
    return level;
}

struct Begun : BegunBattle {
    explicit Begun(const LevelText& level) : BegunBattle(level) { EXPECT_TRUE(loaded && begun); }
};

}  // namespace

TEST(BattleMovement, DistanceIsManhattanAndMissingTilesGive999)
{
    LogCapture log("battle_move_distance.log");
    Begun b(Field());
    EXPECT_EQ(distanceBetweenTiles(b.at(0, 0), b.at(1, 0)), 1);
    EXPECT_EQ(distanceBetweenTiles(b.at(0, 0), b.at(1, 1)), 2);
    EXPECT_EQ(distanceBetweenTiles(b.at(4, 2), b.at(0, 0)), 6);
    testing::internal::CaptureStdout();
    EXPECT_EQ(distanceBetweenTiles(nullptr, b.at(0, 0)), 999);
    EXPECT_EQ(distanceBetweenTiles(b.at(0, 0), nullptr), 999);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("distanceBetweenTiles called without origin or destination!"), std::string::npos);
}

TEST(BattleMovement, ReachableAroundHolesAndBouldersShowsBlockedRed)
{
    LogCapture log("battle_move_reach.log");
    LevelText level = Field();
    level.tileMap = "[1,1,1,1,1, 1,0,1,1,1, 1,1,1,1,1]";
    level.objectMap = "[0,2,0,0,0, 0,0,0,0,0, 0,3,0,0,0]";
    Begun b(level);
    Map& map = b.map();
    ShowReachable(map, *b.at(0, 1), 3);
    EXPECT_EQ(b.at(0, 1)->tintMode, Tile::kTintWhite);
    EXPECT_EQ(b.at(0, 0)->tintMode, Tile::kTintBlue);
    EXPECT_EQ(b.at(1, 0)->tintMode, Tile::kTintRed);  // the Boulder beside the area
    EXPECT_TRUE(b.at(1, 0)->highlighted);
    EXPECT_EQ(b.at(1, 2)->tintMode, Tile::kTintBlue);  // a Caltrop can be walked on
    EXPECT_TRUE(b.at(2, 2)->highlighted);  // round the hole through the Caltrop
    EXPECT_FALSE(b.at(2, 1)->highlighted);  // four steps away round the hole
    EXPECT_FALSE(b.at(2, 0)->highlighted);
}

TEST(BattleMovement, EqualPathsFollowTheNeighbourOrderAndShortRangeIsLogged)
{
    LogCapture log("battle_move_path.log");
    Begun b(Field());
    std::vector<Tile*> path = getPathing(b.map(), b.at(0, 0), b.at(2, 2), 5, true);
    ASSERT_EQ(path.size(), 5u);
    EXPECT_EQ(path.front(), b.at(2, 2));
    EXPECT_EQ(path.back(), b.at(0, 0));
    // (0,1) holds the wizard. Walking back from the destination the earliest recorded tile wins:
    // (2,1) was recorded before (1,2) at depth 3, and (2,0) before (1,1) at depth 2.
    EXPECT_EQ(path[1], b.at(2, 1));
    EXPECT_EQ(path[2], b.at(2, 0));
    EXPECT_EQ(path[3], b.at(1, 0));
    EXPECT_EQ(b.at(1, 0)->tintMode, Tile::kTintPath);
    EXPECT_EQ(b.at(1, 0)->pathMark, 1);
    EXPECT_TRUE(getPathing(b.map(), b.at(0, 0), b.at(4, 2), 3, false).empty());
    EXPECT_EQ(log.Count("getPathing Error, RANGE too short"), 1);
    // The destination must be walkable.
    EXPECT_TRUE(getPathing(b.map(), b.at(0, 0), b.at(4, 1), 9, false).empty());
}

TEST(BattleMovement, PathCostIsSilent)
{
    LogCapture log("battle_move_cost.log");
    LevelText level = Field();
    level.objectMap = "[0,0,0,2,0, 0,0,0,2,0, 0,0,0,2,0]";
    level.wizards = R"({"player 1": [{"x": 0, "y": 1}], "player 2": [{"x": 4, "y": 2}]})";
    Begun b(level);
    EXPECT_EQ(PathCost(b.map(), b.at(0, 1), b.at(2, 2), 5), 3);
    EXPECT_EQ(PathCost(b.map(), b.at(0, 1), b.at(4, 0), 20), -1);  // walled off
    EXPECT_EQ(PathCost(b.map(), b.at(0, 1), b.at(2, 2), 2), -1);
    EXPECT_FALSE(log.Has("RANGE too short"));
}

TEST(BattleMovement, WalkPreviewShowsThePathCostRoundABoulder)
{
    LogCapture log("battle_move_preview.log");
    LevelText level = Field();
    // A Boulder between the wizard on (0,1) and (2,1): two tiles apart, four steps to walk.
    level.objectMap = "[0,0,0,0,0, 0,2,0,0,0, 0,0,0,0,0]";
    Begun b(level);
    Map& map = b.map();
    Wizard* w = b.harness.WizardOn(0, 1);
    ASSERT_NE(w, nullptr);
    map.hoveredTile = b.at(2, 1);
    EXPECT_EQ(BattleHud::PreviewCost(map), 0) << "nothing previewed outside walk mode";
    ASSERT_EQ(b.harness.ClickTile(0, 1), 6);
    ASSERT_TRUE(b.at(2, 1)->highlighted);
    EXPECT_EQ(BattleHud::PreviewCost(map), 4);
    map.hoveredTile = b.at(0, 0);
    EXPECT_EQ(BattleHud::PreviewCost(map), 1);
    map.hoveredTile = b.at(1, 1);  // the Boulder: marked red, no walk to preview
    EXPECT_EQ(BattleHud::PreviewCost(map), 0);
    // What the preview showed is what the walk takes.
    map.hoveredTile = b.at(2, 1);
    EXPECT_EQ(b.harness.ClickTile(2, 1), 15);
    EXPECT_EQ(w->ap, 1);
}

TEST(BattleMovement, WalkCostsStepsAndCaltropHurtsMidWalk)
{
    LogCapture log("battle_move_walk.log");
    LevelText level = Field();
    level.objectMap = "[0,0,0,0,0, 0,3,0,0,0, 0,0,0,0,0]";
    Begun b(level);
    Wizard* w = b.harness.WizardOn(0, 1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(b.harness.ClickTile(0, 1), 6);
    EXPECT_EQ(b.map().state, Map::kWalkMode);
    EXPECT_EQ(b.harness.ClickTile(2, 1), 15);
    EXPECT_EQ(w->ap, 3);
    EXPECT_EQ(b.map().state, Map::kIdle);
    EXPECT_EQ(b.at(2, 1)->wizard, w);  // links change at once
    EXPECT_EQ(b.at(0, 1)->wizard, nullptr);
    EXPECT_TRUE(w->walking);
    EXPECT_EQ(b.harness.ClickTile(2, 0), BattleControls::kIgnored);  // clicks wait for the walk
    ASSERT_TRUE(b.harness.Settle());
    EXPECT_EQ(w->health, 7);  // the Caltrop on the way
    EXPECT_EQ(w->logicalColumn, 2);
    EXPECT_EQ(w->Position(), b.at(2, 1)->WorldPosition());
    EXPECT_EQ(b.harness.hooks.texts.back().text, "3");
    EXPECT_TRUE(b.harness.Broken().empty()) << b.harness.Broken().front();
}

TEST(BattleMovement, WalkEndedByDeath)
{
    LogCapture log("battle_move_death.log");
    LevelText level = Field();
    level.rules = R"({"player_count": 2, "wizard_count": 1, "wizard_health": 2, "allowed_elements": ["normal"]})";
    level.objectMap = "[0,0,0,0,0, 0,3,0,0,0, 0,0,0,0,0]";
    Begun b(level);
    Wizard* w = b.harness.WizardOn(0, 1);
    b.harness.ClickTile(0, 1);
    EXPECT_EQ(b.harness.ClickTile(3, 1), 15);
    ASSERT_TRUE(b.harness.Settle());
    EXPECT_FALSE(w->Alive());
    EXPECT_EQ(w->tile, nullptr);
    EXPECT_EQ(b.at(3, 1)->wizard, nullptr);
    EXPECT_EQ(w->Position(), b.at(1, 1)->WorldPosition());  // it fell where it stepped
    EXPECT_EQ(w->ap, 0);
    EXPECT_TRUE(b.harness.Broken().empty()) << b.harness.Broken().front();
}

TEST(BattleMovement, FrostbiteTicksOnEveryTileEntered)
{
    LogCapture log("battle_move_frost.log");
    Begun b(Field());
    int ticks = 0;
    b.map().rules.tickWizard = [&](Map&, Wizard& w, StatusEffect& e, int phase) {
        if (phase == 4 && e.type == InflictType::Frostbitten) {
            ++ticks;
            w.ChangeHealth(-1);
        }
    };
    Wizard* w = b.harness.WizardOn(0, 1);
    w->AddStatusEffect({2, InflictType::Frostbitten, CommandType::Enemy, ""});
    b.harness.ClickTile(0, 1);
    b.harness.ClickTile(3, 1);
    ASSERT_TRUE(b.harness.Settle());
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(w->health, 7);
}

TEST(BattleMovement, NoWalkOnAStaleMarkBeyondTheApLeft)
{
    LogCapture log("battle_move_stale.log");
    Begun b(Field());
    Wizard* w = b.harness.WizardOn(0, 1);
    b.harness.ClickTile(0, 1);
    EXPECT_EQ(b.harness.ClickTile(4, 0), 15);  // 5 steps
    ASSERT_TRUE(b.harness.Settle());
    EXPECT_EQ(w->ap, 0);
    b.harness.ClickNone();
    w->ap = 1;
    b.harness.ClickTile(4, 0);
    EXPECT_EQ(b.harness.ClickTile(4, 0), 6);
    // (2,0) was blue in the first walk mode; it is two steps away with 1 AP left.
    b.at(2, 0)->SetTint(Tile::kTintBlue);
    testing::internal::CaptureStdout();
    int result = b.harness.ClickTile(2, 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(result, 16);
    EXPECT_NE(out.find("Result was do nothing!"), std::string::npos);
    EXPECT_EQ(w->ap, 1);
    EXPECT_FALSE(w->walking);
    EXPECT_EQ(b.map().state, Map::kIdle);
}
