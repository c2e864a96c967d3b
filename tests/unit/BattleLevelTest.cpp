// The two construction passes on fixture levels, and a level file as hostile input.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "RenderTestSupport.h"
#include "battle/LevelData.h"
#include "spells/SpellBook.h"

namespace {

struct Loaded {
    BattleHarness harness{FixtureOptions()};
    bool playable = false;
    explicit Loaded(const LevelText& level) { playable = harness.LoadText(level.Json()); }
    Map& map() { return harness.GetMap(); }
};

}  // namespace

TEST(BattleLevel, CorridorBuildsTilesWizardsAndSpellBook)
{
    LogCapture log("battle_level_corridor.log");
    BattleHarness harness(FixtureOptions());
    ASSERT_TRUE(harness.Load("Corridor"));
    Map& map = harness.GetMap();
    EXPECT_EQ(map.width, 5);
    EXPECT_EQ(map.height, 1);
    ASSERT_EQ(map.tiles.size(), 5u);
    EXPECT_EQ(map.tiles[3]->name, "Tile_3_0");
    EXPECT_EQ(map.tiles[3]->WorldPosition(), glm::vec2(192.0f, 0.0f));
    ASSERT_EQ(map.wizards.size(), 2u);
    // Sides are read from the highest down: side 2 comes first.
    EXPECT_EQ(map.wizards[0]->side, 2);
    EXPECT_EQ(map.wizards[0]->name, "Wizard_2_4_0");
    EXPECT_EQ(map.wizards[1]->tile, map.TileAt(0, 0));
    EXPECT_EQ(map.TileAt(0, 0)->wizard, map.wizards[1].get());
    EXPECT_EQ(map.wizards[1]->health, 6);
    EXPECT_NE(map.SpellOfElementByName(0, "Cantrip"), nullptr);
    EXPECT_EQ(map.SpellOfElementByName(1, "Fireball"), nullptr);
    EXPECT_TRUE(log.Has("??? createMap() completed successfully. Gouda job. ???"));
    EXPECT_TRUE(map.cameraTargetSet);
    EXPECT_EQ(map.cameraTarget, glm::vec2(128.0f, 0.0f));
}

TEST(BattleLevel, ExtraCellsDuplicateKeysAndUnknownElementWords)
{
    LogCapture log("battle_level_extra.log");
    LevelText level;
    level.tileMap = "[1,1,1, 1,1,1, 2,2,2,2]";
    level.tileTemplates = R"([{"biome": "Grass_Tile", "key": 1}, {"biome": "Sand_Tile", "key": 1}, {"biome": "Ash", "key": 2}])";
    level.rules = R"({"player_count": 2, "wizard_count": 1, "allowed_elements": ["normal", "Fire", "fire", "fire", 3]})";
    Loaded loaded(level);
    ASSERT_TRUE(loaded.playable);
    EXPECT_EQ(loaded.map().tiles.size(), 6u);
    for (auto& tile : loaded.map().tiles) EXPECT_EQ(tile->biome, "Grass_Tile");  // the first template of key 1
    EXPECT_EQ(loaded.map().level.duplicateKeys, 1);
    EXPECT_EQ(log.Count("??? Map Class :: \"ALLOWED ELEMENT\" NOT ALLOWED ???"), 2);  // "Fire" and 3
    EXPECT_TRUE(loaded.map().elementAllowed[1]);
    EXPECT_EQ(loaded.map().level.elementOrder.size(), 2u);  // fire's list loads once
    EXPECT_EQ(loaded.map().Book().Spells(ElementType::Fire).size(), 2u);
    EXPECT_EQ(loaded.map().wizardHealth, 20);
}

TEST(BattleLevel, HolesAndBackgroundAndPassableKinds)
{
    LevelText level;
    level.tileMap = "[1,0,1, 1,1,1]";
    level.objectMap = "[0,2,0, 3,4,5]";  // a Boulder on the hole is not placed
    level.wizards = R"({"player 1": [{"x": 0, "y": 0}], "player 2": [{"x": 2, "y": 0}]})";
    level.background = "3";
    LogCapture log("battle_level_holes.log");
    Loaded loaded(level);
    ASSERT_TRUE(loaded.playable);
    Map& map = loaded.map();
    EXPECT_EQ(map.TileAt(1, 0), nullptr);
    EXPECT_EQ(map.tiles.size(), 5u);
    EXPECT_TRUE(log.Has("??? Map Class :: object \"Boulder\" at (1, 0) has no tile, skipped ???"));
    ASSERT_EQ(map.objects.size(), 3u);
    for (auto& object : map.objects) EXPECT_TRUE(object->passable) << object->kind;
    EXPECT_EQ(map.level.background, 3);
}

TEST(BattleLevel, HostileDimensionsLeaveAnEmptyUnplayableMap)
{
    for (const char* dims : {R"({"width": 0, "height": 3})", R"({"width": -1, "height": -1})",
                             R"({"width": 65, "height": 2})", R"({"width": 70000, "height": 70000})",
                             R"({"width": 2.5, "height": 2})", R"("big")"}) {
        LogCapture log("battle_level_dims.log");
        LevelText level;
        level.dimensions = dims;
        Loaded loaded(level);
        EXPECT_FALSE(loaded.playable) << dims;
        EXPECT_TRUE(loaded.map().tiles.empty()) << dims;
        EXPECT_TRUE(log.Has("??? Map Class :: \"dimensions\" must be 1 to 64 each ???")) << dims;
        EXPECT_TRUE(log.Has("cannot be played")) << dims;
        EXPECT_FALSE(log.Has("Gouda job")) << dims;
    }
}

TEST(BattleLevel, ShortArraysAreHolesNeverReadPast)
{
    LogCapture log("battle_level_short.log");
    LevelText level;
    level.tileMap = "[1,1,1, 1]";
    level.objectMap = R"([0, "x"])";
    level.wizards = R"({"player 1": [{"x": 0, "y": 0}], "player 2": [{"x": 0, "y": 1}]})";
    Loaded loaded(level);
    EXPECT_TRUE(loaded.playable);
    EXPECT_EQ(loaded.map().tiles.size(), 4u);
    EXPECT_TRUE(log.Has("??? Map Class :: \"tile_map\" shorter than width x height ???"));
    EXPECT_TRUE(log.Has("??? Map Class :: \"object_map\" shorter than width x height ???"));
    EXPECT_EQ(loaded.map().level.nonIntegerCells, 1);

    LogCapture absent("battle_level_absent.log");
    LevelText none;
    none.tileMap = "null";
    Loaded empty(none);
    EXPECT_FALSE(empty.playable);
}

TEST(BattleLevel, WizardsWithoutAFreeTileAreSkipped)
{
    LogCapture log("battle_level_wizards.log");
    LevelText level;
    level.tileMap = "[1,0,1, 1,1,1]";
    level.objectMap = "[0,0,2, 0,1,0]";
    level.rules = R"({"player_count": 2, "wizard_count": 3})";
    level.wizards = R"({"player 1": [{"x": -1, "y": 0}, {"x": 3, "y": 0}, {"x": 1, "y": 0}, {"x": 0, "y": 0}, {"x": 0, "y": 0},
                                      {"x": 2, "y": 0}, {"x": 1.0, "y": 1}],
                        "player 2": [{"x": 1, "y": 1}, {"x": 2, "y": 1}]})";
    Loaded loaded(level);
    ASSERT_TRUE(loaded.playable);
    EXPECT_EQ(loaded.map().CountPlaced(1), 1);
    EXPECT_EQ(loaded.map().CountPlaced(2), 2);  // one stands on a token: allowed
    EXPECT_EQ(log.Count("has no free tile, skipped ???"), 5);
    EXPECT_TRUE(log.Has("??? Map Class :: \"player 1\" places 1 wizards, \"wizard_count\" is 3 ???"));
    for (auto& wizard : loaded.map().wizards) EXPECT_EQ(wizard->tile->wizard, wizard.get());
}

TEST(BattleLevel, PlayerCountAndHealthAreBounded)
{
    for (const char* count : {"0", "3", "2147483647", "-4"}) {
        LogCapture log("battle_level_players.log");
        LevelText level;
        level.rules = std::string(R"({"player_count": )") + count + R"(, "wizard_count": 1, "wizard_health": 0})";
        Loaded loaded(level);
        EXPECT_EQ(loaded.map().playerCount, 2) << count;
        EXPECT_EQ(loaded.map().wizardHealth, 20) << count;
        EXPECT_TRUE(log.Has("??? Map Class :: \"player_count\" must be 1 or 2, using 2 ???")) << count;
        EXPECT_TRUE(log.Has("??? Map Class :: \"wizard_health\" must be 1 to 100, using 20 ???")) << count;
    }
    LogCapture log("battle_level_health.log");
    LevelText level;
    level.rules = R"({"player_count": 2, "wizard_count": 1, "wizard_health": 101})";
    EXPECT_EQ(Loaded(level).map().wizardHealth, 20);
    level.rules = R"({"player_count": 2, "wizard_count": 1, "wizard_health": -5})";
    EXPECT_EQ(Loaded(level).map().wizardHealth, 20);
}

TEST(BattleLevel, SideWithoutWizardsAndMissingFilesCannotBePlayed)
{
    LogCapture log("battle_level_missing.log");
    LevelText level;
    level.wizards = R"({"player 1": [{"x": 0, "y": 0}]})";
    EXPECT_FALSE(Loaded(level).playable);
    BattleHarness harness(FixtureOptions());
    EXPECT_FALSE(harness.Load("NoSuchLevel"));
    EXPECT_TRUE(log.Has("??? Map Class could not open Map Data file. Is it in the data folder and is .json format? ???"));
    harness.FinishFadeIn();
    EXPECT_TRUE(harness.GetMap().controls.unplayableShown);
    EXPECT_FALSE(harness.GetMap().controls.welcomeShown);
    EXPECT_FALSE(harness.Load("../levels/Corridor"));
    EXPECT_TRUE(log.Has("??? Map Class :: level name refused ???"));
}

TEST(BattleLevel, LevelNamesAreLettersDigitsAndUnderscores)
{
    EXPECT_TRUE(IsValidLevelName("SquareIsland"));
    EXPECT_TRUE(IsValidLevelName("a_1"));
    for (const std::string& bad : std::vector<std::string>{"", "../x", "a b", "a/b", "x.json", std::string(65, 'a')}) EXPECT_FALSE(IsValidLevelName(bad)) << bad;
    EXPECT_TRUE(IsValidLevelName(std::string(64, 'a')));
}

TEST(BattleLevel, ElementalTilesTakeDifferentAllowedElements)
{
    LevelText level;
    level.rules = R"({"player_count": 2, "wizard_count": 1, "allowed_elements": ["normal", "fire", "water"]})";
    level.tileTemplates = R"([{"biome": "Elemental", "key": 1}, {"biome": "Elemental", "key": 2}, {"biome": "Elemental", "key": 3}])";
    level.tileMap = "[1,2,3, 1,2,3]";
    for (unsigned seed = 1; seed < 20; ++seed) {
        LogCapture log("battle_level_elemental.log");
        HarnessOptions options = FixtureOptions();
        options.seed = seed;
        BattleHarness harness(options);
        ASSERT_TRUE(harness.LoadText(level.Json()));
        Map& map = harness.GetMap();
        std::string first = map.TileAt(0, 0)->biome;
        std::string second = map.TileAt(1, 0)->biome;
        EXPECT_TRUE(first == "Fire_Tile" || first == "Water_Tile") << first;
        EXPECT_TRUE(second == "Fire_Tile" || second == "Water_Tile") << second;
        EXPECT_NE(first, second);
        EXPECT_EQ(map.TileAt(2, 0)->biome, "Elemental");  // nothing left for the third
        EXPECT_TRUE(log.Has("??? Map Class :: no element left for an \"Elemental\" tile ???"));
    }
}

TEST(BattleLevel, NormalOnlyLevelLeavesTokensEmptyAndPlaysPastRoundThree)
{
    LogCapture log("battle_level_normal_only.log");
    BattleHarness harness(FixtureOptions());
    ASSERT_TRUE(harness.Load("NormalOnly"));
    EXPECT_TRUE(log.Has("??? Map Class :: no element allowed for a Primalite token ???"));
    MapObject* token = harness.GetMap().TileAt(1, 1)->object;
    ASSERT_NE(token, nullptr);
    EXPECT_EQ(token->element, 0);
    EXPECT_FALSE(token->Armed());
    ASSERT_TRUE(harness.Begin());
    for (int turn = 0; turn < 8; ++turn) {
        harness.Press("EndTurn");
        harness.Answer("Yes");
        harness.Answer("Ready");
    }
    EXPECT_GE(harness.GetMap().turns.round, 4);
    EXPECT_EQ(token->element, 0);
    EXPECT_TRUE(harness.Broken().empty()) << harness.Broken().front();
}

TEST(BattleLevel, FuzzedShippedAndFixtureLevelsNeverCrash)
{
    // Damaged copies of every level: truncated, bytes flipped, numbers swapped for extremes.
    std::vector<std::string> sources;
    for (const char* name : {"Corridor", "Arena", "NormalOnly", "FireOnly"}) {
        std::ifstream in(std::string(TEST_DATA_DIR) + "/levels/" + name + ".json");
        sources.emplace_back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator("./Data/Levels", missing)) {
        std::ifstream in(entry.path());
        sources.emplace_back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::uint32_t state = 12345;
    auto next = [&]() { return state = state * 1664525u + 1013904223u; };
    const char* extremes[] = {"-1", "0", "2147483647", "-2147483648", "99999999999", "1.5", "\"x\"", "[]", "{}", "null"};
    LogCapture log("battle_level_fuzz.log");
    for (const std::string& source : sources) {
        for (int round = 0; round < 25; ++round) {
            std::string text = source;
            int edits = 1 + static_cast<int>(next() % 6);
            for (int e = 0; e < edits && !text.empty(); ++e) {
                std::size_t at = next() % text.size();
                switch (next() % 3) {
                case 0: text.resize(at); break;
                case 1: text[at] = static_cast<char>(next() % 128); break;
                default: {
                    std::size_t digit = text.find_first_of("0123456789", at);
                    if (digit != std::string::npos) text.replace(digit, 1, extremes[next() % 10]);
                }
                }
            }
            BattleHarness harness(FixtureOptions());
            if (harness.LoadText(text)) {
                harness.Begin();
                for (int step = 0; step < 10; ++step) harness.Press("EndTurn"), harness.Answer("Yes"), harness.Answer("Ready");
            }
            EXPECT_TRUE(harness.Broken().empty()) << harness.Broken().front();
        }
    }
}
