#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "objects/AnchorTransform.h"
#include "objects/Object.h"
#include "objects/Physics.h"
#include "objects/Transform.h"
#include "RenderTestSupport.h"

namespace {
void ExpectNear(const glm::vec4& a, const glm::vec4& b)
{
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(a[i], b[i], 1e-4f) << "component " << i;
}
}  // namespace

TEST(Transform, ModelIsTranslateRotateScale)
{
    Transform t;
    t.setPosition(10.0f, 20.0f);
    t.setRotation(90.0f);
    t.setScale(2.0f, 3.0f);
    const glm::mat4& m = t.GetModel();
    EXPECT_FALSE(t.dirty);
    // (1, 0) scaled to (2, 0), turned a quarter to (0, 2), moved to (10, 22).
    ExpectNear(m * glm::vec4(1, 0, 0, 1), {10.0f, 22.0f, 0.0f, 1.0f});
    // (0, 1) scaled to (0, 3), turned to (-3, 0), moved to (7, 20).
    ExpectNear(m * glm::vec4(0, 1, 0, 1), {7.0f, 20.0f, 0.0f, 1.0f});
}

TEST(Transform, ModelIsCachedUntilASetterMarksItDirty)
{
    Transform t;
    t.setScale(1.0f, 1.0f);
    t.GetModel();
    t.position = {50.0f, 0.0f};  // a direct write does not mark the cache stale
    ExpectNear(t.GetModel() * glm::vec4(0, 0, 0, 1), {0, 0, 0, 1});
    t.setPosition(50.0f, 0.0f);
    EXPECT_TRUE(t.dirty);
    ExpectNear(t.GetModel() * glm::vec4(0, 0, 0, 1), {50, 0, 0, 1});
}

TEST(Transform, DefaultsDifferBetweenTheTwoKinds)
{
    Transform world;
    AnchorTransform ui;
    EXPECT_EQ(world.scale, glm::vec2(0.0f));
    EXPECT_EQ(ui.scale, glm::vec2(1.0f));
    EXPECT_EQ(ui.anchor, AnchorTransform::kNone);
    EXPECT_TRUE(ui.dirty);
    EXPECT_EQ(world.kind, kTransform);
    EXPECT_EQ(ui.kind, kAnchorTransform);
}

TEST(AnchorTransform, NamesMapToValuesAndAnythingElseIsNone)
{
    EXPECT_EQ(AnchorTransform::anchorFromName("ANCHOR_TOP_LEFT"), 0);
    EXPECT_EQ(AnchorTransform::anchorFromName("ANCHOR_BOTTOM_RIGHT"), 3);
    EXPECT_EQ(AnchorTransform::anchorFromName("ANCHOR_RIGHT_CENTER"), 7);
    EXPECT_EQ(AnchorTransform::anchorFromName("ANCHOR_NONE"), -1);
    EXPECT_EQ(AnchorTransform::anchorFromName("anchor_top_left"), -1);
    EXPECT_EQ(AnchorTransform::anchorFromName(""), -1);
}

TEST(AnchorTransform, BottomRightCornerAndClampedPercent)
{
    AnchorTransform t;
    t.setAnchor(AnchorTransform::kBottomRight, 100.0f, 1280, 720);
    EXPECT_EQ(t.position, glm::vec2(640.0f, -360.0f));
    t.setAnchor(AnchorTransform::kBottomRight, 150.0f, 1280, 720);
    EXPECT_EQ(t.position, glm::vec2(640.0f, -360.0f));
    t.setAnchor(AnchorTransform::kBottomRight, -20.0f, 1280, 720);
    EXPECT_EQ(t.position, glm::vec2(0.0f, 0.0f));
    t.setAnchor(AnchorTransform::kBottomRight, 90.0f, 1280, 720);
    EXPECT_FLOAT_EQ(t.position.x, 576.0f);
    EXPECT_FLOAT_EQ(t.position.y, -324.0f);
}

TEST(AnchorTransform, OddViewportsUseIntegerHalves)
{
    AnchorTransform t;
    t.setAnchor(AnchorTransform::kBottomRight, 100.0f, 1281, 721);
    EXPECT_EQ(t.position, glm::vec2(640.0f, -360.0f));
    EXPECT_EQ(t.anchorViewportWidth, 1281);
    EXPECT_EQ(t.anchorViewportHeight, 721);
    t.setAnchor(AnchorTransform::kTopCenter, 100.0f, 1281, 721);
    EXPECT_EQ(t.position, glm::vec2(0.0f, 360.0f));
    t.setAnchor(AnchorTransform::kLeftCenter, 50.0f, 1281, 721);
    EXPECT_EQ(t.position, glm::vec2(-320.0f, 0.0f));
}

TEST(AnchorTransform, UnknownAnchorLeavesTheObjectAtTheCentreAndNeverReanchors)
{
    AnchorTransform t;
    t.setPosition(12.0f, 34.0f);
    t.followViewport(800, 600);
    EXPECT_EQ(t.position, glm::vec2(12.0f, 34.0f)) << "no anchor: resizes change nothing";
    t.setAnchor(AnchorTransform::anchorFromName("ANCHOR_SIDEWAYS"), 100.0f, 1280, 720);
    EXPECT_EQ(t.position, glm::vec2(0.0f, 0.0f));
    t.setAnchor(12, 100.0f, 1280, 720);
    EXPECT_EQ(t.position, glm::vec2(0.0f, 0.0f)) << "values above 7 have no anchor point";
}

TEST(AnchorTransform, FollowsViewportChangesButKeepsExplicitPositionsUntilThen)
{
    AnchorTransform t;
    t.setAnchor(AnchorTransform::kTopLeft, 100.0f, 1280, 720);
    t.setPosition(5.0f, 5.0f);
    t.followViewport(1280, 720);
    EXPECT_EQ(t.position, glm::vec2(5.0f, 5.0f));
    t.followViewport(1920, 1080);
    EXPECT_EQ(t.position, glm::vec2(-960.0f, 540.0f));
    EXPECT_EQ(t.anchorViewportWidth, 1920);
}

TEST(AnchorTransform, CloneKeepsTheAnchor)
{
    Object source;
    auto* t = new AnchorTransform();
    t->setAnchor(AnchorTransform::kTopRight, 50.0f, 1000, 800);
    source.AddComponent(t);
    Object copy(source);
    auto* c = copy.Get<AnchorTransform>();
    EXPECT_EQ(c->anchor, AnchorTransform::kTopRight);
    EXPECT_FLOAT_EQ(c->anchorPercent, 50.0f);
    EXPECT_EQ(c->position, glm::vec2(250.0f, 200.0f));
    EXPECT_EQ(c->anchorViewportWidth, 1000);
}

TEST(Physics, VelocityMovesTheTransformEveryUpdate)
{
    Object object;
    auto* transform = new Transform();
    auto* physics = new Physics();
    physics->velocity = {10.0f, 0.0f};
    object.AddComponent(transform);
    object.AddComponent(physics);
    object.Update(0.5f);
    EXPECT_EQ(transform->position, glm::vec2(5.0f, 0.0f));
    object.Update(0.5f);
    EXPECT_EQ(transform->position, glm::vec2(10.0f, 0.0f));
    EXPECT_EQ(physics->lastPosition, glm::vec2(5.0f, 0.0f));
}

TEST(Physics, SemiImplicitEulerAndSpin)
{
    Object object;
    auto* transform = new AnchorTransform();
    transform->setPosition(1.0f, 1.0f);
    auto* physics = new Physics();
    physics->acceleration = {0.0f, -10.0f};
    physics->angularVelocity = 90.0f;
    object.AddComponent(transform);
    object.AddComponent(physics);
    transform->GetModel();
    object.Update(0.5f);
    // The new velocity (-5) already moves this step: 1 + (-5 * 0.5).
    EXPECT_FLOAT_EQ(transform->position.y, -1.5f);
    EXPECT_FLOAT_EQ(physics->velocity.y, -5.0f);
    EXPECT_FLOAT_EQ(transform->rotation, 45.0f);
    EXPECT_TRUE(transform->dirty);
}

TEST(Physics, WithoutAnyTransformNothingMovesAndItSaysSo)
{
    LogCapture log("physics_test_log.txt");
    Object object;
    auto* physics = new Physics();
    physics->velocity = {1.0f, 1.0f};
    object.AddComponent(physics);
    object.Update(1.0f);
    object.Update(1.0f);
    EXPECT_EQ(log.Count("Physics could not update due to lack of Transform component"), 2);
    EXPECT_EQ(physics->lastPosition, glm::vec2(0.0f));
}
