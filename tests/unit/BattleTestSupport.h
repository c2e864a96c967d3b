#pragma once
#include <sstream>
#include <string>

#include "battle/BattleHarness.h"

// Headless battles on the fixture levels (tests/data/levels) with the fixture spells.
inline HarnessOptions FixtureOptions(const std::string& spells = "spells")
{
    HarnessOptions options;
    options.levelFolder = std::string(TEST_DATA_DIR) + "/levels/";
    options.spellFolder = std::string(TEST_DATA_DIR) + "/" + spells + "/";
    return options;
}

// A level document in the file format, with the parts a test changes given as JSON text.
struct LevelText {
    std::string dimensions = R"({"width": 3, "height": 2})";
    std::string tileMap = "[1,1,1, 1,1,1]";
    std::string objectMap = "[0,0,0, 0,0,0]";
    std::string rules = R"({"player_count": 2, "wizard_count": 1, "wizard_health": 10, "allowed_elements": ["normal"]})";
    std::string tileTemplates = R"([{"biome": "Grass_Tile", "key": 1}])";
    std::string objectTemplates =
        R"([{"object": "Primalite", "health": -1, "key": 1}, {"object": "Boulder", "health": 15, "key": 2},
            {"object": "Caltrop", "health": 10, "key": 3}, {"object": "Ambrosia", "health": 20, "key": 4},
            {"object": "Hot_Coal", "health": 15, "key": 5}])";
    std::string wizards = R"({"player 1": [{"x": 0, "y": 0}], "player 2": [{"x": 2, "y": 1}]})";
    std::string background = "0";

    std::string Json() const
    {
        std::ostringstream out;
        out << R"({"map_data": {"name": "Fixture", "background": )" << background << R"(, "dimensions": )" << dimensions
            << R"(, "tile_map": )" << tileMap << R"(, "object_map": )" << objectMap << R"(}, "game_rules": )" << rules
            << R"(, "tile_data": {"templates": )" << tileTemplates << R"(}, "object_data": {"templates": )"
            << objectTemplates << R"(}, "player_data": {"wizard_data": )" << wizards << "}}";
        return out.str();
    }
};

// A battle loaded from a level text, begun (side 1 playing), with the steps tests repeat.
struct BegunBattle {
    BattleHarness harness;
    explicit BegunBattle(const LevelText& level, HarnessOptions options = FixtureOptions(), bool instantCasts = false)
        : harness(std::move(options))
    {
        loaded = harness.LoadText(level.Json());
        if (instantCasts) harness.GetMap().rules = InstantCastRules();
        begun = harness.Begin();
    }
    Map& map() { return harness.GetMap(); }
    Tile* at(int column, int row) { return map().TileAt(column, row); }
    // Ends the current side's turn as a player would and starts the next one.
    void EndTurn()
    {
        harness.ClickNone();
        harness.Press("EndTurn");
        harness.Answer("Yes");
        harness.Answer("Ready");
    }
    bool loaded = false;
    bool begun = false;
};
