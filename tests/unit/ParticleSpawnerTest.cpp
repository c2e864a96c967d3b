#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/ParticleEffect.h"
#include "render/ParticleSpawner.h"

namespace {

Effect ParseEffect(const char* text)
{
    json::Document doc;
    EXPECT_TRUE(json::ParseText(text, doc).ok()) << text;
    return ReadEffect(doc);
}

// Runs the spawner with a fixed step and records the times of launches.
std::vector<float> LaunchTimes(ParticleSpawner& spawner, float seconds, float dt = 0.001f)
{
    std::vector<float> times;
    int before = spawner.ActiveCount();
    for (float t = 0; t < seconds; t += dt) {
        spawner.Update(dt, EmitterPlacement{}, false);
        int now = spawner.ActiveCount();
        for (int i = before; i < now; ++i) times.push_back(t);
        before = now;
    }
    return times;
}

std::vector<float> Gaps(const std::vector<float>& times)
{
    std::vector<float> gaps;
    for (size_t i = 1; i < times.size(); ++i) gaps.push_back(times[i] - times[i - 1]);
    return gaps;
}

}  // namespace

TEST(ParticleSpawner, FixedRateSpawnsEveryHalfSecond)
{
    Effect e = ParseEffect(R"({"spawn_type": "One_By_One", "max_particles": 100, "rate": 0.5, "life": 100})");
    ParticleSpawner spawner;
    spawner.SetEffect(&e);
    auto gaps = Gaps(LaunchTimes(spawner, 10.0f));
    ASSERT_GE(gaps.size(), 18u);
    for (float g : gaps) EXPECT_NEAR(g, 0.5f, 0.003f);
}

TEST(ParticleSpawner, RangedRateSpreadsIntervalsUniformly)
{
    Effect e = ParseEffect(R"({"max_particles": 2000, "rate": {"min": 0.2, "max": 0.4}, "life": 1000})");
    ParticleSpawner spawner;
    spawner.random.Seed(42);
    spawner.SetEffect(&e);
    auto gaps = Gaps(LaunchTimes(spawner, 200.0f));
    ASSERT_GT(gaps.size(), 500u);
    float lo = *std::min_element(gaps.begin(), gaps.end());
    float hi = *std::max_element(gaps.begin(), gaps.end());
    EXPECT_GE(lo, 0.2f - 1e-4f);
    EXPECT_LE(hi, 0.4f + 0.003f);
    EXPECT_LT(lo, 0.21f);
    EXPECT_GT(hi, 0.39f);
    int lowerHalf = static_cast<int>(std::count_if(gaps.begin(), gaps.end(), [](float g) { return g < 0.3f; }));
    EXPECT_NEAR(static_cast<double>(lowerHalf) / gaps.size(), 0.5, 0.08);
}

TEST(ParticleSpawner, OnceAllDoneWaitsForTheWholeWaveToDie)
{
    Effect e = ParseEffect(R"({"spawn_type": "Once_All_Done", "max_particles": 10, "life": {"min": 0.5, "max": 1.5}})");
    ParticleSpawner spawner;
    spawner.SetEffect(&e);
    spawner.Update(0.01f, {}, false);
    EXPECT_EQ(spawner.ActiveCount(), 10);
    int waves = 1, previous = 10;
    for (int step = 0; step < 1000; ++step) {
        spawner.Update(0.01f, {}, false);
        int now = spawner.ActiveCount();
        if (now > previous) {
            EXPECT_EQ(now, 10) << "a new wave launches all ten at once";
            EXPECT_EQ(previous, 0) << "only after the last one of the previous wave died";
            ++waves;
        }
        previous = now;
    }
    EXPECT_GE(waves, 5);
}

TEST(ParticleSpawner, OneAndDoneBurstsOncePerSetEffect)
{
    Effect e = ParseEffect(R"({"spawn_type": "One_And_Done", "max_particles": 8, "life": 0.2})");
    ParticleSpawner spawner;
    spawner.SetEffect(&e);
    EXPECT_EQ(LaunchTimes(spawner, 3.0f, 0.01f).size(), 8u);
    EXPECT_FALSE(spawner.Armed());
    EXPECT_EQ(spawner.ActiveCount(), 0);
    EXPECT_TRUE(LaunchTimes(spawner, 3.0f, 0.01f).empty());
    spawner.SetEffect(&e);
    EXPECT_EQ(LaunchTimes(spawner, 3.0f, 0.01f).size(), 8u);
}

TEST(ParticleSpawner, NByNLaunchesBurstsOfN)
{
    Effect e = ParseEffect(R"({"spawn_type": "N_By_N", "N": 3, "max_particles": 7, "rate": 0.1, "life": 100})");
    ParticleSpawner spawner;
    spawner.SetEffect(&e);
    LaunchTimes(spawner, 1.0f, 0.01f);
    EXPECT_EQ(spawner.ActiveCount(), 6) << "a seventh free particle is not enough for a burst of 3";
}

TEST(ParticleSpawner, CirclePlacementFillsTheEllipseUniformly)
{
    Effect e = ParseEffect(R"({"position_type": "Circle", "launch_type": "Outward", "spawn_type": "One_And_Done",
        "max_particles": 4000, "life": 10, "speed": 0, "position": {"x_min": -50, "x_max": 50, "y_min": -10, "y_max": 10}})");
    ParticleSpawner spawner;
    spawner.random.Seed(7);
    spawner.SetEffect(&e);
    spawner.SpawnStep(0.01f, EmitterPlacement{100.0f, 200.0f, 0.0f}, false);
    int inner = 0;
    for (int i = 0; i < spawner.pool.Size(); ++i) {
        const Particle& p = spawner.pool[i];
        ASSERT_TRUE(p.active);
        const double u = (p.position[0] - 100.0) / 50.0, v = (p.position[1] - 200.0) / 10.0;
        ASSERT_LE(u * u + v * v, 1.0 + 1e-5);
        inner += (u * u + v * v) < 0.25 ? 1 : 0;
    }
    // Uniform over the area: the half-size ellipse holds a quarter of the particles.
    EXPECT_NEAR(inner / 4000.0, 0.25, 0.03);
}

TEST(ParticleSpawner, BoxIsInWorldCoordinatesAndDirectionsFollowTheEmitter)
{
    Effect e = ParseEffect(R"({"position_type": "Box", "launch_type": "Upward", "spawn_type": "All_At_Once",
        "max_particles": 50, "life": 10, "speed": 2, "position": {"x_min": 10, "x_max": 20, "y_min": 30, "y_max": 40}})");
    ParticleSpawner spawner;
    spawner.SetEffect(&e);
    spawner.SpawnStep(10.0f, EmitterPlacement{1000.0f, 1000.0f, 90.0f}, false);
    for (int i = 0; i < spawner.pool.Size(); ++i) {
        const Particle& p = spawner.pool[i];
        EXPECT_TRUE(p.position[0] >= 10 && p.position[0] <= 20 && p.position[1] >= 30 && p.position[1] <= 40);
        EXPECT_NEAR(p.velocity[0], -2.0f, 1e-4) << "upward of an emitter turned 90 degrees is -x";
        EXPECT_NEAR(p.velocity[1], 0.0f, 1e-4);
    }
}

TEST(ParticleSpawner, LowFpsSpawnsNothing)
{
    Effect e = ParseEffect(R"({"spawn_type": "All_At_Once", "max_particles": 10, "life": 1})");
    ParticleSpawner spawner;
    spawner.SetEffect(&e);
    for (int i = 0; i < 100; ++i) spawner.Update(0.05f, {}, true);
    EXPECT_EQ(spawner.ActiveCount(), 0);
    spawner.Update(0.05f, {}, false);
    EXPECT_EQ(spawner.ActiveCount(), 10);
}

TEST(ParticleSpawner, SameSeedSameParticles)
{
    Effect e = ParseEffect(R"({"position_type": "Circle", "spawn_type": "All_At_Once", "max_particles": 5,
        "life": {"min": 1, "max": 2}, "speed": {"min": 1, "max": 9}, "position": {"x_min": -5, "x_max": 5}})");
    ParticleSpawner a, b;
    a.random.Seed(99);
    b.random.Seed(99);
    a.SetEffect(&e);
    b.SetEffect(&e);
    a.Update(0.1f, {}, false);
    b.Update(0.1f, {}, false);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(a.pool[i].position[0], b.pool[i].position[0]);
        EXPECT_EQ(a.pool[i].life, b.pool[i].life);
    }
}

TEST(ParticleSpawner, MotionFollowsVelocityAccelerationAndGrowth)
{
    Effect e = ParseEffect(R"({"spawn_type": "All_At_Once", "max_particles": 1, "life": 5, "speed": 10, "scale": 2,
        "scale_mul": 1.0, "acceleration": {"x_min": 0, "x_max": 0, "y_min": -4, "y_max": -4}})");
    ParticleSpawner spawner;
    spawner.SetEffect(&e);
    spawner.SpawnStep(1.0f, {}, false);
    spawner.Age(0.5f);
    const Particle& p = spawner.pool[0];
    EXPECT_NEAR(p.velocity[1], -2.0f, 1e-5);
    EXPECT_NEAR(p.position[0], 5.0f, 1e-5);  // forward at rotation 0 is +x
    EXPECT_NEAR(p.position[1], -1.0f, 1e-5);
    EXPECT_NEAR(p.scale, 2.0f * std::exp(0.5f), 1e-4);
    EXPECT_NEAR(p.life, 4.5f, 1e-5);
}

TEST(ParticleSpawner, HostileNumbersAreBounded)
{
    Effect huge = ParseEffect(R"({"spawn_type": "One_And_Done", "max_particles": 2000000000, "rate": -1e30,
        "life": 1e300, "N": 1e12, "scale_mul": 1e9})");
    EXPECT_EQ(huge.maxParticles, kMaxPoolParticles);
    EXPECT_LE(huge.scaleMul, kScaleMulLimit);
    Effect negative = ParseEffect(R"({"max_particles": -5, "rate": -3})");
    EXPECT_EQ(negative.maxParticles, 0);
    ParticleSpawner spawner;
    spawner.SetEffect(&huge);
    for (int i = 0; i < 10; ++i) spawner.Update(0.016f, {}, false);
    EXPECT_EQ(spawner.ActiveCount(), kMaxPoolParticles);
    ParticleSpawner other;
    other.SetEffect(&negative);
    for (int i = 0; i < 10; ++i) other.Update(0.016f, {}, false);
    EXPECT_EQ(other.ActiveCount(), 0);
}

TEST(ParticleSpawner, GrowingParticlesNeverOverflow)
{
    Effect e = ParseEffect(R"({"spawn_type": "One_And_Done", "max_particles": 1, "life": 1000, "scale": 1,
        "scale_mul": 20})");
    ParticleSpawner spawner;
    spawner.SetEffect(&e);
    spawner.SpawnStep(0.1f, {}, false);
    for (int i = 0; i < 100; ++i) spawner.Age(0.1f);
    ASSERT_EQ(spawner.ActiveCount(), 1);
    EXPECT_TRUE(std::isfinite(spawner.pool[0].scale));
    EXPECT_LE(spawner.pool[0].scale, kParticleValueLimit);
}

TEST(ParticlePool, FreeListRecyclesWithoutAllocating)
{
    Effect e = ParseEffect(R"({"max_particles": 64, "rate": 0, "life": {"min": 0.01, "max": 0.05}})");
    ParticleSpawner spawner;
    spawner.SetEffect(&e);
    const Particle* storage = spawner.pool.Data();
    for (int i = 0; i < 5000; ++i) spawner.Update(0.004f, {}, false);
    EXPECT_EQ(spawner.pool.Data(), storage);
    EXPECT_EQ(spawner.pool.Size(), 64);
    EXPECT_GT(spawner.ActiveCount(), 0);
}

TEST(ParticlePool, TakesFromTheFrontAndReturnsToTheBack)
{
    ParticlePool pool;
    pool.Reset(3);
    EXPECT_EQ(pool.TakeFront(), 0);
    EXPECT_EQ(pool.TakeFront(), 1);
    pool.ReturnBack(0);
    EXPECT_EQ(pool.TakeFront(), 2);
    EXPECT_EQ(pool.TakeFront(), 0);
    EXPECT_EQ(pool.TakeFront(), -1);
}

TEST(ParticleFileParsing, NonObjectColourPairsAreSkippedWithAMessage)
{
    LogCapture log("text_particles_test_log.txt");
    Effect e = ParseEffect(R"({"color_pairs": [1, {"start_color": [1, 0, 0, 1], "end_color": [0, 0, 1, 0]}, "red"]})");
    ASSERT_EQ(e.colorPairs.size(), 1u);
    EXPECT_FLOAT_EQ(e.colorPairs[0].start[0], 1.0f);
    EXPECT_FLOAT_EQ(e.colorPairs[0].end[3], 0.0f);
    EXPECT_EQ(log.Count("Emitter received a non-object color pair"), 2);
}

TEST(ParticleFileParsing, DefaultsAndNames)
{
    Effect e = ParseEffect(R"({"position_type": "Square", "launch_type": "Sideways", "spawn_type": "Never"})");
    EXPECT_EQ(e.name, "EFFECT_NAME_NOT_SET");
    EXPECT_EQ(e.mesh, "SquareMesh");
    EXPECT_EQ(e.positionType, PositionType::Point);
    EXPECT_EQ(e.launchType, LaunchType::Forward);
    EXPECT_EQ(e.spawnType, SpawnType::One_By_One);
    EXPECT_EQ(e.rate.min, 0.0f);
    Effect ranged = ParseEffect(R"({"speed": {"min": 3}, "life": 2.5, "N": 4, "spawn_type": "N_By_N"})");
    EXPECT_EQ(ranged.speed.min, 3.0f);
    EXPECT_EQ(ranged.speed.max, 0.0f);
    EXPECT_EQ(ranged.life.min, 2.5f);
    EXPECT_EQ(ranged.life.max, 2.5f);
    EXPECT_EQ(ranged.n, 4);
}

TEST(ParticleFileParsing, MissingFileIsReported)
{
    LogCapture log("text_particles_test_log.txt");
    ParticleFile file;
    EXPECT_FALSE(LoadParticleFile("No_Such_Particles", file));
    EXPECT_EQ(log.Count("!!! - Emitter Could Not Find json File ./Data/Particles/No_Such_Particles.json"), 1);
}
