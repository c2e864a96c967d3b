#include <vector>

#include <gtest/gtest.h>

#include "objects/Animation.h"

namespace {
Animation Cycle(bool loop)
{
    Animation a;
    a.firstFrame = a.currentFrame = 4;
    a.frameCount = 3;
    a.frameDuration = a.timeLeft = 0.1f;
    a.playing = true;
    a.loop = loop;
    return a;
}
}  // namespace

TEST(Animation, LoopingCycleWrapsAndReportsFinishedOnTheWrap)
{
    Animation a = Cycle(true);
    std::vector<int> frames;
    std::vector<bool> finished;
    for (int i = 0; i < 8; ++i) {
        a.Update(0.05f);  // two updates per frame
        frames.push_back(a.currentFrame);
        finished.push_back(a.finished);
    }
    EXPECT_EQ(frames, (std::vector<int>{4, 5, 5, 6, 6, 4, 4, 5}));
    EXPECT_EQ(finished, (std::vector<bool>{false, false, false, false, false, true, false, false}));
}

TEST(Animation, WithoutLoopItStopsOnTheLastFrameAndKeepsReportingFinished)
{
    Animation a = Cycle(false);
    for (int i = 0; i < 2; ++i) a.Update(0.1f);
    EXPECT_EQ(a.currentFrame, 6);
    EXPECT_FALSE(a.finished);
    for (int i = 0; i < 3; ++i) {
        a.Update(0.1f);
        EXPECT_EQ(a.currentFrame, 6);
        EXPECT_TRUE(a.finished);
    }
}

TEST(Animation, OneFramePerUpdateHoweverLargeTheStep)
{
    Animation a = Cycle(true);
    a.Update(10.0f);
    EXPECT_EQ(a.currentFrame, 5);
    EXPECT_FLOAT_EQ(a.timeLeft, 0.1f);
}

TEST(Animation, StoppedOrTimelessAnimationsStayPut)
{
    Animation paused = Cycle(true);
    paused.playing = false;
    paused.Update(1.0f);
    EXPECT_EQ(paused.currentFrame, 4);

    Animation timeless = Cycle(true);
    timeless.frameDuration = -1.0f;  // wizards set their frame by facing
    timeless.Update(1.0f);
    EXPECT_EQ(timeless.currentFrame, 4);
    EXPECT_FALSE(timeless.finished);
}

TEST(Animation, FrameBeforeTheCycleCountsAsPastItsEnd)
{
    Animation a = Cycle(true);
    a.currentFrame = 1;  // below firstFrame: the unsigned distance is huge
    a.Update(0.1f);
    EXPECT_TRUE(a.finished);
    EXPECT_EQ(a.currentFrame, 4);
}

TEST(Animation, EmptyCycleFinishesInsteadOfRunningAway)
{
    Animation a = Cycle(true);
    a.frameCount = 0;
    for (int i = 0; i < 5; ++i) a.Update(0.1f);
    EXPECT_EQ(a.currentFrame, 4);
    EXPECT_TRUE(a.finished);
}

TEST(Animation, PlaySetsUpACycleFromItsFirstFrame)
{
    Animation a;
    a.play(2, 0, 0.25f, false);
    EXPECT_EQ(a.currentFrame, 2);
    EXPECT_EQ(a.frameCount, 1) << "a cycle has at least one frame";
    EXPECT_TRUE(a.playing);
    EXPECT_FLOAT_EQ(a.timeLeft, 0.25f);
}
