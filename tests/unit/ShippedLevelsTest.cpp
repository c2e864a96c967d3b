// The fourteen levels the game ships: each is read straight from ./Data/Levels with the shared
// JSON reader (not with the battle's own loader) and held to the rules a level must keep to be
// loadable, fair and playable: sizes, arrays, templates, wizard starts, the elements and team
// sizes of the setup screen's map table, textures, mirrored starts, tokens within reach, and the
// tutorial's numbers. A few broken fixtures show that each rule really catches its fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <stb_image.h>

#include "ShippedLevelRules.h"
#include "engine/Json.h"
#include "render/TextureList.h"

namespace fs = std::filesystem;
using namespace shipped_levels;

namespace {

// What the setup screen's map table and the campaign promise for each level.
struct Expected {
    const char* name;
    int players;
    int teamSize;
    std::vector<std::string> elements;
    int background;
    Mirror mirror;
    int enemyGap;  // fewest steps between two enemies at the start: 6 on short maps, else 8
};

// Test names and failure lines show a level by its name.
void PrintTo(const Expected& e, std::ostream* os) { *os << e.name; }

const std::vector<std::string> kAll{"normal", "fire", "water", "earth", "wind"};

const std::vector<Expected>& Table()
{
    static const std::vector<Expected> table{
        {"SquareIsland", 2, 3, kAll, 0, Mirror::HalfTurn, 8},
        {"SwirlIsland", 2, 3, kAll, 0, Mirror::HalfTurn, 6},
        {"TableIsland", 2, 3, kAll, 0, Mirror::HalfTurn, 6},
        {"DiamondIsland", 2, 3, kAll, 0, Mirror::LeftRight, 8},
        {"HorseshoeIsland", 2, 4, kAll, 0, Mirror::LeftRight, 10},
        {"MinuteIsland", 2, 2, kAll, 0, Mirror::AntiDiagonal, 6},
        {"Forest", 2, 3, {"normal", "earth", "water"}, 1, Mirror::LeftRight, 8},
        {"Deadlands", 2, 3, {"normal", "earth", "wind"}, 3, Mirror::HalfTurn, 8},
        {"Volcano", 2, 3, {"normal", "fire"}, 2, Mirror::LeftRight, 8},
        {"Didaruza", 2, 3, kAll, 4, Mirror::HalfTurn, 8},
        {"Graveyard", 2, 3, {"normal", "water", "wind"}, 5, Mirror::HalfTurn, 8},
        {"Dungeon", 2, 3, {"normal", "fire", "wind"}, 6, Mirror::HalfTurn, 6},
        {"Underground", 2, 5, kAll, 7, Mirror::HalfTurn, 8},
        {"TrainingIsland", 1, 1, {"normal", "fire"}, 0, Mirror::None, 0},
    };
    return table;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines) out += "  " + l + "\n";
    return out;
}

// Texture name -> rows x columns, from the generated master list.
std::map<std::string, std::pair<int, int>> MasterTextures()
{
    std::map<std::string, std::pair<int, int>> out;
    for (const auto& e : TextureList::FromFile("./Data/TextureMaster.json").entries) out[e.name] = {e.rows, e.columns};
    return out;
}

class ShippedLevel : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override
    {
        if (!fs::exists("./primalites")) GTEST_SKIP() << "no game build here (levels are copied with the game)";
        const std::string path = std::string("./Data/Levels/") + GetParam().name + ".json";
        json::Document doc;
        json::Result parsed = json::ParseFile(path, doc);
        ASSERT_TRUE(parsed.ok()) << path << ": " << parsed.message;
        level = ReadLevel(doc);
        ASSERT_TRUE(level.problems.empty()) << path << " is malformed:\n" << Join(level.problems);
    }
    Level level;
};

TEST_P(ShippedLevel, ItsNameIsOneAFileNameMayHave)
{
    EXPECT_TRUE(IsPlainName(GetParam().name));
}

TEST_P(ShippedLevel, GridAndTemplatesAreSound)
{
    auto problems = CheckGrid(level);
    EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST_P(ShippedLevel, RulesFollowTheMapTable)
{
    const Expected& e = GetParam();
    EXPECT_EQ(level.players, e.players);
    EXPECT_EQ(level.wizardCount, e.teamSize);
    EXPECT_GE(level.wizardHealth, 1);
    EXPECT_LE(level.wizardHealth, 100);
    EXPECT_EQ(level.background, e.background);
    EXPECT_EQ(std::set<std::string>(level.elements.begin(), level.elements.end()),
              std::set<std::string>(e.elements.begin(), e.elements.end()));
    EXPECT_EQ(level.elements.size(), e.elements.size()) << "an element word is repeated";
    auto problems = CheckElements(level);
    EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST_P(ShippedLevel, EverySidePlacesItsWizardsOnFreeTiles)
{
    auto problems = CheckWizards(level);
    EXPECT_TRUE(problems.empty()) << Join(problems);
    for (const auto& [side, starts] : level.sides) EXPECT_GE(side, 1) << "a side is named outside 1..player_count";
    EXPECT_EQ(level.sides.size(), size_t(GetParam().players));
}

TEST_P(ShippedLevel, EveryTextureItNamesExists)
{
    auto master = MasterTextures();
    ASSERT_FALSE(master.empty()) << "./Data/TextureMaster.json is missing or empty";
    // The level's own list loads with the game's reader and only names generated images, with the
    // same frame layout as the master list so loading it changes nothing.
    const std::string listPath = std::string("./Data/") + GetParam().name + ".json";
    TextureList own = TextureList::FromFile(listPath);
    ASSERT_EQ(own.status, TextureList::Status::Ok) << listPath;
    EXPECT_EQ(own.invalidEntries, 0);
    std::set<std::string> known;
    for (const auto& [name, layout] : master) known.insert(name);
    for (const auto& entry : own.entries) {
        ASSERT_TRUE(master.count(entry.name)) << entry.name << " has no generated image";
        EXPECT_EQ(master[entry.name], std::make_pair(entry.rows, entry.columns)) << entry.name;
    }
    auto problems = CheckTextures(level, known);
    EXPECT_TRUE(problems.empty()) << Join(problems);
    // Its list holds the grounds it lays (the tiles every level shares stay in the master list).
    std::set<std::string> listed;
    for (const auto& entry : own.entries) listed.insert(entry.name);
    for (const auto& [key, biome] : level.biomes) {
        if (IsSharedTexture(biome)) continue;
        EXPECT_TRUE(listed.count(biome)) << biome << " is not in " << listPath;
    }
}

TEST_P(ShippedLevel, BothSidesFaceAMirrorImageOfTheirOwnStart)
{
    if (GetParam().players < 2) GTEST_SKIP() << "one side only";
    auto problems = CheckMirror(level, GetParam().mirror);
    EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST_P(ShippedLevel, TokensAreWithinReachAndTheSidesMeet)
{
    auto problems = CheckReach(level, GetParam().teamSize, GetParam().enemyGap);
    EXPECT_TRUE(problems.empty()) << Join(problems);
}

std::string ParamName(const ::testing::TestParamInfo<Expected>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Levels, ShippedLevel, ::testing::ValuesIn(Table()), ParamName);

// ---- the setup screen's thumbnails ------------------------------------------------------------

// The map thumbnails are painted from the level files: each frame of "Map_Thumbnails" (the setup
// table's order, 128 x 128) shows the level's grid centred in 64 x 64 art pixels doubled, cells of
// 60 / max(width, height) pixels, side 1's starts in red and side 2's in light blue.
TEST(MapThumbnails, EachFrameShowsItsLevelsWizardStarts)
{
    if (!fs::exists("./primalites")) GTEST_SKIP() << "no game build here";
    int w = 0, h = 0, n = 0;
    stbi_set_flip_vertically_on_load(0);
    unsigned char* px = stbi_load("./Assets/Map_Thumbnails.png", &w, &h, &n, 4);
    ASSERT_NE(px, nullptr);
    std::vector<unsigned char> sheet(px, px + size_t(w) * h * 4);
    stbi_image_free(px);
    const int frames = 13, frame = 128;
    ASSERT_EQ(w, frames * frame);
    ASSERT_EQ(h, frame);
    const unsigned char red[3] = {0xe8, 0x3b, 0x3b}, blue[3] = {0x8f, 0xd3, 0xff};
    for (int m = 0; m < frames; ++m) {
        const std::string name = Table()[size_t(m)].name;
        json::Document doc;
        ASSERT_TRUE(json::ParseFile("./Data/Levels/" + name + ".json", doc).ok()) << name;
        Level level = ReadLevel(doc);
        int cell = std::clamp(60 / std::max(level.width, level.height), 1, 10);
        int ox = (64 - cell * level.width) / 2, oy = (64 - cell * level.height) / 2;
        for (const auto& [side, starts] : level.sides)
            for (Cell p : starts) {
                // The art pixel whose centre lies nearest the cell's centre, then doubled.
                int x = int(std::floor(ox + (p.c + 0.5f) * cell - 0.5f)), y = int(std::floor(oy + (p.r + 0.5f) * cell - 0.5f));
                const unsigned char* at = &sheet[(size_t(2 * y) * w + m * frame + 2 * x) * 4];
                const unsigned char* want = side == 1 ? red : blue;
                EXPECT_TRUE(at[0] == want[0] && at[1] == want[1] && at[2] == want[2])
                    << name << ": side " << side << " at (" << p.c << ", " << p.r << ") shows " << int(at[0]) << ","
                    << int(at[1]) << "," << int(at[2]);
            }
    }
}

// ---- the tutorial's island -------------------------------------------------------------------

// The Fireball the tutorial hands out, as agreed with its spell data: 5 damage, range 4, cost 2,
// and half as much again from a matching elemental tile (rounded up).
struct FireballNumbers {
    int damage = 5, range = 4, cost = 2;
    int Boosted() const { return (damage * 3 + 1) / 2; }
};

class TrainingIsland : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists("./primalites")) GTEST_SKIP() << "no game build here";
        json::Document doc;
        ASSERT_TRUE(json::ParseFile("./Data/Levels/TrainingIsland.json", doc).ok());
        level = ReadLevel(doc);
        ASSERT_TRUE(level.problems.empty()) << Join(level.problems);
    }
    Level level;
};

TEST_F(TrainingIsland, OneWizardCanReachTheTokenThenTheFireTileThenBurnTheDummyWithinPar)
{
    auto problems = CheckTutorial(level, FireballNumbers().damage, FireballNumbers().range, FireballNumbers().cost);
    EXPECT_TRUE(problems.empty()) << Join(problems);
}

// Reads "damage <element> N" under the given section of a spell script.
int ScriptDamage(const std::string& path, const std::string& section)
{
    std::ifstream in(path);
    std::string line, current;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string first, element;
        words >> first;
        if (first == "on") current = line;
        int amount = 0;
        if (first == "damage" && current == section && (words >> element >> amount)) return amount;
    }
    return 0;
}

TEST_F(TrainingIsland, TheDummyFitsTheShippedFireball)
{
    json::Document spell;
    if (!json::ParseFile("./Data/Spells/Objects/Fireball.json", spell).ok())
        GTEST_SKIP() << "no Fireball in this build's spell data";
    FireballNumbers fireball;
    ASSERT_EQ(json::GetInt(spell, "range", fireball.range), json::Field::Ok);
    ASSERT_EQ(json::GetInt(spell, "cost", fireball.cost), json::Field::Ok);
    fireball.damage = ScriptDamage("./Data/Spells/Scripts/Fireball.txt", "on tile");
    ASSERT_GT(fireball.damage, 0) << "the Fireball script deals no damage to a tile's object";
    auto problems = CheckTutorial(level, fireball.damage, fireball.range, fireball.cost);
    EXPECT_TRUE(problems.empty()) << Join(problems);
}

// ---- the rules catch what they are for -------------------------------------------------------

Level FromText(const std::string& text)
{
    json::Document doc;
    EXPECT_TRUE(json::ParseText(text, doc).ok()) << text;
    return ReadLevel(doc);
}

// A 4 x 3 island, side 1 on the left and side 2 on the right, tokens near both; cells can be
// replaced to break one rule at a time.
std::string Fixture(const std::string& tiles, const std::string& objects, const std::string& wizards,
                    const std::string& dims = R"({"width": 4, "height": 3})")
{
    return R"({"map_data": {"background": 0, "dimensions": )" + dims + R"(, "tile_map": [)" + tiles +
           R"(], "object_map": [)" + objects + R"(]},
        "game_rules": {"player_count": 2, "wizard_count": 1, "wizard_health": 20,
                       "allowed_elements": ["normal", "fire"]},
        "tile_data": {"templates": [{"biome": "Grass_Tile", "key": 1}, {"biome": "Elemental", "key": 2}]},
        "object_data": {"templates": [{"object": "Primalite", "health": 1, "key": 1},
                                      {"object": "Boulder", "health": 15, "key": 2}]},
        "player_data": {"wizard_data": )" + wizards + "}}";
}

const std::string kTiles = "1,1,1,1, 1,1,1,1, 1,1,1,1";
const std::string kObjects = "0,1,0,0, 0,0,0,0, 0,0,1,0";
const std::string kWizards = R"({"player 1": [{"x": 0, "y": 0}], "player 2": [{"x": 3, "y": 2}]})";

TEST(ShippedLevelRules, TheFixtureItselfPasses)
{
    Level level = FromText(Fixture(kTiles, kObjects, kWizards));
    EXPECT_TRUE(level.problems.empty()) << Join(level.problems);
    EXPECT_TRUE(CheckGrid(level).empty()) << Join(CheckGrid(level));
    EXPECT_TRUE(CheckWizards(level).empty()) << Join(CheckWizards(level));
    EXPECT_TRUE(CheckMirror(level, Mirror::HalfTurn).empty()) << Join(CheckMirror(level, Mirror::HalfTurn));
    EXPECT_TRUE(CheckReach(level, 0, 4).empty()) << Join(CheckReach(level, 0, 4));
}

TEST(ShippedLevelRules, AShortArrayOrABadSizeIsReported)
{
    EXPECT_FALSE(FromText(Fixture("1,1,1", kObjects, kWizards)).problems.empty());
    EXPECT_FALSE(FromText(Fixture(kTiles, kObjects, kWizards, R"({"width": 65, "height": 3})")).problems.empty());
    EXPECT_FALSE(FromText(Fixture(kTiles, "0,1,0,0, 0,0,0,0, 0,0,1,\"x\"", kWizards)).problems.empty());
}

TEST(ShippedLevelRules, AWizardOnAHoleABoulderOrAnotherWizardIsReported)
{
    EXPECT_FALSE(CheckWizards(FromText(Fixture("0,1,1,1, 1,1,1,1, 1,1,1,1", kObjects, kWizards))).empty());
    EXPECT_FALSE(CheckWizards(FromText(Fixture(kTiles, "2,1,0,0, 0,0,0,0, 0,0,1,0", kWizards))).empty());
    EXPECT_FALSE(CheckWizards(FromText(Fixture(kTiles, kObjects,
        R"({"player 1": [{"x": 0, "y": 0}, {"x": 0, "y": 0}], "player 2": [{"x": 3, "y": 2}]})"))).empty());
    EXPECT_FALSE(CheckWizards(FromText(Fixture(kTiles, kObjects,
        R"({"player 1": [{"x": 4, "y": 0}], "player 2": [{"x": 3, "y": 2}]})"))).empty());
}

TEST(ShippedLevelRules, AnUnevenMapIsNotAMirror)
{
    // A token only on side 1's half; then an elemental tile on one side only.
    EXPECT_FALSE(CheckMirror(FromText(Fixture(kTiles, "0,1,0,0, 0,0,0,0, 0,0,0,0", kWizards)), Mirror::HalfTurn).empty());
    EXPECT_FALSE(CheckMirror(FromText(Fixture("1,1,2,1, 1,1,1,1, 1,1,1,1", kObjects, kWizards)), Mirror::HalfTurn).empty());
    // Side 2 standing elsewhere than side 1's image.
    EXPECT_FALSE(CheckMirror(FromText(Fixture(kTiles, kObjects,
        R"({"player 1": [{"x": 0, "y": 0}], "player 2": [{"x": 3, "y": 1}]})")), Mirror::HalfTurn).empty());
}

TEST(ShippedLevelRules, WalledOffSidesOrFarTokensAreReported)
{
    // A wall of holes down the middle: the sides never meet.
    EXPECT_FALSE(CheckReach(FromText(Fixture("1,0,1,1, 1,0,1,1, 1,0,1,1", kObjects, kWizards)), 0, 1).empty());
    // No token within three steps of side 2.
    EXPECT_FALSE(CheckReach(FromText(Fixture(kTiles, "0,1,0,0, 0,0,0,0, 0,0,0,0", kWizards)), 0, 1).empty());
    // Enemies closer than the gap asked for.
    EXPECT_FALSE(CheckReach(FromText(Fixture(kTiles, kObjects, kWizards)), 0, 8).empty());
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(ShippedLevelRules, TooManyElementalTilesOrAMissingNormalAreReported)
{
    std::string text = Fixture(kTiles, kObjects, kWizards);
    const std::string grass = R"({"biome": "Grass_Tile", "key": 1})";
    EXPECT_FALSE(CheckElements(FromText(Replace(text, grass, grass + R"(, {"biome": "Elemental", "key": 3})"))).empty());
    EXPECT_FALSE(CheckElements(FromText(Replace(text, R"(["normal", "fire"])", R"(["fire"])"))).empty());
    EXPECT_FALSE(CheckElements(FromText(Replace(text, R"(["normal", "fire"])", R"(["normal", "Fire"])"))).empty());
}

TEST(ShippedLevelRules, RepeatedKeysAndHealthlessObjectsAreReported)
{
    std::string text = Fixture(kTiles, kObjects, kWizards);
    EXPECT_FALSE(CheckGrid(FromText(Replace(text, R"("Elemental", "key": 2)", R"("Elemental", "key": 1)"))).empty());
    EXPECT_FALSE(CheckGrid(FromText(Replace(text, R"("health": 15)", R"("health": 0)"))).empty());
    EXPECT_FALSE(CheckGrid(FromText(Fixture("1,1,1,1, 1,1,1,1, 1,1,0,1", kObjects, kWizards))).empty());
}

}  // namespace
