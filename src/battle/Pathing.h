#pragma once
#include <cstdint>
#include <vector>

class Map;
class Tile;
class Wizard;

// Movement over the grid: four directions, one tile per action point, Manhattan distance only.
// Neighbours are examined in the fixed order (c+1, r), (c-1, r), (c, r+1), (c, r-1).

// |dc| + |dr|; 999 with a message when either tile is missing.
std::int32_t distanceBetweenTiles(const Tile* a, const Tile* b);

// No wizard on it and no object, a token or a passable object. With mark, the tile is tinted
// blue when walkable and red when not, and highlighted either way.
bool Walkable(Tile& tile, bool mark);

// The four neighbours that exist, in the fixed order (holes are skipped).
int Neighbours(const Map& map, const Tile& tile, Tile* out[4]);

// Marks what a wizard with `range` steps can reach from start (walk mode).
void ShowReachable(Map& map, Tile& start, int range);

// Shortest walkable path from start to destination within range, destination first and start
// last; empty (after "getPathing Error, RANGE too short") when there is none. Among equally short
// paths the tile recorded first wins. With markPath the path tiles get the path mark and tint.
std::vector<Tile*> getPathing(Map& map, Tile* start, Tile* destination, int range, bool markPath);

// Steps of the shortest walkable path, or -1 when there is none within maxSteps. Silent.
std::int32_t PathCost(Map& map, Tile* start, Tile* destination, int maxSteps);

// Starts a walk of the wizard to destination. Refused (false, nothing changes) unless the path is
// non-empty and costs 1..AP steps. Links change at once; the figure follows in its updates.
bool MoveWizard(Map& map, Wizard& wizard, Tile* destination);
