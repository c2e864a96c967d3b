#include <gtest/gtest.h>

#include "ConfigTestSupport.h"

#include "engine/Input.h"
#include "meta/Config.h"
#include "scenes/Camera.h"

namespace {
constexpr int kW = 87, kS = 83, kJ = 74, kM = 77, kP = 80, kSpace = 32, kEscape = 256, kKp8 = 328, kUp = 265;

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Input() = InputState{};
        UserConfig.sensitivity = 3;
        debugOn = false;
    }
    void TearDown() override { Input() = InputState{}; debugOn = false; }
    Camera cam;
};
}  // namespace

TEST_F(InputTest, HeldKeysMoveByFixedStepAndCancelEachOther)
{
    input::HandleKey(kW, input::kPress, &cam);
    input::ScrollCameraByKeys(&cam);
    EXPECT_FLOAT_EQ(cam.position.y, 12.0f);
    input::HandleKey(kS, input::kPress, &cam);
    input::ScrollCameraByKeys(&cam);
    EXPECT_FLOAT_EQ(cam.position.y, 12.0f);
    input::HandleKey(kW, input::kRelease, &cam);
    input::HandleKey(kUp, input::kRepeat, &cam);
    input::ScrollCameraByKeys(&cam);
    EXPECT_FLOAT_EQ(cam.position.y, 0.0f);
}

TEST_F(InputTest, KeysOutsideTheRangeDoNothing)
{
    for (int key : {kSpace, kEscape, kKp8}) input::HandleKey(key, input::kPress, &cam);
    EXPECT_FALSE(Input().cameraMoveUp);
    EXPECT_FALSE(cam.shaking);
    EXPECT_FALSE(debugOn);
}

TEST_F(InputTest, ToggleKeysActOnPressOnly)
{
    input::HandleKey(kM, input::kPress, &cam);
    input::HandleKey(kM, input::kRelease, &cam);
    input::HandleKey(kM, input::kRepeat, &cam);
    EXPECT_TRUE(debugOn);
    input::HandleKey(kJ, input::kPress, &cam);
    EXPECT_TRUE(cam.shaking);
}

TEST_F(InputTest, PFlipsTheModeOnScreenAndSavesIt)
{
    configtest::TempFolder home;
    configtest::ScopedEnv userProfile{"USERPROFILE", home.path.string()};
    UserConfig.fullscreen = true;
    forceWindowed = true;  // a `--windowed` run: the window is what P flips
    input::HandleKey(kP, input::kPress, &cam);
    EXPECT_TRUE(UserConfig.fullscreen);
    EXPECT_TRUE(FullscreenActive());
    input::HandleKey(kP, input::kRelease, &cam);
    input::HandleKey(kP, input::kPress, &cam);
    EXPECT_FALSE(UserConfig.fullscreen);
    EXPECT_FALSE(FullscreenActive());
    UserConfig.fullscreen = true;
}

TEST_F(InputTest, LockedInputIgnoresCameraAndToggles)
{
    Input().cameraInputLocked = true;
    input::HandleKey(kW, input::kPress, &cam);
    input::HandleKey(kM, input::kPress, &cam);
    input::HandleKey(kJ, input::kPress, &cam);
    input::HandleScroll(1.0, &cam);
    input::HandleMouseButton(1, input::kPress, 10, 10);
    input::HandleCursor(50, 50, &cam);
    EXPECT_FALSE(Input().cameraMoveUp);
    EXPECT_FALSE(debugOn);
    EXPECT_FALSE(cam.shaking);
    EXPECT_FALSE(Input().rightDragActive);
    EXPECT_FLOAT_EQ(cam.zoom, 1.0f);
    EXPECT_EQ(cam.position, glm::vec4(0, 0, 0, 1));
}

TEST_F(InputTest, ReleasesDuringTheLockStillEndHeldKeysAndDrags)
{
    // Held when the match is won, let go while the lock is up: once the victory screen lifts the
    // lock, the camera must neither keep scrolling nor follow the bare cursor.
    input::HandleKey(kW, input::kPress, &cam);
    input::HandleMouseButton(1, input::kPress, 100, 100);
    Input().cameraInputLocked = true;
    input::HandleKey(kW, input::kRelease, &cam);
    input::HandleMouseButton(1, input::kRelease, 100, 100);
    Input().cameraInputLocked = false;
    input::ScrollCameraByKeys(&cam);
    input::HandleCursor(300, 300, &cam);
    EXPECT_FALSE(Input().cameraMoveUp);
    EXPECT_FALSE(Input().rightDragActive);
    EXPECT_EQ(cam.position, glm::vec4(0, 0, 0, 1));
}

TEST_F(InputTest, RightDragMovesWorldWithCursor)
{
    input::HandleCursor(100, 100, &cam);  // no drag: nothing, last position untouched
    EXPECT_EQ(cam.position, glm::vec4(0, 0, 0, 1));
    input::HandleMouseButton(0, input::kPress, 10, 10);  // left button is not ours
    EXPECT_FALSE(Input().rightDragActive);
    input::HandleMouseButton(1, input::kPress, 100, 100);
    input::HandleCursor(110, 95, &cam);
    EXPECT_FLOAT_EQ(cam.position.x, -30.0f);
    EXPECT_FLOAT_EQ(cam.position.y, -15.0f);
    input::HandleMouseButton(1, input::kRelease, 110, 95);
    input::HandleCursor(200, 200, &cam);
    EXPECT_FLOAT_EQ(cam.position.x, -30.0f);
}

TEST_F(InputTest, ScrollZoomsInSteps)
{
    cam.zoom = 2.0f;
    for (int i = 0; i < 4; ++i) input::HandleScroll(1.0, &cam);
    EXPECT_FLOAT_EQ(cam.zoom, 0.5f);
    input::HandleScroll(0.0, &cam);
    EXPECT_FLOAT_EQ(cam.zoom, 0.5f);
    input::HandleScroll(-2.0, &cam);
    EXPECT_FLOAT_EQ(cam.zoom, 1.0f);
}

TEST(StickyToggle, FiresOncePerCompletedPress)
{
    // Held for several frames: both reads report the press.
    EXPECT_FALSE(input::StickyToggle(input::kPress, input::kPress));
    // First poll after the release: the sticky press, then the release.
    EXPECT_TRUE(input::StickyToggle(input::kPress, input::kRelease));
    EXPECT_FALSE(input::StickyToggle(input::kRelease, input::kRelease));
}

TEST_F(InputTest, KeyPressesQueueForTheSceneThatTakesThem)
{
    input::TakeKeyPresses();
    input::HandleKey(kEscape, input::kPress, &cam);
    input::HandleKey('1', input::kPress, nullptr);  // below the camera keys' range, still queued
    input::HandleKey('1', input::kRepeat, nullptr);
    input::HandleKey('1', input::kRelease, nullptr);
    EXPECT_EQ(input::TakeKeyPresses(), (std::vector<int>{kEscape, '1'}));
    EXPECT_TRUE(input::TakeKeyPresses().empty());
}

TEST_F(InputTest, KeyQueueKeepsTheNewestWhenNobodyTakesIt)
{
    input::TakeKeyPresses();
    for (int i = 0; i < input::kKeyQueueLimit + 5; ++i) input::HandleKey(kSpace, input::kPress, nullptr);
    input::HandleKey(kEscape, input::kPress, nullptr);
    std::vector<int> keys = input::TakeKeyPresses();
    ASSERT_EQ(static_cast<int>(keys.size()), input::kKeyQueueLimit);
    EXPECT_EQ(keys.back(), kEscape);
}

TEST_F(InputTest, LockedInputQueuesNoKeys)
{
    input::TakeKeyPresses();
    Input().cameraInputLocked = true;
    input::HandleKey(kEscape, input::kPress, nullptr);
    EXPECT_TRUE(input::TakeKeyPresses().empty());
}
