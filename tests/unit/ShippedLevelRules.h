#pragma once
// The rules a shipped level keeps, checked on the level file itself (read with the shared JSON
// reader) so that content faults show up without the battle. Each check returns one line per
// fault found; an empty list means the level keeps that rule.
#include <compare>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/Json.h"

namespace shipped_levels {

// How side 2's half of a map is made from side 1's.
enum class Mirror { None, HalfTurn, LeftRight, AntiDiagonal };

struct Cell {
    int c = 0, r = 0;
    auto operator<=>(const Cell&) const = default;
};

struct Level {
    int width = 0, height = 0;
    std::vector<int> tileKeys, objectKeys;  // one per cell, row by row
    std::map<int, std::string> biomes;      // tile template key -> biome
    std::map<int, std::string> kinds;       // object template key -> object kind
    std::map<int, int> health;              // object template key -> health
    std::vector<int> tileKeyList, objectKeyList;  // every template key in file order, repeats kept
    int players = 0, wizardCount = 0, wizardHealth = 0, background = 0;
    std::vector<std::string> elements;
    std::map<int, std::vector<Cell>> sides;  // side number -> wizard starts in file order
    std::vector<std::string> problems;       // faults of form found while reading

    bool Inside(Cell p) const { return p.c >= 0 && p.r >= 0 && p.c < width && p.r < height; }
    // The tile's biome, empty for a hole or a cell off the grid.
    std::string Biome(Cell p) const;
    // The object's kind, empty when the cell holds none.
    std::string Kind(Cell p) const;
    // A wizard may walk here: a tile holding nothing, a token, or an object one walks over.
    bool Walkable(Cell p) const;
    std::vector<Cell> CellsHolding(const std::string& kind) const;
};

Level ReadLevel(const json::Value& doc);

// [A-Za-z0-9_]+, the only names the game turns into file paths or texture lookups.
bool IsPlainName(const std::string& name);
// Textures every level relies on, kept in the master list rather than in a level's own list.
bool IsSharedTexture(const std::string& name);

std::vector<std::string> CheckGrid(const Level& level);
std::vector<std::string> CheckElements(const Level& level);
std::vector<std::string> CheckWizards(const Level& level);
std::vector<std::string> CheckTextures(const Level& level, const std::set<std::string>& known);
std::vector<std::string> CheckMirror(const Level& level, Mirror mirror);
// At least teamSize + 1 tokens (two-side levels), one within three steps' walk of every wizard,
// every token reachable, the sides joined by walkable tiles and no two enemies nearer than gap.
std::vector<std::string> CheckReach(const Level& level, int teamSize, int gap);
// The tutorial: a token within one turn's walk, a fixed fire tile within Fireball range of the
// dummy, and a dummy that two boosted Fireballs bring down but one does not.
std::vector<std::string> CheckTutorial(const Level& level, int fireballDamage, int fireballRange, int fireballCost);

}  // namespace shipped_levels
