// The art the game ships: every texture name the game and its data ask for exists, with the frame
// layout its users expect, and the check behind `--check-data` finds what is missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include <stb_image.h>

#include "RenderTestSupport.h"
#include "engine/Json.h"
#include "render/TextureCheck.h"

namespace fs = std::filesystem;

namespace {
struct Layout {
    int rows = 1, columns = 1;
};

// The generated list lives beside the game; only a build with the game has it.
bool GameBuilt() { return fs::exists("./primalites"); }

std::map<std::string, Layout> ReadCatalogue()
{
    std::map<std::string, Layout> out;
    json::Document doc;
    if (!json::ParseFile("./Data/TextureMaster.json", doc).ok()) return out;
    const json::Value* list = nullptr;
    if (json::GetArray(doc, "textures", list) != json::Field::Ok) return out;
    for (const auto& e : list->GetArray()) {
        std::string name;
        Layout l;
        if (!e.IsObject() || json::GetString(e, "name", name) != json::Field::Ok) continue;
        json::GetInt(e, "rows", l.rows);
        json::GetInt(e, "columns", l.columns);
        out[name] = l;
    }
    return out;
}

struct Pixels {
    int w = 0, h = 0;
    std::vector<unsigned char> rgba;
    const unsigned char* at(int x, int y) const { return &rgba[(size_t(y) * w + x) * 4]; }
};

Pixels Load(const std::string& name)
{
    Pixels p;
    int n = 0;
    stbi_set_flip_vertically_on_load(0);
    unsigned char* data = stbi_load(("./Assets/" + name + ".png").c_str(), &p.w, &p.h, &n, 4);
    if (data) {
        p.rgba.assign(data, data + size_t(p.w) * p.h * 4);
        stbi_image_free(data);
    }
    return p;
}

class TextureCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!GameBuilt()) GTEST_SKIP() << "no game build here (the art is generated with the game)";
        catalogue = ReadCatalogue();
        ASSERT_FALSE(catalogue.empty()) << "./Data/TextureMaster.json is missing or empty";
    }
    std::map<std::string, Layout> catalogue;
};

const char* const kFactions[] = {"Mages_Guild",    "Gnome_Army",    "All-Seeing_Archivists", "Vampiric_Necromancers",
                                 "Sullen_Goblins", "Skeleton_Horde", "Arcane_Cult",          "Precursor_Automata",
                                 "Mages_Division", "Guilded_Guild"};
}  // namespace

TEST_F(TextureCatalogue, EveryNameTheGameAsksForIsListedWithItsFrames)
{
    const std::map<std::string, int> frames = {
        {"default", 1}, {"Fire_Token", 1}, {"Default_Cursor", 1}, {"Fire_Tile", 1}, {"Water_Tile", 1},
        {"Earth_Tile", 1}, {"Wind_Tile", 1}, {"Aether_Tile", 1}, {"Boulder", 1}, {"Caltrop", 1},
        {"Ambrosia_Tile", 1}, {"Hot Coal", 1}, {"Training_Dummy", 1}, {"Primalite", 1}, {"Water_Token", 1},
        {"Earth_Token", 1}, {"Wind_Token", 1}, {"Empty_Token", 1}, {"Water", 1}, {"Lava", 1}, {"Wood_BG", 1},
        {"Book_Open_Torn", 1}, {"AP_BG", 1}, {"Sand_BG", 1}, {"Grass_BG", 1}, {"Didaruza_BG", 1},
        {"Evil Grass_BG", 1}, {"Tile_BG", 1}, {"Map_BG", 1}, {"Token_Sheet", 5}, {"Banners", 11},
        {"Faction_Logos", 11}, {"Team_Colors", 8}, {"Map_Thumbnails", 13}, {"Status_Effect_Icons", 5},
        {"Firework", 4}, {"Button_Frame", 1}, {"Button_Frame_Long", 1}, {"Button_Frame_Bad", 1},
        {"Button_Frame_Dossier", 1}, {"Book_Button_Frame2", 1}, {"Left Arrow", 1}, {"Right Arrow", 1},
        {"Cheat_Panel", 1}, {"Context_Panel", 1}, {"Dossier_Panel", 1}, {"Stats_Panel", 1}, {"Title_Banner", 1},
        {"Wizard_Frame", 1}, {"Button_Selector", 1}, {"AP_Frame", 1}, {"Status_Bar_AP", 1},
        {"Status_Bar_Heart", 1}, {"Turn_Counter_Panel", 1}, {"Spell_Card_Frame", 1}, {"Menu_Book", 1},
        {"MissionIcon_Complete", 1}, {"MissionIcon_Gilded", 1}, {"MissionIcon_Incomplete", 1},
        {"CampaignMap", 1}, {"CampaignMap2", 1}, {"Mysterious_Man", 1}, {"Ostrand_Logo", 1}, {"Fmod_Logo", 1},
        {"Vellum_Logo", 1}, {"Particle_Soft", 1}, {"Particle_Spark", 1}, {"Particle_Smoke", 1},
        {"Particle_Star", 1}, {"Particle_Drop", 1}, {"Particle_Leaf", 1}, {"Particle_Ember", 1},
        {"Particle_Ring", 1}, {"Projectile_Normal", 1}, {"Projectile_Fire", 1}, {"Projectile_Water", 1},
        {"Projectile_Earth", 1}, {"Projectile_Wind", 1}};
    for (const auto& [name, count] : frames) {
        auto it = catalogue.find(name);
        ASSERT_NE(it, catalogue.end()) << name;
        EXPECT_EQ(it->second.rows * it->second.columns, count) << name;
    }
    for (const char* f : kFactions) {
        ASSERT_TRUE(catalogue.count(f)) << f;
        EXPECT_EQ(catalogue[f].rows * catalogue[f].columns, 8) << f;
    }
    // Sheets with more frames than their meanings need.
    EXPECT_GE(catalogue["Spell_Card_Block"].rows * catalogue["Spell_Card_Block"].columns, 14);
    EXPECT_GE(catalogue["Arrow"].rows * catalogue["Arrow"].columns, 9);  // frames 0-1, 2, 4, 6, 8
    int biomes = 0;
    for (const auto& [name, layout] : catalogue)
        if (name.size() > 5 && name.compare(name.size() - 5, 5, "_Tile") == 0) ++biomes;
    EXPECT_GE(biomes, 5 + 8 + 1);  // elements, aether, eight biomes, ambrosia
}

TEST_F(TextureCatalogue, EveryListedImageExistsAndSplitsIntoItsFrames)
{
    for (const auto& [name, layout] : catalogue) {
        Pixels p = Load(name);
        ASSERT_GT(p.w, 0) << name << " cannot be decoded";
        EXPECT_EQ(p.w % layout.columns, 0) << name;
        EXPECT_EQ(p.h % layout.rows, 0) << name;
    }
    EXPECT_TRUE(texturecheck::Check(".").empty());
}

TEST_F(TextureCatalogue, TeamColourSwatchesHoldTheExactColours)
{
    // The team colours of the setup screen; the swatch shows them as the sprite shader does,
    // each channel as the nearest byte of value x 255.
    const float colours[8][3] = {{0.90625f, 0.23046875f, 0.23046875f}, {0.30078125f, 0.39453125f, 0.703125f},
                                 {0.97265625f, 0.7578125f, 0.16796875f}, {0.1171875f, 0.734375f, 0.44921875f},
                                 {0.5625f, 0.3671875f, 0.66015625f},    {0.92578125f, 0.5f, 0.59765625f},
                                 {0.96484375f, 0.5859375f, 0.08984375f}, {0.55859375f, 0.82421875f, 0.99609375f}};
    Pixels p = Load("Team_Colors");
    ASSERT_EQ(p.w % 8, 0);
    int cell = p.w / 8;
    for (int i = 0; i < 8; ++i) {
        const unsigned char* c = p.at(i * cell + cell / 2, p.h / 2);
        for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(c[ch], std::lround(colours[i][ch] * 255)) << i << "/" << ch;
    }
}

TEST_F(TextureCatalogue, FactionSheetsMarkTeamColourAndDifferFromEachOther)
{
    std::set<std::vector<unsigned char>> fronts;
    for (const char* f : kFactions) {
        Pixels p = Load(f);
        ASSERT_GT(p.w, 0) << f;
        int cell = p.w / 8;
        for (int frame = 0; frame < 8; ++frame) {
            int team = 0, opaque = 0, clearCorners = 0;
            for (int y = 0; y < p.h; ++y)
                for (int x = frame * cell; x < (frame + 1) * cell; ++x) {
                    const unsigned char* c = p.at(x, y);
                    if (c[3] == 0) continue;
                    ++opaque;
                    if (c[1] == 0 && c[0] == c[2] && c[0] > 0) ++team;
                }
            for (auto [x, y] : {std::pair{0, 0}, {cell - 1, 0}}) clearCorners += p.at(frame * cell + x, y)[3] == 0;
            EXPECT_GT(team, 20) << f << " frame " << frame << " has no team colour";
            EXPECT_GT(opaque, 300) << f << " frame " << frame;
            EXPECT_EQ(clearCorners, 2) << f << " frame " << frame << " needs a transparent background";
        }
        std::vector<unsigned char> front;
        for (int y = 0; y < p.h; ++y)
            for (int x = cell; x < 2 * cell; ++x) front.insert(front.end(), p.at(x, y), p.at(x, y) + 4);
        EXPECT_TRUE(fronts.insert(front).second) << f << " looks like another faction";
    }
}

TEST_F(TextureCatalogue, OnlyFactionArtUsesTheTeamColour)
{
    // Magenta is reserved: anything else painted in it would be recoloured by the sprite shader.
    std::set<std::string> allowed(std::begin(kFactions), std::end(kFactions));
    allowed.insert("Banners");
    for (const auto& [name, layout] : catalogue) {
        if (allowed.count(name)) continue;
        Pixels p = Load(name);
        int team = 0;
        for (int i = 0; i < p.w * p.h; ++i) {
            const unsigned char* c = &p.rgba[size_t(i) * 4];
            if (c[3] > 0 && c[1] == 0 && c[0] == c[2] && c[0] > 40) ++team;
        }
        EXPECT_EQ(team, 0) << name;
    }
}

TEST_F(TextureCatalogue, GroundTilesAreOpaqueAndObjectsStandOnClearBackgrounds)
{
    for (const char* tile : {"Fire_Tile", "Water_Tile", "Earth_Tile", "Wind_Tile", "Aether_Tile", "Grass_Tile"}) {
        Pixels p = Load(tile);
        ASSERT_EQ(p.w, 64) << tile;
        ASSERT_EQ(p.h, 64) << tile;
        for (int i = 0; i < 64 * 64; ++i) ASSERT_EQ(p.rgba[size_t(i) * 4 + 3], 255) << tile;
    }
    for (const char* sprite : {"Boulder", "Caltrop", "Hot Coal", "Training_Dummy", "Primalite", "Fire_Token"}) {
        Pixels p = Load(sprite);
        ASSERT_GT(p.w, 0) << sprite;
        EXPECT_EQ(p.at(0, 0)[3], 0) << sprite;
        EXPECT_EQ(p.at(p.w - 1, 0)[3], 0) << sprite;
    }
    Pixels cursor = Load("Default_Cursor");
    ASSERT_GT(cursor.w, 0);
    EXPECT_GT(cursor.at(0, 0)[3], 0) << "the pointer's tip (its hot spot) is the top-left pixel";
}

TEST_F(TextureCatalogue, ShippedDataAndCodeNameOnlyListedTextures)
{
    std::vector<std::string> problems;
    for (const auto& ref : texturecheck::ReferencedTextures(SOURCE_DATA_DIR, problems)) {
        if (ref.loadedByName) continue;
        EXPECT_TRUE(catalogue.count(ref.name)) << ref.file << " uses " << ref.name;
    }
    // Literal names handed to the texture library in the game's code.
    std::regex call(R"re((?:grab_texture|setTexture|add_texture)\(\s*"([^"]+)")re");
    std::smatch sample;
    std::string line = R"(texture = library->grab_texture("Hot Coal");)";
    ASSERT_TRUE(std::regex_search(line, sample, call));
    ASSERT_EQ(sample[1], "Hot Coal");
    fs::path src = fs::path(SOURCE_DATA_DIR) / ".." / "src";
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(src, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (it->path().extension() != ".cpp" && it->path().extension() != ".h") {
            continue;
        }
        std::ifstream in(it->path());
        std::stringstream ss;
        ss << in.rdbuf();
        std::string text = ss.str();
        for (std::sregex_iterator m(text.begin(), text.end(), call), end; m != end; ++m) {
            std::string name = (*m)[1];
            if (name == "None" || name.rfind("Fonts/", 0) == 0 || name.rfind("How To Play/", 0) == 0) continue;
            EXPECT_TRUE(catalogue.count(name)) << it->path() << " asks for " << name;
        }
    }
}

// The check itself, on a small made-up game folder.
class TextureCheckFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("texture_check_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "Data" / "Levels");
        fs::create_directories(root / "Data" / "Particles");
        fs::create_directories(root / "Assets");
    }
    void TearDown() override { fs::remove_all(root); }
    void Write(const fs::path& rel, const std::string& text) { std::ofstream(root / rel) << text; }
    // A real, decodable picture under `rel`.
    void WritePng(const fs::path& rel) { fs::copy_file(fs::path(TEST_DATA_DIR) / "render/Assets/default.png", root / rel); }
    fs::path root;
};

TEST_F(TextureCheckFolder, EveryListedImageIsDecoded)
{
    Write("Data/TextureMaster.json", R"({"textures": ["default", "Empty", "Cut", "Huge", "Fine"]})");
    WritePng("Assets/default.png");
    WritePng("Assets/Fine.png");
    Write("Assets/Empty.png", "");
    std::ifstream whole(fs::path(TEST_DATA_DIR) / "render/Assets/default.png", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    Write("Assets/Cut.png", bytes.substr(0, bytes.size() / 2));
    Write("Assets/Huge.png", HeaderOnlyPng(5000, 5000));
    auto problems = texturecheck::Check(root.string());
    std::string all;
    for (auto& p : problems) all += p + "\n";
    EXPECT_NE(all.find("Empty.png cannot be decoded"), std::string::npos) << all;
    EXPECT_NE(all.find("Cut.png cannot be decoded"), std::string::npos) << all;
    EXPECT_NE(all.find("Huge.png cannot be decoded: image too large"), std::string::npos) << all;
    EXPECT_EQ(all.find("Fine.png"), std::string::npos) << all;
    EXPECT_EQ(problems.size(), 3u) << all;
}

TEST_F(TextureCheckFolder, ReportsMissingImagesAndUnknownNames)
{
    Write("Data/TextureMaster.json", R"({"textures": ["default", {"name": "Grass_Tile", "rows": 1}, 7]})");
    WritePng("Assets/default.png");
    Write("Data/Levels/Isle.json", R"({"tiles": [{"biome": "Grass_Tile"}, {"biome": "Elemental"}],
                                       "objects": [{"object": "Boulder"}]})");
    Write("Data/Particles/spark.json", R"({"effects": [{"texture": "Particle_Spark"}]})");
    auto problems = texturecheck::Check(root.string());
    std::string all;
    for (auto& p : problems) all += p + "\n";
    EXPECT_NE(all.find("\"Grass_Tile\" is listed in TextureMaster but ./Assets/Grass_Tile.png is missing"), std::string::npos) << all;
    EXPECT_NE(all.find("an entry is neither a name nor an object"), std::string::npos) << all;
    EXPECT_NE(all.find("Levels/Isle.json uses the texture \"Boulder\""), std::string::npos) << all;
    EXPECT_NE(all.find("Particles/spark.json uses the texture \"Particle_Spark\""), std::string::npos) << all;
    EXPECT_EQ(all.find("Elemental"), std::string::npos) << all;
    EXPECT_EQ(problems.size(), 4u) << all;
}

TEST_F(TextureCheckFolder, ALevelsOwnListMayProvideItsTextures)
{
    Write("Data/TextureMaster.json", R"({"textures": ["default"]})");
    WritePng("Assets/default.png");
    WritePng("Assets/Crypt_Tile.png");
    Write("Data/Crypt.json", R"({"textures": ["Crypt_Tile", "Lost_Tile"]})");
    Write("Data/Levels/Crypt.json", R"({"tiles": [{"biome": "Crypt_Tile"}]})");
    auto problems = texturecheck::Check(root.string());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("Crypt.json uses the texture \"Lost_Tile\", which has no image"), std::string::npos)
        << problems[0];
}

TEST_F(TextureCheckFolder, AMissingOrBrokenListIsOneProblemNotACrash)
{
    EXPECT_EQ(texturecheck::Check(root.string()).size(), 2u);  // no list, no default.png
    Write("Data/TextureMaster.json", "{\"textures\": [");
    WritePng("Assets/default.png");
    auto problems = texturecheck::Check(root.string());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("TextureMaster.json"), std::string::npos);
}
