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

namespace {

constexpr int kRoundsPerFile = 300;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFile(const fs::path& path, const std::string& text)
{
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Damages text in one of several ways a broken disk, a bad edit or a hostile file would.
class Mutator {
public:
    explicit Mutator(unsigned seed) : rng(seed) {}

    std::string operator()(std::string text)
    {
        int edits = 1 + Pick(3);
        for (int i = 0; i < edits; ++i) text = Once(std::move(text));
        return text;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    std::size_t At(const std::string& t) { return t.empty() ? 0 : static_cast<std::size_t>(Pick(static_cast<int>(t.size()))); }

    std::string Once(std::string t)
    {
        static const char* const kNumbers[] = {"99999999999", "-2147483649", "1e308", "-1e308", "-1",
                                               "0", "2000000000", "1e-320", "NaN", "Infinity"};
        static const std::string kStray = "[]{}\":,0-e.\\\n";
        switch (Pick(7)) {
        case 0:  // flip a byte
            if (!t.empty()) t[At(t)] = static_cast<char>(Pick(256));
            break;
        case 1:  // cut the file short
            t.resize(At(t));
            break;
        case 2: {  // delete a stretch
            std::size_t from = At(t);
            t.erase(from, static_cast<std::size_t>(Pick(64)));
            break;
        }
        case 3: {  // repeat a stretch
            std::size_t from = At(t);
            t.insert(from, t.substr(from, static_cast<std::size_t>(Pick(200))));
            break;
        }
        case 4:  // stray punctuation
            t.insert(At(t), 1, kStray[static_cast<std::size_t>(Pick(static_cast<int>(kStray.size())))]);
            break;
        case 5: {  // replace a number with an absurd one
            std::size_t digit = t.find_first_of("0123456789", At(t));
            if (digit == std::string::npos) break;
            std::size_t end = t.find_first_not_of("0123456789.-e", digit);
            t.replace(digit, (end == std::string::npos ? t.size() : end) - digit, kNumbers[Pick(10)]);
            break;
        }
        default:  // deep nesting at a random place
            t.insert(At(t), std::string(static_cast<std::size_t>(1 + Pick(400)), Pick(2) ? '[' : '{'));
            break;
        }
        return t;
    }

    std::mt19937 rng;
};

// Runs each shipped file of a folder (or one file) through `load` in damaged versions.
template <typename Load>
void FuzzFiles(const std::vector<fs::path>& files, Load load)
{
    ASSERT_FALSE(files.empty());
    unsigned seed = 1;
    for (const fs::path& file : files) {
        const std::string original = ReadFile(file);
        ASSERT_FALSE(original.empty()) << file;
        Mutator mutate(seed++);
        load(original);
        for (int round = 0; round < kRoundsPerFile; ++round) load(mutate(original));
    }
}

std::vector<fs::path> FilesIn(const fs::path& folder, const std::string& extension = ".json")
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

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
