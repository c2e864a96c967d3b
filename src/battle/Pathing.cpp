#include "battle/Pathing.h"

#include <cstdlib>
#include <iostream>

#include "battle/Map.h"
#include "engine/Log.h"

namespace {

// One breadth-first search shared by getPathing and PathCost: the visited tiles with their depth,
// in the order they were recorded, and the depth the destination was found at (0 when not).
struct Search {
    std::vector<std::pair<int, Tile*>> visited;
    int foundDepth = 0;
};

Search BreadthFirst(Map& map, Tile* start, Tile* destination, int range)
{
    Search search;
    std::vector<char> seen(map.grid.size(), 0);
    auto cell = [&](const Tile* t) { return static_cast<std::size_t>(t->row) * map.width + t->column; };
    search.visited.push_back({0, start});
    seen[cell(start)] = 1;
    std::vector<Tile*> frontier{start};
    std::vector<Tile*> collected;
    for (int depth = 1; depth <= range && !frontier.empty(); ++depth) {
        collected.clear();
        for (Tile* tile : frontier) {
            Tile* around[4];
            int n = Neighbours(map, *tile, around);
            for (int i = 0; i < n; ++i)
                if (Walkable(*around[i], false)) collected.push_back(around[i]);
        }
        frontier.clear();
        for (Tile* tile : collected) {
            if (tile == destination) {
                search.foundDepth = depth;
                return search;
            }
            if (seen[cell(tile)]) continue;
            seen[cell(tile)] = 1;
            frontier.push_back(tile);
            search.visited.push_back({depth, tile});
        }
    }
    return search;
}

bool Adjacent(const Tile& a, const Tile& b)
{
    return std::abs(a.column - b.column) + std::abs(a.row - b.row) == 1;
}

}  // namespace

std::int32_t distanceBetweenTiles(const Tile* a, const Tile* b)
{
    if (!a || !b) {
        std::cout << "distanceBetweenTiles called without origin or destination!" << std::endl;
        return 999;
    }
    return std::abs(a->column - b->column) + std::abs(a->row - b->row);
}

bool Walkable(Tile& tile, bool mark)
{
    bool walkable = !tile.wizard && (!tile.object || tile.object->IsToken() || tile.object->passable);
    if (mark) tile.SetTint(walkable ? Tile::kTintBlue : Tile::kTintRed);
    return walkable;
}

int Neighbours(const Map& map, const Tile& tile, Tile* out[4])
{
    const int dc[4] = {1, -1, 0, 0};
    const int dr[4] = {0, 0, 1, -1};
    int n = 0;
    for (int i = 0; i < 4; ++i)
        if (Tile* t = map.TileAt(tile.column + dc[i], tile.row + dr[i])) out[n++] = t;
    return n;
}

void ShowReachable(Map& map, Tile& start, int range)
{
    std::vector<char> seen(map.grid.size(), 0);
    auto cell = [&](const Tile* t) { return static_cast<std::size_t>(t->row) * map.width + t->column; };
    std::vector<Tile*> visited;
    std::vector<Tile*> frontier{&start};
    seen[cell(&start)] = 1;
    for (int depth = 1; depth <= range && !frontier.empty(); ++depth) {
        std::vector<Tile*> next;
        for (Tile* tile : frontier) {
            Tile* around[4];
            int n = Neighbours(map, *tile, around);
            for (int i = 0; i < n; ++i) {
                // Marking shows the blocked tiles next to the area in red.
                if (!Walkable(*around[i], true) || seen[cell(around[i])]) continue;
                seen[cell(around[i])] = 1;
                next.push_back(around[i]);
                visited.push_back(around[i]);
            }
        }
        frontier.swap(next);
    }
    for (Tile* tile : visited) {
        if (!tile->object)
            tile->SetTint(tile->wizard ? Tile::kTintRed : Tile::kTintBlue);
        else if (tile->object->IsToken())
            tile->SetTint(Tile::kTintToken);
        else
            tile->SetTint(tile->object->passable ? Tile::kTintBlue : Tile::kTintRed);
    }
    start.SetTint(Tile::kTintWhite);
}

std::vector<Tile*> getPathing(Map& map, Tile* start, Tile* destination, int range, bool markPath)
{
    std::vector<Tile*> path;
    if (!start || !destination) return path;
    Search search = BreadthFirst(map, start, destination, range);
    if (search.foundDepth == 0) {
        print("getPathing Error, RANGE too short");
        return path;
    }
    path.push_back(destination);
    for (int k = search.foundDepth - 1; k >= 0; --k) {
        for (const auto& [depth, tile] : search.visited) {
            if (depth == k && Adjacent(*tile, *path.back())) {
                path.push_back(tile);
                break;
            }
        }
    }
    if (markPath) {
        for (Tile* tile : path) {
            tile->pathMark = 1;
            tile->SetTint(Tile::kTintPath);
        }
    }
    return path;
}

std::int32_t PathCost(Map& map, Tile* start, Tile* destination, int maxSteps)
{
    if (!start || !destination) return -1;
    if (start == destination) return 0;
    Search search = BreadthFirst(map, start, destination, maxSteps);
    return search.foundDepth == 0 ? -1 : search.foundDepth;
}

bool MoveWizard(Map& map, Wizard& wizard, Tile* destination)
{
    Tile* from = wizard.tile;
    if (!from || !destination || !wizard.Alive() || wizard.walking) return false;
    std::vector<Tile*> path = getPathing(map, from, destination, wizard.ap, false);
    int steps = static_cast<int>(path.size()) - 1;
    if (steps < 1 || steps > wizard.ap) return false;
    map.ClearAllMarks();
    wizard.path = std::move(path);
    wizard.walking = true;
    wizard.waypoint = static_cast<int>(wizard.path.size()) - 1;
    wizard.velocity = glm::vec2(0.0f);
    wizard.ap -= steps;
    from->wizard = nullptr;
    destination->wizard = &wizard;
    wizard.tile = destination;
    wizard.previousColumn = wizard.column;
    wizard.previousRow = wizard.row;
    wizard.column = destination->column;
    wizard.row = destination->row;
    map.hooks->PlaySound("Walking");
    return true;
}
