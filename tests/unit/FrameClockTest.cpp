#include <gtest/gtest.h>

#include "engine/FrameClock.h"

TEST(FrameClock, FirstFrameCountsFromStartThenFrameToFrame)
{
    FrameClock clock;
    EXPECT_FLOAT_EQ(clock.Tick(0.25), 0.25f);
    EXPECT_FLOAT_EQ(clock.Tick(0.3), 0.05f);
    EXPECT_FLOAT_EQ(clock.Tick(0.3), 0.0f);
}

TEST(FrameClock, StaysExactAfterADayOfPlay)
{
    // A day in, a float holds the time only to about 8 ms: frames of a 60 Hz display would then
    // alternate between 0 and twice their length.
    FrameClock clock;
    double start = 24.0 * 3600.0;
    clock.Tick(start);
    for (int frame = 1; frame <= 5; ++frame)
        EXPECT_NEAR(clock.Tick(start + frame / 60.0), 1.0f / 60.0f, 1e-5f) << "frame " << frame;
}
