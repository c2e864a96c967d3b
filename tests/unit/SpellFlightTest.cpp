// The projectile always lands: self casts at once, long flights by arrival, broken numbers and
// stalled flights by their own checks; the sprite turns to point along its path.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "spells/Spell.h"
#include "spells/SpellFlight.h"

namespace {

float FlightSeconds(Projectile& p, float dt, int maxFrames = 100000)
{
    for (int frame = 1; frame <= maxFrames; ++frame)
        if (p.Advance(dt)) return static_cast<float>(frame) * dt;
    return -1.0f;
}

TEST(SpellFlight, SelfCastResolvesAtTheFirstUpdate)
{
    Spell spell;
    Projectile p;
    ASSERT_TRUE(p.Launch(spell, {64.0f, -128.0f}, {64.0f, -128.0f}));
    EXPECT_TRUE(p.active);
    EXPECT_EQ(p.velocity, glm::vec2(0.0f));
    EXPECT_TRUE(std::isfinite(p.rotation));
    EXPECT_TRUE(p.Advance(1.0f / 60.0f));
}

TEST(SpellFlight, ThreeTilesAwayLandsInTime)
{
    Spell spell;
    Projectile p;
    ASSERT_TRUE(p.Launch(spell, {0.0f, 0.0f}, {192.0f, 0.0f}));
    EXPECT_FLOAT_EQ(p.velocity.x, 400.0f);
    float seconds = FlightSeconds(p, 1.0f / 60.0f);
    EXPECT_GT(seconds, 0.4f);
    EXPECT_LE(seconds, 0.55f);
    // A huge frame overshoots; passing the target resolves it as well.
    ASSERT_TRUE(p.Launch(spell, {0.0f, 0.0f}, {0.0f, -640.0f}));
    EXPECT_TRUE(p.Advance(5.0f));
}

TEST(SpellFlight, BrokenNumbersAndStalledFlightsResolve)
{
    Spell spell;
    Projectile p;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(p.Launch(spell, {nan, 0.0f}, {64.0f, 0.0f}));
    EXPECT_FALSE(p.active);
    ASSERT_TRUE(p.Launch(spell, {0.0f, 0.0f}, {640.0f, 0.0f}));
    EXPECT_TRUE(p.Advance(nan));
    ASSERT_TRUE(p.Launch(spell, {0.0f, 0.0f}, {640.0f, 0.0f}));
    p.position.x = nan;
    EXPECT_TRUE(p.Advance(0.016f));
    // Something outside the flight slowed the projectile: the time limit ends it.
    ASSERT_TRUE(p.Launch(spell, {0.0f, 0.0f}, {640.0f, 0.0f}));
    p.velocity = {1.0f, 0.0f};  // crawling: neither arrives nor passes
    float seconds = FlightSeconds(p, 0.016f);
    EXPECT_GT(seconds, 0.0f);
    EXPECT_LE(seconds, 640.0f / 400.0f + 0.5f + 0.02f);
}

TEST(SpellFlight, RotationAndColour)
{
    Spell spell;
    spell.useElementColor = true;
    spell.element = ElementType::Fire;
    Projectile p;
    ASSERT_TRUE(p.Launch(spell, {0.0f, 0.0f}, {128.0f, 0.0f}));
    EXPECT_NEAR(p.rotation, -90.0f, 1e-4f);  // flying towards +x: the up-pointing sprite turns right
    ASSERT_TRUE(p.Launch(spell, {0.0f, 0.0f}, {0.0f, 128.0f}));
    EXPECT_NEAR(p.rotation, 0.0f, 1e-3f);
    EXPECT_EQ(p.colour, glm::vec4(0.9140625f, 0.30859375f, 0.2109375f, 1.0f));
    spell.useElementColor = false;
    spell.spinning = true;
    ASSERT_TRUE(p.Launch(spell, {0.0f, 0.0f}, {128.0f, 0.0f}));
    EXPECT_EQ(p.colour, glm::vec4(1.0f));
    EXPECT_EQ(p.angularVelocity, 720.0f);
    p.Advance(0.125f);
    EXPECT_NEAR(p.rotation, 90.0f, 1e-3f);
}

}  // namespace
