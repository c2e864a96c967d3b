#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "meta/Config.h"
#include "objects/Physics.h"
#include "objects/Transform.h"
#include "render/Emitter.h"

// These read the shipped particle files from the build folder's Data/.

TEST(Emitter, ReadsTheFileAndItsEffectsInOrder)
{
    Emitter emitter("Primalite");
    EXPECT_EQ(emitter.name, "Primalite");
    ASSERT_EQ(emitter.effectNames.size(), 5u);
    EXPECT_EQ(emitter.effectNames[0], "Shimmer");
    EXPECT_NE(emitter.GetEffect("Claim_Wind"), nullptr);
    EXPECT_EQ(emitter.GetEffect("Claim_Aether"), nullptr);
    EXPECT_EQ(emitter.CurrentEffect(), nullptr);
}

TEST(Emitter, UnknownEffectKeepsTheCurrentOneWithOneLine)
{
    LogCapture log("text_particles_test_log.txt");
    Emitter emitter("Wizard_Effects");
    emitter.SetEffect("burned");
    for (int i = 0; i < 30; ++i) emitter.Update(0.05f);
    const int live = emitter.LiveParticles();
    EXPECT_GT(live, 0);
    emitter.SetEffect("haunted");
    EXPECT_EQ(emitter.CurrentEffect(), emitter.GetEffect("burned"));
    EXPECT_EQ(emitter.LiveParticles(), live) << "the pool was not rebuilt";
    EXPECT_EQ(log.Count("haunted"), 1);
}

TEST(Emitter, MissingFileLeavesAnEmitterWithoutEffects)
{
    LogCapture log("text_particles_test_log.txt");
    Emitter emitter("Not_A_Particle_File");
    EXPECT_TRUE(emitter.effects.empty());
    emitter.SetEffect("anything");
    emitter.Update(0.1f);
    emitter.Draw();
    EXPECT_EQ(log.Count("!!! - Emitter Could Not Find json File ./Data/Particles/Not_A_Particle_File.json"), 1);
}

TEST(Emitter, ParticlesStartAtTheEmitter)
{
    Emitter emitter("Spellshot");
    emitter.Seed(3);
    emitter.setPosition(500.0f, -200.0f);
    emitter.SetEffect("Cast_Fire");
    emitter.Update(0.1f);
    ASSERT_GT(emitter.LiveParticles(), 0);
}

TEST(Emitter, LowFpsStopsParticlesButNotTheEmittersOwnMotion)
{
    const bool saved = UserConfig.lowFps;
    UserConfig.lowFps = true;
    Emitter emitter("firework");
    emitter.visible = true;
    emitter.Get<Physics>()->velocity = glm::vec2(10.0f, 0.0f);
    emitter.SetEffect("firework");
    for (int i = 0; i < 20; ++i) emitter.Update(0.5f);
    EXPECT_EQ(emitter.LiveParticles(), 0);
    EXPECT_NEAR(emitter.Get<Transform>()->position.x, 100.0f, 1e-3f);
    UserConfig.lowFps = saved;
}

TEST(Emitter, StopLetsLiveParticlesDieOut)
{
    Emitter emitter("Tile_Effects");
    emitter.SetEffect("flaming");
    for (int i = 0; i < 20; ++i) emitter.Update(0.05f);
    EXPECT_TRUE(emitter.Running());
    emitter.Stop();
    EXPECT_FALSE(emitter.Running());
    for (int i = 0; i < 60; ++i) emitter.Update(0.05f);
    EXPECT_EQ(emitter.LiveParticles(), 0);
}

TEST(Emitter, ObjectsOwnEmittersByName)
{
    Object tile;
    Emitter* reaction = tile.addEmitter<Emitter>("Tile_Effects", "reaction");
    tile.addEmitter<Emitter>("Tile_Effects", "status");
    EXPECT_EQ(tile.getEmitter<Emitter>("reaction"), reaction);
    EXPECT_NE(tile.getEmitter<Emitter>("status"), reaction);
    EXPECT_EQ(tile.getEmitter<Emitter>("Tile_Effects"), nullptr);
}

TEST(Emitter, ShippedFilesDefineEveryEffectTheGameAsksFor)
{
    for (const auto& [file, names] : GameParticleEffects()) {
        Emitter emitter(file);
        for (const std::string& name : names) {
            const Effect* effect = emitter.GetEffect(name);
            ASSERT_NE(effect, nullptr) << file << " / " << name;
            EXPECT_GT(effect->maxParticles, 0) << name;
            EXPECT_GT(effect->life.max, 0.0f) << name;
            EXPECT_FALSE(effect->colorPairs.empty()) << name;
            // Every effect shows something within a few seconds of being chosen.
            emitter.SetEffect(name);
            int most = 0;
            for (int i = 0; i < 200 && most == 0; ++i) {
                emitter.Update(0.02f);
                most = std::max(most, emitter.LiveParticles());
            }
            EXPECT_GT(most, 0) << file << " / " << name << " never spawns";
        }
    }
}
