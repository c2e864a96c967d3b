#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "objects/Transform.h"
#include "render/Text.h"
#include "ui/FloatingTexts.h"

namespace {

std::unique_ptr<Object> WorldObject(float x, float y)
{
    auto object = std::make_unique<Object>();
    auto* placement = new Transform();
    placement->setPosition(x, y);
    object->AddComponent(placement);
    return object;
}

glm::vec2 TextPosition(const FloatingTextLayer::Entry& entry)
{
    return entry.text->Placement()->position;
}

}  // namespace

TEST(FloatingTexts, TextsAtOneSpotAppearHalfASecondApart)
{
    FloatingTextLayer layer;
    const glm::vec2 spot(64.0f, -128.0f);
    ASSERT_TRUE(layer.Add("one", spot, 2.5f, 20.0f, 1));
    ASSERT_TRUE(layer.Add("two", spot, 2.5f, 20.0f, 1));
    ASSERT_TRUE(layer.Add("three", spot, 2.5f, 20.0f, 1));
    ASSERT_TRUE(layer.Add("elsewhere", spot + glm::vec2(64.0f, 0.0f), 2.5f, 20.0f, 1));
    EXPECT_FLOAT_EQ(layer.Waiting()[0].delay, 0.0f);
    EXPECT_FLOAT_EQ(layer.Waiting()[1].delay, 0.5f);
    EXPECT_FLOAT_EQ(layer.Waiting()[2].delay, 1.0f);
    EXPECT_FLOAT_EQ(layer.Waiting()[3].delay, 0.0f) << "another spot does not queue";
    // dt = 1/8 is exact in binary, so the appearance times are exact too.
    std::vector<float> appeared;
    float t = 0.0f;
    std::size_t seen = 0;
    // t is the time since the texts were made, at the end of each update.
    for (int frame = 0; frame < 12; ++frame) {
        t += 0.125f;
        layer.Update(0.125f);
        for (; seen < layer.Shown().size(); ++seen) appeared.push_back(t);
    }
    ASSERT_EQ(appeared.size(), 4u);
    EXPECT_FLOAT_EQ(appeared[0], 0.125f) << "at once: the first frame after it was made";
    EXPECT_FLOAT_EQ(appeared[1], 0.125f);
    EXPECT_FLOAT_EQ(appeared[2], 0.5f);
    EXPECT_FLOAT_EQ(appeared[3], 1.0f);
}

TEST(FloatingTexts, RisesOneHundredFiftyAndIsTransparentWhenItGoes)
{
    FloatingTextLayer layer;
    layer.Add("-5", glm::vec2(10.0f, 20.0f), 2.5f, 20.0f, 3);
    float lastAlpha = 1.0f;
    glm::vec2 lastPosition(0.0f);
    int frames = 0;
    do {
        layer.Update(0.05f);
        if (!layer.Shown().empty()) {
            const auto& entry = layer.Shown()[0];
            EXPECT_LE(entry.text->color.a, lastAlpha) << "the fade only goes down";
            lastAlpha = entry.text->color.a;
            lastPosition = TextPosition(entry);
            EXPECT_EQ(entry.text->color.r, 1.0f);
            EXPECT_EQ(entry.text->color.g, 1.0f) << "code 3 is yellow";
        }
        ++frames;
    } while ((!layer.Shown().empty() || !layer.Waiting().empty()) && frames < 1000);
    EXPECT_LT(frames, 60) << "2.5 s at 20 frames a second, plus the frame that removes it";
    EXPECT_NEAR(lastAlpha, 0.0f, 1e-5f);
    EXPECT_NEAR(lastPosition.x, 10.0f, 1e-4f);
    EXPECT_NEAR(lastPosition.y, 170.0f, 1e-3f);
}

TEST(FloatingTexts, LifetimesOfZeroNegativeOrNaNCreateNothing)
{
    FloatingTextLayer layer;
    EXPECT_FALSE(layer.Add("a", glm::vec2(0.0f), 0.0f, 20.0f, 0));
    EXPECT_FALSE(layer.Add("b", glm::vec2(0.0f), -1.0f, 20.0f, 0));
    EXPECT_FALSE(layer.Add("c", glm::vec2(0.0f), std::nanf(""), 20.0f, 0));
    EXPECT_FALSE(layer.Add("d", glm::vec2(0.0f), INFINITY, 20.0f, 0));
    EXPECT_FALSE(layer.Add("e", static_cast<const Object*>(nullptr), 2.5f, 20.0f, 0));
    EXPECT_TRUE(layer.Waiting().empty());
    EXPECT_TRUE(layer.Shown().empty());
}

TEST(FloatingTexts, ColourCodes)
{
    EXPECT_EQ(FloatingTextLayer::ColorFor(0), glm::vec4(1.0f, 1.0f, 1.0f, 1.0f));
    EXPECT_EQ(FloatingTextLayer::ColorFor(1), glm::vec4(1.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(FloatingTextLayer::ColorFor(2), glm::vec4(0.0f, 1.0f, 0.0f, 1.0f));
    EXPECT_EQ(FloatingTextLayer::ColorFor(3), glm::vec4(1.0f, 1.0f, 0.0f, 1.0f));
    EXPECT_EQ(FloatingTextLayer::ColorFor(4), glm::vec4(1.0f, 0.5f, 0.0f, 1.0f));
    EXPECT_EQ(FloatingTextLayer::ColorFor(5), glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(FloatingTextLayer::ColorFor(-1), glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
}

TEST(FloatingTexts, FollowsItsObjectAndStaysPutWhenTheObjectIsDestroyed)
{
    FloatingTextLayer layer;
    auto dummy = WorldObject(100.0f, 50.0f);
    ASSERT_TRUE(layer.Add("Burned: -5 HP", dummy.get(), 2.0f, 20.0f, 1));
    layer.Update(0.1f);
    dummy->Get<Transform>()->setPosition(200.0f, 50.0f);
    layer.Update(0.1f);
    ASSERT_EQ(layer.Shown().size(), 1u);
    EXPECT_NEAR(TextPosition(layer.Shown()[0]).x, 200.0f, 1e-4f) << "moves with the object";
    dummy.reset();
    EXPECT_EQ(layer.Shown()[0].follow, nullptr);
    float y = TextPosition(layer.Shown()[0]).y;
    for (int frame = 0; frame < 10; ++frame) {
        layer.Update(0.1f);  // under AddressSanitizer a dangling read would be reported here
        const glm::vec2 now = TextPosition(layer.Shown()[0]);
        EXPECT_NEAR(now.x, 200.0f, 1e-4f);
        EXPECT_NEAR(now.y - y, 150.0f * 0.1f / 2.0f, 1e-3f) << "only the rise moves it";
        y = now.y;
    }
}

TEST(FloatingTexts, ClearDropsBothListsAndLayersCanComeAndGo)
{
    auto object = WorldObject(0.0f, 0.0f);
    {
        FloatingTextLayer layer;
        layer.Add("x", glm::vec2(0.0f), 1.0f, 20.0f, 0);
        layer.Add("y", glm::vec2(0.0f), 1.0f, 20.0f, 0);
        layer.Add("z", object.get(), 1.0f, 20.0f, 0);
        layer.Update(0.1f);
        EXPECT_FALSE(layer.Shown().empty());
        EXPECT_FALSE(layer.Waiting().empty());
        layer.Clear();
        EXPECT_TRUE(layer.Shown().empty());
        EXPECT_TRUE(layer.Waiting().empty());
        layer.Add("w", object.get(), 1.0f, 20.0f, 0);
    }
    object.reset();  // no layer is left to tell
    SUCCEED();
}
