#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "ui/Pointer.h"

TEST(Pointer, CursorIsTurnedIntoInterfaceSpace)
{
    FakeMouse mouse;
    ui::BeginPointerFrame(glm::vec2(0.0f, 0.0f), false, false);
    EXPECT_EQ(ui::CursorUi(), glm::vec2(-640.0f, 360.0f));
    mouse.Frame(25.0f, -40.0f, false);
    EXPECT_EQ(ui::CursorUi(), glm::vec2(25.0f, -40.0f));
    EXPECT_EQ(ui::CursorWorld(), glm::vec2(25.0f, -40.0f)) << "without a camera the two spaces agree";
}

TEST(Pointer, TilesActOnlyOnTheFirstFrameOfAnUnusedPress)
{
    FakeMouse mouse;
    mouse.Frame(0.0f, 0.0f, true);
    EXPECT_TRUE(ui::Pointer().leftWentDown);
    EXPECT_TRUE(ui::TakeNewPress());
    EXPECT_FALSE(ui::TakeNewPress()) << "one press, one action";
    mouse.Frame(0.0f, 0.0f, true);
    EXPECT_FALSE(ui::Pointer().leftWentDown);
    EXPECT_FALSE(ui::TakeNewPress());
    mouse.Frame(0.0f, 0.0f, false);
    EXPECT_FALSE(ui::Pointer().pressLatched) << "any frame with the button up re-arms";
    mouse.Frame(0.0f, 0.0f, true);
    EXPECT_TRUE(ui::TakeNewPress());
}

TEST(Pointer, PressHeldFromBeforeIsNotNewForTilesButStillOpenForWidgets)
{
    FakeMouse mouse;
    mouse.Frame(0.0f, 0.0f, true);
    mouse.Frame(10.0f, 0.0f, true);
    EXPECT_FALSE(ui::TakeNewPress());
    EXPECT_TRUE(ui::PressAvailable());
    EXPECT_TRUE(ui::TakePress());
    EXPECT_FALSE(ui::PressAvailable());
}

TEST(Pointer, FirstClaimStandsAndPanelsSwallowPresses)
{
    FakeMouse mouse;
    int top = 0, panel = 0;
    mouse.Frame(0.0f, 0.0f, true);
    EXPECT_FALSE(ui::BlockPointer(&panel, false)) << "not under the cursor";
    EXPECT_TRUE(ui::PressAvailable());
    ui::ClaimMouse(&top);
    EXPECT_TRUE(ui::MouseClaimedByOther(&panel));
    EXPECT_FALSE(ui::MouseClaimedByOther(&top));
    EXPECT_FALSE(ui::BlockPointer(&panel, true)) << "covered by the one above";
    EXPECT_TRUE(ui::PressAvailable());
    mouse.Frame(0.0f, 0.0f, false);
    EXPECT_FALSE(ui::MouseClaimed()) << "claims last one frame";
    mouse.Frame(0.0f, 0.0f, true);
    EXPECT_TRUE(ui::BlockPointer(&panel, true));
    EXPECT_FALSE(ui::TakeNewPress()) << "the tile under the panel gets nothing";
}

TEST(Pointer, RectangleEdgesCountAsInside)
{
    EXPECT_TRUE(ui::InsideRect({10.0f, 5.0f}, {0.0f, 0.0f}, {10.0f, 5.0f}));
    EXPECT_TRUE(ui::InsideRect({-10.0f, -5.0f}, {0.0f, 0.0f}, {10.0f, 5.0f}));
    EXPECT_FALSE(ui::InsideRect({10.01f, 0.0f}, {0.0f, 0.0f}, {10.0f, 5.0f}));
    EXPECT_FALSE(ui::InsideRect({0.0f, -5.01f}, {0.0f, 0.0f}, {10.0f, 5.0f}));
}
