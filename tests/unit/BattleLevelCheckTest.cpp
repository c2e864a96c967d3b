// `--check-data` for levels: shipped levels pass, each broken rule is named.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "battle/LevelCheck.h"

namespace {

std::vector<std::string> Check(const std::string& levelJson, const std::string& name = "Broken")
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "primalites_level_check";
    std::filesystem::create_directories(folder / "Levels");
    std::ofstream(folder / "Levels" / (name + ".json")) << levelJson;
    std::ofstream(folder / (name + ".json")) << R"({"textures": []})";
    std::ofstream(folder / "TextureMaster.json") << R"({"textures": ["Grass_Tile", "Boulder", "Caltrop", "Ambrosia", "Hot_Coal"]})";
    LevelCheckFolders folders;
    folders.levels = (folder / "Levels").string() + "/";
    folders.data = folder.string() + "/";
    folders.spells = std::string(TEST_DATA_DIR) + "/spells/";
    datacheck::Problems problems;
    CheckLevel(name, folders, problems);
    return problems.lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& part)
{
    for (const std::string& line : lines)
        if (line.find(part) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(BattleLevelCheck, ShippedLevelsPass)
{
    std::error_code missing;
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator("./Data/Levels", missing)) {
        datacheck::Problems problems;
        CheckLevel(entry.path().stem().string(), LevelCheckFolders{}, problems);
        EXPECT_TRUE(problems.lines.empty()) << problems.lines.front();
        ++checked;
    }
    if (checked == 0) GTEST_SKIP() << "no shipped levels beside the test binary";
    EXPECT_EQ(checked, 14);
}

TEST(BattleLevelCheck, AGoodFixturePassesAndEachFaultIsNamed)
{
    LevelText good;
    good.rules = R"({"player_count": 2, "wizard_count": 1, "wizard_health": 10, "allowed_elements": ["normal", "fire"]})";
    EXPECT_TRUE(Check(good.Json()).empty()) << Check(good.Json()).front();

    LevelText bad = good;
    bad.tileMap = "[1,1,1, 1]";
    bad.rules = R"({"player_count": 3, "wizard_count": 2, "wizard_health": 0, "allowed_elements": ["fire", "fire", "Fire"]})";
    bad.tileTemplates = R"([{"biome": "Grass_Tile", "key": 1}, {"biome": "Lava Pit", "key": 1}, {"biome": "Elemental", "key": 4},
                           {"biome": "Elemental", "key": 5}])";
    bad.objectTemplates = R"([{"object": "Boulder", "health": 0, "key": 2}, {"object": "Unknown_Thing", "health": 5, "key": 3}])";
    std::vector<std::string> lines = Check(bad.Json());
    for (const char* part : {"\"tile_map\" is shorter", "\"player_count\" must be 1 or 2", "\"wizard_health\" must be 1 to 100",
                             "repeats \"fire\"", "holds a word that is not an element", "lacks \"normal\"",
                             "two tile templates share the key 1", "\"Lava Pit\" is not a plain word", "more \"Elemental\" templates",
                             "has health below 1", "no texture \"Unknown_Thing\"", "\"wizard_count\" is 2"})
        EXPECT_TRUE(Has(lines, part)) << part;
}

TEST(BattleLevelCheck, WizardsHolesAndJoinedSides)
{
    LevelText level;
    level.rules = R"({"player_count": 2, "wizard_count": 1, "wizard_health": 10, "allowed_elements": ["normal", "fire"]})";
    level.tileMap = "[1,1,0, 1,0,1]";
    level.objectMap = "[0,0,2, 0,0,0]";
    level.wizards = R"({"player 1": [{"x": 0, "y": 0}], "player 2": [{"x": 2, "y": 1}, {"x": 1, "y": 1}]})";
    std::vector<std::string> lines = Check(level.Json());
    EXPECT_TRUE(Has(lines, "an object lies on a hole at (2, 0)"));
    EXPECT_TRUE(Has(lines, "a wizard of \"player 2\" has no free tile"));
    EXPECT_TRUE(Has(lines, "the sides are not joined by walkable tiles"));
    EXPECT_TRUE(Has(Check("{not json"), "Level Broken"));
    datacheck::Problems problems;
    CheckLevel("../Broken", LevelCheckFolders{}, problems);
    EXPECT_EQ(problems.lines.size(), 1u);
}
