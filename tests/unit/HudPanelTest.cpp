#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "render/Text.h"
#include "ui/ApDisplay.h"
#include "ui/Arrow.h"
#include "ui/Bar.h"
#include "ui/HudLayout.h"
#include "ui/InfoPanel.h"
#include "ui/PausePanel.h"
#include "ui/Profile.h"
#include "ui/SmartButton.h"
#include "ui/TurnDisplay.h"

namespace {

TileView Tile(const std::string& kind)
{
    TileView tile;
    tile.column = 3;
    tile.row = 7;
    tile.kind = kind;
    return tile;
}

TileView Token(bool active, int element)
{
    TileView tile = Tile("Grass_Tile");
    tile.hasObject = true;
    tile.objectName = "Primalite";
    tile.isToken = true;
    tile.tokenActive = active;
    tile.tokenElement = element;
    return tile;
}

}  // namespace

TEST(InfoPanel, EveryTileKindHasItsBiomeAlignmentAndColour)
{
    struct Row {
        const char* kind;
        const char* biome;
        const char* alignment;
        glm::vec3 color;
    };
    const Row rows[] = {
        {"Fire_Tile", "Biome: Magmatic Deadland", "Alignment: Fire-Aligned", glm::vec3(179, 56, 49) / 255.0f},
        {"Water_Tile", "Biome: Marshy Wetland", "Alignment: Water-Aligned", glm::vec3(48, 56, 67) / 255.0f},
        {"Wind_Tile", "Biome: Bluegrass Meadow", "Alignment: Wind-Aligned", glm::vec3(11, 94, 101) / 255.0f},
        {"Earth_Tile", "Biome: Parched Dryland", "Alignment: Earth-Aligned", glm::vec3(158, 69, 57) / 255.0f},
    };
    for (const Row& row : rows) {
        TileView tile = Tile(row.kind);
        TileInfoLines lines = DescribeTile(&tile, 1);
        EXPECT_EQ(lines.title, "TILE INFO");
        EXPECT_EQ(lines.coordinates, "( 3 , 7 )");
        EXPECT_EQ(lines.biome, row.biome);
        EXPECT_EQ(lines.alignment, row.alignment);
        EXPECT_TRUE(lines.biomeTinted);
        EXPECT_NEAR(lines.biomeColor.r, row.color.r, 1e-6f) << row.kind;
        EXPECT_NEAR(lines.biomeColor.g, row.color.g, 1e-6f) << row.kind;
        EXPECT_NEAR(lines.biomeColor.b, row.color.b, 1e-6f) << row.kind;
        EXPECT_TRUE(lines.object.empty());
    }
    for (const char* other : {"Aether_Tile", "Grass_Tile", "none", ""}) {
        TileView tile = Tile(other);
        TileInfoLines lines = DescribeTile(&tile, 1);
        EXPECT_EQ(lines.biome, std::string("Biome: ") + other);
        EXPECT_EQ(lines.alignment, "Alignment: None");
        EXPECT_FALSE(lines.biomeTinted);
    }
}

TEST(InfoPanel, NoTileLeavesOnlyTheTitle)
{
    TileInfoLines lines = DescribeTile(nullptr, 4);
    EXPECT_EQ(lines.title, "TILE INFO");
    EXPECT_TRUE(lines.coordinates.empty());
    EXPECT_TRUE(lines.biome.empty());
    EXPECT_TRUE(lines.alignment.empty());
    EXPECT_TRUE(lines.object.empty());
}

TEST(InfoPanel, TokenRefreshCountdown)
{
    EXPECT_EQ(TurnsUntilTokenRefresh(4), 2);
    EXPECT_EQ(TurnsUntilTokenRefresh(5), 1);
    EXPECT_EQ(TurnsUntilTokenRefresh(6), 3);
    EXPECT_EQ(TurnsUntilTokenRefresh(1), 2);
    EXPECT_EQ(TurnsUntilTokenRefresh(-4), 3) << "a turn before the first counts as 0";
    TileView token = Token(false, 0);
    EXPECT_EQ(DescribeTile(&token, 4).object, "Object: Primalite\nStatus: Inactive for 2 more rounds.");
    EXPECT_EQ(DescribeTile(&token, 5).object, "Object: Primalite\nStatus: Inactive for 1 more rounds.");
    EXPECT_EQ(DescribeTile(&token, 6).object, "Object: Primalite\nStatus: Inactive for 3 more rounds.");
}

TEST(InfoPanel, ObjectLinesForTokensAndOtherObjects)
{
    const char* names[] = {"", "Fire", "Water", "Earth", "Wind", ""};
    for (int element = 0; element <= 5; ++element) {
        TileView token = Token(true, element);
        EXPECT_EQ(DescribeTile(&token, 1).object, std::string("Object: Primalite\nElement: ") + names[element]);
    }
    TileView dummy = Tile("Earth_Tile");
    dummy.hasObject = true;
    dummy.objectName = "Training_Dummy";
    dummy.objectHealth = 37;
    EXPECT_EQ(DescribeTile(&dummy, 1).object, "Object: Training Dummy\nHealth: 37");
    EXPECT_STREQ(ElementName(99), "");
    EXPECT_STREQ(ElementName(-1), "");
}

TEST(InfoPanel, EveryLineStaysInsideThePanel)
{
    InfoPanel panel;
    TileView longest = Token(false, 0);
    longest.kind = "Some_Extraordinarily_Long_Biome_Name_From_A_Level";
    longest.objectName = "Primalite";
    panel.ShowTile(&longest, 4);
    const float inner = 2.0f * InfoPanel::kHalfWidth - 40.0f;
    for (Text* text : {panel.biome.get(), panel.alignment.get(), panel.objectText.get()})
        EXPECT_LE(ui::TextWidth(*text), inner) << text->sourceText;
    EXPECT_GT(ui::TextWidth(*panel.objectText), 0.0f);
    TileView fire = Tile("Fire_Tile");
    panel.ShowTile(&fire, 1);
    EXPECT_NEAR(panel.biome->color.r, 179.0f / 255.0f, 1e-6f);
    panel.ShowTile(nullptr, 1);
    EXPECT_TRUE(panel.biome->sourceText.empty());
    EXPECT_EQ(panel.title->sourceText, "TILE INFO");
}

TEST(InfoPanel, AnchoredToTheRightEdgeOrTheLeftAndCoversWhatIsBeneath)
{
    FakeMouse mouse;
    InfoPanel panel;
    panel.Update(0.016f);
    EXPECT_GT(panel.Centre().x, 640.0f - 2.0f * InfoPanel::kHalfWidth - 20.0f);
    EXPECT_LE(panel.Centre().x + InfoPanel::kHalfWidth, 640.0f);
    panel.SetSide(true);
    panel.Update(0.016f);
    EXPECT_GE(panel.Centre().x - InfoPanel::kHalfWidth, -640.0f);
    EXPECT_LT(panel.Centre().x, -640.0f + 2.0f * InfoPanel::kHalfWidth + 20.0f);
    mouse.Frame(panel.Centre().x, panel.Centre().y, true);
    panel.Update(0.016f);
    EXPECT_FALSE(ui::TakeNewPress()) << "a press on the panel never reaches the tile beneath";
}

TEST(AP, PipsAreBoundedAndThePreviewNeverGoesNegative)
{
    struct Case {
        int ap, cost, pips, spend;
    };
    const Case cases[] = {{5, 0, 5, 0}, {5, 2, 5, 2}, {5, 9, 5, 5}, {-1, 2, 0, 0}, {9999, 3, 10, 3}, {3, -4, 3, 0}};
    for (const Case& c : cases) {
        ApPips pips = ApPips::For(c.ap, c.cost);
        EXPECT_EQ(pips.pips, c.pips) << c.ap << " " << c.cost;
        EXPECT_EQ(pips.toSpend, c.spend) << c.ap << " " << c.cost;
    }
}

TEST(AP, PreviewFollowsTheMapState)
{
    EXPECT_EQ(ApPreviewCost(0, 5, 3, true, 2), 0) << "idle previews nothing";
    EXPECT_EQ(ApPreviewCost(2, 5, 3, false, 2), 3) << "aiming shows the spell's cost";
    EXPECT_EQ(ApPreviewCost(1, 5, 3, true, 4), 4) << "a walk shows its cost";
    EXPECT_EQ(ApPreviewCost(1, 5, 3, true, 6), 0) << "beyond the points: nothing";
    EXPECT_EQ(ApPreviewCost(1, 5, 3, false, 2), 0) << "only on a highlighted tile";
    EXPECT_EQ(ApPreviewCost(3, 5, 3, true, 2), 0);
}

TEST(AP, RowShowsOnePipPerPointSixtyApart)
{
    AP row;
    row.Show(true, 4, 1);
    row.Update(0.016f);
    EXPECT_EQ(row.Pips().pips, 4);
    EXPECT_FLOAT_EQ(row.PipPosition(1).x - row.PipPosition(0).x, 60.0f);
    EXPECT_GE(row.PipPosition(0).x - AP::kPipSize, -640.0f);
    row.Show(true, 9999, 0);
    row.Update(0.016f);
    EXPECT_LE(row.PipPosition(row.Pips().pips - 1).x + AP::kPipSize, 640.0f) << "ten pips still fit";
}

TEST(Arrow, StatesPickTheirFramesAndOthersAreIgnored)
{
    Arrow arrow;
    arrow.Update(0.1f);
    auto* animation = arrow.Get<Animation>();
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->currentFrame, 0);
    arrow.Update(0.5f);
    EXPECT_EQ(animation->currentFrame, 1) << "state 0 bobs between frames 0 and 1";
    arrow.Update(0.5f);
    EXPECT_EQ(animation->currentFrame, 0);
    const int frames[] = {0, 2, 4, 6, 8};
    for (int state = 1; state <= 4; ++state) {
        arrow.SetState(state);
        EXPECT_TRUE(arrow.dirty);
        arrow.Update(0.6f);
        arrow.Update(0.6f);
        EXPECT_EQ(animation->currentFrame, frames[state]) << state;
        EXPECT_FALSE(arrow.dirty);
    }
    arrow.SetState(7);
    arrow.SetState(-1);
    EXPECT_EQ(arrow.arrowState, 4);
    EXPECT_FALSE(arrow.dirty);
}

TEST(TurnDisplay, CounterAndBanners)
{
    TurnDisplay display;
    display.Update(3, 0.016f);
    EXPECT_EQ(display.counter->sourceText, "Turn 3");
    display.AddBanner(4, 1);
    display.AddBanner(11, 2);
    ASSERT_EQ(display.banners.size(), 2u);
    EXPECT_EQ(display.banners[0].object->name, "PLAYER_1_BANNER");
    EXPECT_EQ(display.banners[1].object->name, "PLAYER_2_BANNER");
    EXPECT_EQ(display.banners[0].object->Get<Animation>()->currentFrame, 4);
    EXPECT_EQ(display.banners[1].object->Get<Animation>()->currentFrame, 0) << "faction 11 shows frame 0";
    EXPECT_EQ(TurnDisplay::BannerFrame(-3), 0);
    EXPECT_EQ(TurnDisplay::BannerFrame(10), 10);
    EXPECT_EQ(display.banners[0].object->Get<AnchorTransform>()->scale, glm::vec2(64.0f, 128.0f));
    int frames = 0;
    while ((display.banners[0].moving || display.banners[1].moving) && frames < 500) {
        display.Update(3, 0.016f);
        ++frames;
    }
    EXPECT_LT(frames, 100);
    EXPECT_EQ(display.banners[0].object->Get<AnchorTransform>()->position, display.banners[0].target);
    EXPECT_LT(display.banners[0].target.x, 0.0f);
    EXPECT_GT(display.banners[1].target.x, 0.0f);
}

TEST(Profile, StatusIconsOnlyForTheFiveTypes)
{
    std::vector<StatusEffect> statuses = {
        {2, InflictType::Burned, CommandType::Enemy, ""},
        {3, InflictType::Blinded, CommandType::Enemy, ""},
        {1, static_cast<InflictType>(6), CommandType::Enemy, ""},
        {0, InflictType::Burned, CommandType::Enemy, ""},
        {5, InflictType::None, CommandType::Enemy, ""},
    };
    auto held = Profile::HeldStatuses(statuses);
    EXPECT_EQ(held, (std::array<int, 5>{2, 0, 0, 0, 3}));
    Profile portrait(2, 1);
    portrait.Show(ProfileView{14, 20, statuses});
    portrait.Update(0.016f);
    EXPECT_EQ(portrait.text->sourceText, "14 / 20");
    EXPECT_FLOAT_EQ(portrait.health->currentValue, 14.0f);
    EXPECT_FLOAT_EQ(portrait.health->maxValue, 20.0f);
    EXPECT_EQ(portrait.counts[0]->sourceText, "2");
    EXPECT_EQ(portrait.counts[4]->sourceText, "3");
    EXPECT_LT(portrait.IconPosition(1).x, portrait.IconPosition(0).x) << "side 2 lays icons towards the centre";
    EXPECT_LE(portrait.Centre().x + Profile::kHalfWidth, 640.0f);
    Profile left(1, 0);
    left.Update(0.016f);
    EXPECT_GE(left.Centre().x - Profile::kHalfWidth, -640.0f);
    EXPECT_GT(left.Centre().y, portrait.Centre().y) << "slot 0 sits above slot 1";
}

TEST(PausePanel, FiveButtonsBoundByCaptionAndTheBookCoversEverything)
{
    FakeMouse mouse;
    PausePanel pause;
    int resumed = 0;
    EXPECT_TRUE(pause.SetAction("Resume", [&] { ++resumed; }));
    EXPECT_FALSE(pause.SetAction("Dance", [] {}));
    ASSERT_NE(pause.Button("How To Play"), nullptr);
    EXPECT_EQ(pause.Button("Resume")->Position(), glm::vec2(296.0f, 160.0f));
    EXPECT_EQ(pause.Button("Quit")->Position(), glm::vec2(296.0f, -110.0f));
    EXPECT_EQ(pause.Button("Settings")->Position(), glm::vec2(-296.0f, 25.0f));
    EXPECT_EQ(pause.title->sourceText, "Paused");
    mouse.Frame(296.0f, 160.0f, true);
    pause.Update(0.016f);
    EXPECT_EQ(resumed, 1);
    mouse.Frame(0.0f, -300.0f, false);
    mouse.Frame(0.0f, -300.0f, true);
    pause.Update(0.016f);
    EXPECT_FALSE(ui::TakeNewPress()) << "the battle under the book gets nothing";
}

TEST(AP, RowSitsAboveTheClearanceItIsGiven)
{
    AP row;
    row.Show(true, 5, 0);
    for (float clearance : {247.0f, 370.0f}) {
        row.SetBottomClearance(clearance);
        row.Update(0.016f);
        const float bottom = row.PipPosition(0).y - AP::kPipSize + 360.0f;
        EXPECT_GT(bottom, clearance) << "pips clear of the hand";
        EXPECT_LT(bottom, clearance + 40.0f) << "but close above it";
    }
}
