#include <gtest/gtest.h>

#include "engine/FrameClock.h"

TEST(FrameClock, FrameToFrameTimeIsMeasured)
{
    FrameClock clock;
    clock.Restart(0.25);
    EXPECT_FLOAT_EQ(clock.Tick(0.3).dt, 0.05f);
    EXPECT_FLOAT_EQ(clock.Tick(0.3).dt, 0.0f);
}

TEST(FrameClock, LongGapIsCappedForTheGameButMeasuredForTheCounter)
{
    FrameClock clock;
    clock.Tick(1.0);
    FrameClock::Frame stalled = clock.Tick(6.0);
    EXPECT_FLOAT_EQ(stalled.dt, FrameClock::kMaxStep);
    EXPECT_FLOAT_EQ(stalled.measured, 5.0f);
    EXPECT_FLOAT_EQ(clock.Tick(5.5).dt, 0.0f) << "a clock going backwards gives no negative step";
}

TEST(FrameClock, FirstTickAfterTheStartMarkIsSmall)
{
    // Start-up took 19 s; the first frame must not carry it.
    FrameClock clock;
    clock.Restart(19.0);
    FrameClock::Frame first = clock.Tick(19.016);
    EXPECT_NEAR(first.dt, 0.016f, 1e-5f);
    EXPECT_NEAR(first.measured, 0.016f, 1e-5f);
}

TEST(FrameClock, StaysExactAfterADayOfPlay)
{
    // A day in, a float holds the time only to about 8 ms: frames of a 60 Hz display would then
    // alternate between 0 and twice their length.
    FrameClock clock;
    double start = 24.0 * 3600.0;
    clock.Tick(start);
    for (int frame = 1; frame <= 5; ++frame)
        EXPECT_NEAR(clock.Tick(start + frame / 60.0).dt, 1.0f / 60.0f, 1e-5f) << "frame " << frame;
}
