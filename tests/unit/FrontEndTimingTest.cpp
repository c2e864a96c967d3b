// The intro's cards and skips, and the credits' scroll, speed-up and ending.
#include <gtest/gtest.h>

#include "meta/CreditsScroll.h"
#include "meta/IntroTimeline.h"

TEST(IntroTimelineTest, ThreeCardsOfThreeSecondsFadeInAndOut)
{
    IntroTimeline intro;
    intro.Update(0.5f);  // the first update only starts the clock
    EXPECT_FLOAT_EQ(intro.Time(), 0.5f);
    EXPECT_EQ(intro.Card(), 0);
    for (int i = 0; i < 20; ++i) intro.Update(0.1f);  // t = 2.5: fully faded in
    EXPECT_EQ(intro.Card(), 0);
    EXPECT_FLOAT_EQ(intro.Alpha(), 1.0f);
    intro.Update(0.1f);
    intro.Update(0.1f);
    EXPECT_FALSE(intro.FadingIn());
    EXPECT_LT(intro.Alpha(), 1.0f);
    for (int i = 0; i < 4; ++i) intro.Update(0.1f);
    EXPECT_EQ(intro.Card(), 1);
    for (int i = 0; i < 61; ++i) intro.Update(0.1f);
    EXPECT_TRUE(intro.Finished());
}

TEST(IntroTimelineTest, SkipsJumpToThreeSixAndNine)
{
    IntroTimeline intro;
    intro.Update(0.016f);
    intro.Update(0.5f);
    intro.Skip();
    EXPECT_FLOAT_EQ(intro.Time(), 3.0f);
    EXPECT_FLOAT_EQ(intro.Alpha(), 0.0f);
    EXPECT_EQ(intro.Card(), 1);
    intro.Skip();
    EXPECT_FLOAT_EQ(intro.Time(), 6.0f);
    intro.Skip();
    EXPECT_FLOAT_EQ(intro.Time(), 9.0f);
    EXPECT_TRUE(intro.Finished());
    intro.Skip();
    EXPECT_FLOAT_EQ(intro.Time(), 9.0f);
}

TEST(IntroTimelineTest, ALeftPressSkipsOnceAndAHeldRightButtonEveryUpdate)
{
    bool latch = false;
    EXPECT_TRUE(IntroWantsSkip({true, false, false}, latch));
    EXPECT_TRUE(latch);
    EXPECT_FALSE(IntroWantsSkip({true, false, false}, latch));  // still held
    EXPECT_FALSE(IntroWantsSkip({false, false, false}, latch));
    EXPECT_FALSE(latch);
    EXPECT_TRUE(IntroWantsSkip({true, false, false}, latch));
    // A press latched by something else (a button of the previous screen) does not skip.
    latch = true;
    EXPECT_FALSE(IntroWantsSkip({true, false, false}, latch));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(IntroWantsSkip({false, true, false}, latch));
    EXPECT_TRUE(IntroWantsSkip({false, false, true}, latch));
}

TEST(CreditsScrollTest, StartsAtTheBottomEdgeAndRisesFiftyUnitsASecond)
{
    CreditsScroll credits(720);
    credits.Update(0.1f, false);
    EXPECT_FLOAT_EQ(credits.TextY(), -360.0f);
    credits.Update(1.0f, false);
    EXPECT_FLOAT_EQ(credits.TextY(), -310.0f);
    EXPECT_FLOAT_EQ(credits.HintAlpha(), 1.0f);
    credits.Update(1.0f, true);
    EXPECT_FLOAT_EQ(credits.TextY(), -310.0f + 800.0f);
}

namespace {
// Seconds of play until the credits close, at 60 frames a second.
float SecondsToClose(int height, bool fast)
{
    CreditsScroll credits(height);
    float seconds = 0.0f;
    while (!credits.Done() && seconds < 600.0f) {
        credits.Update(1.0f / 60.0f, fast);
        seconds += 1.0f / 60.0f;
    }
    return seconds;
}
}  // namespace

TEST(CreditsScrollTest, EndByThemselvesAndSixteenTimesSoonerWithSpaceHeld)
{
    const float normal = SecondsToClose(720, false);
    const float fast = SecondsToClose(720, true);
    // (720 + 2352) / 50 seconds of scrolling, then the five-second ending.
    EXPECT_NEAR(normal, 3072.0f / 50.0f + 5.0f, 0.1f);
    EXPECT_NEAR(fast, normal / 16.0f, 0.1f);
}

TEST(CreditsScrollTest, TheClosingWordsFadeInThenOutDuringTheLastSecond)
{
    CreditsScroll credits(720);
    credits.Update(0.0f, false);
    while (!credits.Finished()) credits.Update(0.5f, false);
    float peak = 0.0f;
    while (!credits.Done()) {
        credits.Update(0.25f, false);
        peak = std::max(peak, credits.Fade());
    }
    EXPECT_FLOAT_EQ(peak, 1.0f);
    EXPECT_LT(credits.Fade(), 0.5f);
}
