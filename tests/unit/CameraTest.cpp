#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "scenes/Camera.h"

TEST(Camera, ZoomStaysWithinLimits)
{
    Camera cam;
    cam.zoom = 2.0f;
    const float expected[] = {1.5f, 1.0f, 0.5f, 0.5f};
    for (float z : expected) {
        cam.zoomBy(-0.5f);
        EXPECT_FLOAT_EQ(cam.zoom, z);
    }
    for (int i = 0; i < 10; ++i) cam.zoomBy(0.5f);
    EXPECT_FLOAT_EQ(cam.zoom, 2.0f);
}

TEST(Camera, DisabledCameraIgnoresManualMoves)
{
    Camera cam;
    cam.enabled = false;
    cam.moveRight(10.0f);
    cam.moveUp(10.0f);
    cam.setPosition(5.0f, 5.0f);
    cam.zoomBy(0.5f);
    EXPECT_EQ(cam.position, glm::vec4(0, 0, 0, 1));
    EXPECT_FLOAT_EQ(cam.zoom, 1.0f);
}

TEST(Camera, GlideEndsExactlyOnNearbyPoint)
{
    Camera cam;
    cam.pushTarget(0.5f, 0.0f, Camera::kEase, true);
    cam.update(0.016f);
    EXPECT_FLOAT_EQ(cam.position.x, 0.5f);
    EXPECT_TRUE(cam.targets.empty());
}

TEST(Camera, GlideModesApproachTheTarget)
{
    Camera lerp;
    lerp.pushTarget(100.0f, 0.0f, Camera::kLerp, false);
    lerp.update(0.25f);
    EXPECT_FLOAT_EQ(lerp.position.x, 25.0f);
    lerp.update(5.0f);  // dt clamps to 1: arrives
    EXPECT_FLOAT_EQ(lerp.position.x, 100.0f);

    Camera ease;
    ease.pushTarget(100.0f, 0.0f, Camera::kEase, false);
    ease.update(0.1f);
    EXPECT_NEAR(ease.position.x, 30.0f, 1e-4);
    ease.update(1.0f);  // a long frame lands on the target instead of passing it
    EXPECT_FLOAT_EQ(ease.position.x, 100.0f);

    Camera snap;
    snap.pushTarget(40.0f, -40.0f, Camera::kSnap, false);
    snap.update(0.01f);
    EXPECT_FLOAT_EQ(snap.position.x, 40.0f);
    EXPECT_EQ(snap.targets.size(), 1u) << "a snap target goes on the next update";
    snap.update(0.01f);
    EXPECT_TRUE(snap.targets.empty());
}

TEST(Camera, ManualMoveDropsInterruptibleGlideOnly)
{
    Camera cam;
    cam.pushTarget(500.0f, 0.0f, Camera::kLerp, true);
    cam.update(0.1f);
    float x = cam.position.x;
    cam.moveRight(1.0f);  // e.g. a right-drag
    cam.update(0.1f);
    EXPECT_TRUE(cam.targets.empty());
    EXPECT_FLOAT_EQ(cam.position.x, x + 1.0f) << "no glide step in the cancelling update";

    Camera firm;
    firm.pushTarget(500.0f, 0.0f, Camera::kLerp, false);
    firm.moveRight(1.0f);
    firm.update(0.1f);
    EXPECT_EQ(firm.targets.size(), 1u);
    EXPECT_GT(firm.position.x, 1.0f);
}

TEST(Camera, CancelWithNothingPendingDoesNotSwallowTheNextGlide)
{
    Camera cam;
    cam.cancelGlide = true;  // as a window resize does
    cam.update(0.016f);
    cam.pushTarget(300.0f, 0.0f, Camera::kLerp, true);
    cam.update(0.5f);
    EXPECT_FLOAT_EQ(cam.position.x, 150.0f);
}

TEST(Camera, ShakeDecaysAndEndsBeforeTenSeconds)
{
    Camera cam;
    cam.setPosition(10.0f, 20.0f);
    cam.startShake();
    float t = 0.0f;
    float widest = 0.0f;
    while (cam.shaking && t < 20.0f) {
        cam.update(0.05f);
        t += 0.05f;
        widest = std::max(widest, std::abs(cam.position.y - 20.0f));
    }
    EXPECT_FALSE(cam.shaking);
    EXPECT_LE(widest, 100.0f) << "the jitter never exceeds the start amplitude";
    EXPECT_LT(t, 7.2f);
    EXPECT_GT(t, 6.5f) << "amplitude 100*exp(-t) falls under 0.1 near 6.9 s";
    // The camera comes to rest where the last, tiny shake left it.
    EXPECT_NEAR(cam.position.x, 10.0f, 0.2f);
    EXPECT_NEAR(cam.position.y, 20.0f, 0.2f);
}

TEST(Camera, MatricesMapWorldToClipSpace)
{
    Camera cam;
    cam.width = 1280;
    cam.height = 720;
    cam.setPosition(100.0f, 50.0f);
    glm::mat4 vp = cam.update(0.0f);
    glm::vec4 corner = vp * glm::vec4(100.0f + 640.0f, 50.0f + 360.0f, 0.0f, 1.0f);
    EXPECT_NEAR(corner.x, 1.0f, 1e-5);
    EXPECT_NEAR(corner.y, 1.0f, 1e-5);
    cam.zoomBy(1.0f);  // 1.0 -> 2.0 shows twice the area
    vp = cam.update(0.0f);
    glm::vec4 edge = vp * glm::vec4(100.0f + 1280.0f, 50.0f, 0.0f, 1.0f);
    EXPECT_NEAR(edge.x, 1.0f, 1e-5);
}

TEST(Camera, ScreenToUiCentresAndFlips)
{
    Camera cam;
    cam.width = 1280;
    cam.height = 720;
    cam.setPosition(999.0f, 999.0f);
    cam.zoom = 2.0f;
    glm::vec2 p{0.0f, 0.0f};
    glm::vec2 r = cam.screenToUi(p);
    EXPECT_EQ(r, glm::vec2(-640.0f, 360.0f));
    EXPECT_EQ(p, r);
}

TEST(Camera, ResetKeepsSizeAndShake)
{
    Camera cam;
    cam.width = 800;
    cam.startShake();
    cam.setPosition(3.0f, 4.0f);
    cam.zoom = 1.5f;
    cam.pushTarget(1, 1, 0, false);
    cam.reset();
    EXPECT_EQ(cam.position, glm::vec4(0, 0, 0, 1));
    EXPECT_FLOAT_EQ(cam.zoom, 1.0f);
    EXPECT_TRUE(cam.targets.empty());
    EXPECT_EQ(cam.width, 800);
    EXPECT_TRUE(cam.shaking);
}
