// Every loader is fed many damaged versions of the files we ship: flipped bytes, cut-off files,
// repeated or deleted stretches, stray brackets and absurd numbers. None may crash, hang or let
// a hostile number through; the sanitizer build turns any memory fault into a failure.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FuzzSupport.h"
#include "audio/AudioAssetCheck.h"
#include "engine/DataCheck.h"
#include "engine/Json.h"
#include "meta/ConfigFile.h"
#include "meta/PlayerProfile.h"
#include "render/Emitter.h"
#include "render/Font.h"
#include "render/Mesh.h"
#include "render/ParticleEffect.h"
#include "render/ParticlePool.h"
#include "render/TextureList.h"

namespace fs = std::filesystem;
using fuzz::FilesIn;
using fuzz::FuzzFiles;
using fuzz::ReadFile;
using fuzz::WriteFile;

namespace {

// A scratch folder the loaders that read "./Data/..." are pointed at for the duration of a test.
class ScratchGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        shipped = fs::current_path();
        root = fs::temp_directory_path() / ("primalites-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(root);
        fs::current_path(root);
    }
    void TearDown() override
    {
        fs::current_path(shipped);
        fs::remove_all(root);
    }
    fs::path shipped, root;
};

}  // namespace

TEST(LoaderFuzz, JsonReaderSurvivesDamagedFiles)
{
    FuzzFiles(FilesIn(fs::path(SOURCE_DATA_DIR) / "Particles"), [](const std::string& text) {
        json::Document doc;
        json::Result r = json::ParseText(text, doc);
        if (r.ok()) EXPECT_LE(json::Depth(doc), json::kMaxDepth);
        else EXPECT_TRUE(doc.IsNull());
    });
}

TEST(LoaderFuzz, MeshesAndTextureLists)
{
    FuzzFiles(FilesIn(fs::path(SOURCE_DATA_DIR) / "Meshes"), [](const std::string& text) {
        for (int layout : {0, 1}) MeshData::FromText(text, layout);
    });
    FuzzFiles({fs::path("Data") / "TextureMaster.json"}, [](const std::string& text) {
        TextureList list = TextureList::FromText(text);
        for (const auto& entry : list.entries) EXPECT_FALSE(entry.name.empty() && entry.rows < 1);
    });
}

TEST_F(ScratchGame, ParticleFilesNeverRunAway)
{
    int effectsRun = 0;
    FuzzFiles(FilesIn(shipped / "Data" / "Particles"), [&effectsRun](const std::string& text) {
        WriteFile("Data/Particles/Fuzz.json", text);
        ParticleFile file;
        LoadParticleFile("Fuzz", file);
        Emitter emitter("Fuzz");
        for (const auto& effect : file.effects) {
            emitter.SetEffect(effect.name);
            ++effectsRun;
            for (int frame = 0; frame < 5; ++frame) emitter.Update(0.1f);
            EXPECT_LE(emitter.LiveParticles(), kMaxPoolParticles);
        }
    });
    // Many damaged files still load in part; those effects must have run, not just the rejects.
    EXPECT_GT(effectsRun, 500);
}

TEST_F(ScratchGame, FontDescriptions)
{
    fs::create_directories("Assets/Fonts");
    fs::copy_file(shipped / "Assets" / "Fonts" / "Alagard.png", "Assets/Fonts/Alagard.png");
    FuzzFiles({shipped / "Data" / "Fonts" / "Alagard.json"}, [](const std::string& text) {
        WriteFile("Data/Fonts/Alagard.json", text);
        FontLibrary fonts;
        fonts.add_font("Alagard");
        fonts.grab_font("Alagard");
    });
}

TEST_F(ScratchGame, AudioAssetList)
{
    FuzzFiles({shipped / "Data" / "AudioAssets.json"}, [](const std::string& text) {
        WriteFile("Data/AudioAssets.json", text);
        datacheck::Problems problems;
        audio::CheckAssetList("Data/AudioAssets.json", problems);
    });
}

TEST_F(ScratchGame, ConfigAndProfileFiles)
{
    UserConfigRecord defaults;
    std::string config = R"({"FULLSCREEN": false, "RESOLUTION": 3, "SENSITIVITY": 2, "MUSIC": true, "SFX": false,
        "HEALTHBARS": true, "HIGHCONTRAST": false, "LOWFPS": false, "HARDWARECURSOR": true, "EXTRA": [1, {"a": 2}]})";
    WriteFile("seed/Config.json", config);
    FuzzFiles({"seed/Config.json"}, [](const std::string& text) {
        WriteFile("Config.json", text);
        UserConfigRecord loaded;
        LoadConfigFile("Config.json", MonitorSize{1920, 1080}, loaded);
        EXPECT_GE(loaded.resolution, -2147483647 - 1);
        fs::remove("Config.json.bad");
    });
    WriteFile("seed/Profile.json", R"({"games_won": 4, "unlock_forest": true, "level1_complete": 2, "x": null})");
    FuzzFiles({"seed/Profile.json"}, [](const std::string& text) {
        WriteFile("Profile.json", text);
        PlayerProfileRecord profile;
        LoadProfileFile("Profile.json", profile);
        fs::remove("Profile.json.bad");
    });
}
