#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "WidgetTestSupport.h"
#include "meta/Config.h"
#include "objects/Transform.h"
#include "ui/Cursor.h"

TEST(Cursor, MissingPictureIsReportedAndTheSystemArrowStays)
{
    LogCapture log("cursor_missing.txt");
    CursorImage image;
    EXPECT_FALSE(LoadCursorImage("./Assets/No_Such_Cursor.png", image));
    EXPECT_TRUE(log.Has("!!! - Cursor image could not be loaded: ./Assets/No_Such_Cursor.png"));
    EXPECT_EQ(image.width, 0);
    Cursor cursor("./Assets/No_Such_Cursor.png");
    EXPECT_EQ(cursor.handle, nullptr);
    EXPECT_EQ(ChosenCursor(), nullptr) << "the arrow";
}

TEST(Cursor, ShippedPictureDecodesTopRowFirst)
{
    CursorImage image;
    ASSERT_TRUE(LoadCursorImage(Cursor::kImagePath, image));
    ASSERT_GT(image.width, 0);
    ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width * image.height * 4));
    // The tip (the hot spot) is the opaque top-left pixel; the top-right corner is clear.
    EXPECT_EQ(image.pixels[3], 255);
    EXPECT_EQ(image.pixels[static_cast<std::size_t>(image.width - 1) * 4 + 3], 0);
}

TEST(Cursor, DebugSquareFollowsTheMouseAndShowsTheButtons)
{
    FakeMouse mouse;
    EXPECT_EQ(Cursor::DebugTint(true, true), glm::vec4(0.0f, 1.0f, 0.0f, 0.5f)) << "green on a new left press";
    EXPECT_EQ(Cursor::DebugTint(false, true), glm::vec4(1.0f, 0.0f, 0.0f, 0.5f)) << "red while right is held";
    EXPECT_EQ(Cursor::DebugTint(false, false), glm::vec4(0.0f, 0.0f, 0.0f, 0.5f));
    Cursor cursor("./Assets/No_Such_Cursor.png");
    mouse.Frame(120.0f, -40.0f, false, true);
    cursor.Update(0.016f);
    EXPECT_EQ(cursor.debugSprite->Get<Transform>()->position, glm::vec2(120.0f, -40.0f));
    EXPECT_EQ(cursor.debugSprite->Get<Transform>()->scale, glm::vec2(25.0f, 25.0f));
    EXPECT_EQ(cursor.debugTint, glm::vec4(1.0f, 0.0f, 0.0f, 0.5f));
    mouse.Frame(0.0f, 0.0f, true);
    cursor.Update(0.016f);
    EXPECT_EQ(cursor.debugTint, glm::vec4(0.0f, 1.0f, 0.0f, 0.5f));
    mouse.Frame(0.0f, 0.0f, true);
    cursor.Update(0.016f);
    EXPECT_EQ(cursor.debugTint, glm::vec4(0.0f, 0.0f, 0.0f, 0.5f)) << "only the first frame of the press";
}
