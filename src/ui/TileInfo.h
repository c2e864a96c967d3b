#pragma once
#include <string>

#include <glm/glm.hpp>

// What the info panel needs to know about a tile; the battle fills it from its Tile and MapObject.
struct TileView {
    int column = 0;
    int row = 0;
    std::string kind;           // the tile's biome ("Fire_Tile" ...)
    bool hasObject = false;
    std::string objectName;     // shown with "_" as blanks ("Training_Dummy")
    bool isToken = false;       // kind "Primalite"
    bool tokenActive = false;   // armed with an element
    int tokenElement = 0;       // 1 fire, 2 water, 3 earth, 4 wind
    int objectHealth = 0;
};

// The lines of the info panel for a tile (or none).
struct TileInfoLines {
    std::string title = "TILE INFO";
    std::string coordinates;
    std::string biome;
    std::string alignment;
    std::string object;
    bool biomeTinted = false;       // false: the panel's own ink
    glm::vec3 biomeColor{0.0f};
};

// The token refresh countdown: turns left to the next multiple of 3 (3 on a refresh turn).
int TurnsUntilTokenRefresh(int turn);
// "Fire", "Water", "Earth", "Wind" for 1 to 4; empty for anything else.
const char* ElementName(int element);
TileInfoLines DescribeTile(const TileView* tile, int turn);
