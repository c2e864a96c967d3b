// Particle files are read once per run and shared; every emitter still gets its own effect table.
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/Emitter.h"

namespace fs = std::filesystem;

namespace {

class ParticleCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("primalites_particle_cache_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "Data" / "Particles");
        fs::copy_file(fs::path(SOURCE_DATA_DIR) / "Particles" / "Tile_Effects.json",
                      root / "Data" / "Particles" / "Cached_Tiles.json");
        home = fs::current_path();
        fs::current_path(root);
        log = std::make_unique<LogCapture>((root / "Log.txt").string());
    }
    void TearDown() override
    {
        log.reset();
        fs::current_path(home);
        fs::remove_all(root);
    }
    fs::path root, home;
    std::unique_ptr<LogCapture> log;
};

}  // namespace

TEST_F(ParticleCache, FileIsReadOnceForEveryEmitter)
{
    std::vector<std::unique_ptr<Emitter>> map;
    for (int i = 0; i < 50; ++i) map.push_back(std::make_unique<Emitter>("Cached_Tiles"));
    ASSERT_GT(map.front()->effectNames.size(), 1u);
    fs::remove(root / "Data" / "Particles" / "Cached_Tiles.json");
    Emitter late("Cached_Tiles");
    EXPECT_EQ(late.effectNames, map.front()->effectNames) << "the 51st emitter did not read the file again";
    EXPECT_NE(late.GetEffect("Hit_Normal"), nullptr);
    EXPECT_FALSE(log->Has("Could Not Find json File"));
}

TEST_F(ParticleCache, EditingOneEmittersEffectLeavesTheOthers)
{
    Emitter first("Cached_Tiles");
    Emitter second("Cached_Tiles");
    ASSERT_NE(first.GetEffect("Hit_Normal"), nullptr);
    const int before = second.GetEffect("Hit_Normal")->maxParticles;
    first.GetEffect("Hit_Normal")->maxParticles = before + 7;
    EXPECT_EQ(second.GetEffect("Hit_Normal")->maxParticles, before);
    Emitter third("Cached_Tiles");
    EXPECT_EQ(third.GetEffect("Hit_Normal")->maxParticles, before);
}

TEST_F(ParticleCache, MissingFileIsReportedForEachEmitter)
{
    Emitter one("Not_There");
    Emitter two("Not_There");
    EXPECT_EQ(log->Count("!!! - Emitter Could Not Find json File ./Data/Particles/Not_There.json"), 2);
    EXPECT_TRUE(one.effectNames.empty());
}

TEST_F(ParticleCache, EmittersShareTheEffectMesh)
{
    Emitter first("Cached_Tiles");
    Emitter second("Cached_Tiles");
    first.SetEffect("Hit_Normal");
    second.SetEffect("Hit_Normal");
    ASSERT_NE(first.EffectMesh(), nullptr);
    EXPECT_EQ(first.EffectMesh(), second.EffectMesh());
}
