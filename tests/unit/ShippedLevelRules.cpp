#include "ShippedLevelRules.h"

#include <algorithm>
#include <cstdlib>
#include <deque>

namespace shipped_levels {
namespace {

constexpr int kMaxSide = 64;
constexpr int kTurnAp = 5;           // action points of a wizard's turn
constexpr int kTokenStepLimit = 3;   // a token this many steps from every start
const std::vector<std::string> kElementWords{"normal", "fire", "water", "earth", "wind"};

std::string At(Cell p) { return "(" + std::to_string(p.c) + ", " + std::to_string(p.r) + ")"; }

int Manhattan(Cell a, Cell b) { return std::abs(a.c - b.c) + std::abs(a.r - b.r); }

// Reads an array of integers of exactly width x height cells; faults go to problems.
std::vector<int> ReadCells(const json::Value& mapData, const char* key, int cells, std::vector<std::string>& problems)
{
    std::vector<int> out;
    const json::Value* array = nullptr;
    if (json::GetArray(mapData, key, array) != json::Field::Ok) {
        problems.push_back(std::string("\"") + key + "\" is missing");
        return out;
    }
    if (int(array->Size()) != cells)
        problems.push_back(std::string("\"") + key + "\" holds " + std::to_string(array->Size()) + " cells, not " +
                           std::to_string(cells));
    for (const auto& v : array->GetArray()) {
        if (!v.IsInt()) problems.push_back(std::string("\"") + key + "\" holds a value that is not an integer");
        out.push_back(v.IsInt() ? v.GetInt() : -1);
    }
    out.resize(std::max(cells, 0), 0);
    return out;
}

// Reads the templates of a section into key -> word (the first of a repeated key wins, as in
// the game; every key is kept in `keys` so repeats can be reported).
void ReadTemplates(const json::Value& doc, const char* section, const char* word, Level& level,
                   std::map<int, std::string>& table, std::vector<int>& keys)
{
    const json::Value* sec = nullptr;
    const json::Value* list = nullptr;
    if (json::GetObject(doc, section, sec) != json::Field::Ok ||
        json::GetArray(*sec, "templates", list) != json::Field::Ok) {
        level.problems.push_back(std::string("\"") + section + "\" has no \"templates\" array");
        return;
    }
    for (const auto& entry : list->GetArray()) {
        std::string name;
        int key = -1;
        if (json::GetString(entry, word, name) != json::Field::Ok || json::GetInt(entry, "key", key) != json::Field::Ok) {
            level.problems.push_back(std::string("a template of \"") + section + "\" lacks \"" + word + "\" or \"key\"");
            continue;
        }
        keys.push_back(key);
        table.emplace(key, name);
        int hp = 0;
        if (std::string(section) == "object_data") {
            if (json::GetInt(entry, "health", hp) != json::Field::Ok)
                level.problems.push_back("object template " + std::to_string(key) + " has no integer \"health\"");
            level.health.emplace(key, hp);
        }
    }
}

void ReadRules(const json::Value& doc, Level& level)
{
    const json::Value* rules = nullptr;
    if (json::GetObject(doc, "game_rules", rules) != json::Field::Ok) {
        level.problems.push_back("\"game_rules\" is missing");
        return;
    }
    if (json::GetInt(*rules, "player_count", level.players) != json::Field::Ok ||
        json::GetInt(*rules, "wizard_count", level.wizardCount) != json::Field::Ok ||
        json::GetInt(*rules, "wizard_health", level.wizardHealth) != json::Field::Ok)
        level.problems.push_back("\"game_rules\" must spell out player_count, wizard_count and wizard_health");
    const json::Value* elements = nullptr;
    if (json::GetArray(*rules, "allowed_elements", elements) != json::Field::Ok) {
        level.problems.push_back("\"allowed_elements\" is missing");
        return;
    }
    for (const auto& e : elements->GetArray()) {
        if (e.IsString()) level.elements.emplace_back(e.GetString());
        else level.problems.push_back("\"allowed_elements\" holds a value that is not a word");
    }
}

void ReadWizards(const json::Value& doc, Level& level)
{
    const json::Value* pd = nullptr;
    const json::Value* wd = nullptr;
    if (json::GetObject(doc, "player_data", pd) != json::Field::Ok ||
        json::GetObject(*pd, "wizard_data", wd) != json::Field::Ok) {
        level.problems.push_back("\"player_data\" has no \"wizard_data\"");
        return;
    }
    for (const auto& side : wd->GetObject()) {
        std::string name = side.name.GetString();
        int number = 0;
        for (int n = 1; n <= 8; ++n)
            if (name == "player " + std::to_string(n)) number = n;
        if (number < 1 || number > level.players || !side.value.IsArray()) {
            level.problems.push_back("\"" + name + "\" is not a side of this level");
            continue;
        }
        auto& starts = level.sides[number];
        for (const auto& w : side.value.GetArray()) {
            Cell p{-1, -1};
            if (json::GetInt(w, "x", p.c) != json::Field::Ok || json::GetInt(w, "y", p.r) != json::Field::Ok)
                level.problems.push_back("a wizard of \"" + name + "\" lacks integer \"x\" and \"y\"");
            else starts.push_back(p);
        }
    }
}

// Walking steps from `from` to every cell (-1 where none leads); wizards do not block here.
std::vector<int> WalkSteps(const Level& level, Cell from)
{
    std::vector<int> steps(size_t(level.width) * level.height, -1);
    if (!level.Inside(from) || level.Biome(from).empty()) return steps;
    std::deque<Cell> queue{from};
    steps[size_t(from.r) * level.width + from.c] = 0;
    while (!queue.empty()) {
        Cell p = queue.front();
        queue.pop_front();
        for (Cell n : {Cell{p.c + 1, p.r}, Cell{p.c - 1, p.r}, Cell{p.c, p.r + 1}, Cell{p.c, p.r - 1}}) {
            if (!level.Inside(n) || !level.Walkable(n)) continue;
            int& s = steps[size_t(n.r) * level.width + n.c];
            if (s >= 0) continue;
            s = steps[size_t(p.r) * level.width + p.c] + 1;
            queue.push_back(n);
        }
    }
    return steps;
}

int StepsTo(const Level& level, const std::vector<int>& steps, Cell p)
{
    return level.Inside(p) ? steps[size_t(p.r) * level.width + p.c] : -1;
}

Cell Image(const Level& level, Mirror mirror, Cell p)
{
    switch (mirror) {
    case Mirror::HalfTurn: return {level.width - 1 - p.c, level.height - 1 - p.r};
    case Mirror::LeftRight: return {level.width - 1 - p.c, p.r};
    case Mirror::AntiDiagonal: return {level.height - 1 - p.r, level.width - 1 - p.c};
    default: return p;
    }
}

// A tile as a mirror compares it: its biome, and for an "Elemental" tile its template too, since
// each such template turns into its own element when the level loads.
std::string GroundOf(const Level& level, Cell p)
{
    std::string biome = level.Biome(p);
    if (biome == "Elemental") biome += "#" + std::to_string(level.tileKeys[size_t(p.r) * level.width + p.c]);
    return biome;
}

bool Walkover(const std::string& kind)
{
    return kind == "Primalite" || kind == "Caltrop" || kind == "Ambrosia" || kind == "Hot_Coal";
}

}  // namespace

std::string Level::Biome(Cell p) const
{
    if (!Inside(p)) return {};
    auto it = biomes.find(tileKeys[size_t(p.r) * width + p.c]);
    return it == biomes.end() ? std::string() : it->second;
}

std::string Level::Kind(Cell p) const
{
    if (!Inside(p)) return {};
    auto it = kinds.find(objectKeys[size_t(p.r) * width + p.c]);
    return it == kinds.end() ? std::string() : it->second;
}

bool Level::Walkable(Cell p) const
{
    std::string kind = Kind(p);
    return !Biome(p).empty() && (kind.empty() || Walkover(kind));
}

std::vector<Cell> Level::CellsHolding(const std::string& kind) const
{
    std::vector<Cell> out;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            if (Kind({c, r}) == kind) out.push_back({c, r});
    return out;
}

Level ReadLevel(const json::Value& doc)
{
    Level level;
    const json::Value* md = nullptr;
    const json::Value* dims = nullptr;
    if (json::GetObject(doc, "map_data", md) != json::Field::Ok ||
        json::GetObject(*md, "dimensions", dims) != json::Field::Ok ||
        json::GetInt(*dims, "width", level.width) != json::Field::Ok ||
        json::GetInt(*dims, "height", level.height) != json::Field::Ok) {
        level.problems.push_back("\"map_data\" has no integer \"dimensions\"");
        level.width = level.height = 0;
        return level;
    }
    if (level.width < 1 || level.height < 1 || level.width > kMaxSide || level.height > kMaxSide) {
        level.problems.push_back("\"dimensions\" must be 1 to 64 each");
        level.width = level.height = 0;
        return level;
    }
    if (json::GetInt(*md, "background", level.background) != json::Field::Ok)
        level.problems.push_back("\"background\" is missing");
    level.tileKeys = ReadCells(*md, "tile_map", level.width * level.height, level.problems);
    level.objectKeys = ReadCells(*md, "object_map", level.width * level.height, level.problems);
    ReadRules(doc, level);
    ReadTemplates(doc, "tile_data", "biome", level, level.biomes, level.tileKeyList);
    ReadTemplates(doc, "object_data", "object", level, level.kinds, level.objectKeyList);
    ReadWizards(doc, level);
    return level;
}

bool IsPlainName(const std::string& name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_';
    });
}

bool IsSharedTexture(const std::string& name)
{
    static const std::set<std::string> shared{"Elemental", "Fire_Tile", "Water_Tile", "Earth_Tile", "Wind_Tile",
                                              "Aether_Tile", "Primalite", "Boulder", "Caltrop"};
    return shared.count(name) > 0;
}

std::vector<std::string> CheckGrid(const Level& level)
{
    std::vector<std::string> problems;
    auto repeats = [&problems](std::vector<int> keys, const char* what) {
        std::sort(keys.begin(), keys.end());
        if (std::adjacent_find(keys.begin(), keys.end()) != keys.end())
            problems.push_back(std::string("two ") + what + " templates share a key");
    };
    repeats(level.tileKeyList, "tile");
    repeats(level.objectKeyList, "object");
    for (const auto& [key, biome] : level.biomes)
        if (!IsPlainName(biome)) problems.push_back("biome \"" + biome + "\" is not a plain name");
    for (const auto& [key, kind] : level.kinds) {
        if (!IsPlainName(kind)) problems.push_back("object \"" + kind + "\" is not a plain name");
        if (kind != "Primalite" && level.health.at(key) < 1) problems.push_back(kind + " has no health to lose");
    }
    for (int r = 0; r < level.height; ++r)
        for (int c = 0; c < level.width; ++c) {
            int key = level.objectKeys[size_t(r) * level.width + c];
            if (key != 0 && !level.kinds.count(key)) problems.push_back("object key at " + At({c, r}) + " names no template");
            if (!level.Kind({c, r}).empty() && level.Biome({c, r}).empty())
                problems.push_back(level.Kind({c, r}) + " at " + At({c, r}) + " lies on a hole");
        }
    if (level.Biome({level.width / 2, level.height / 2}).empty())
        problems.push_back("no tile at the centre " + At({level.width / 2, level.height / 2}) + " for the camera");
    return problems;
}

std::vector<std::string> CheckElements(const Level& level)
{
    std::vector<std::string> problems;
    int elementsOnTiles = 0;
    for (const auto& word : level.elements) {
        if (std::find(kElementWords.begin(), kElementWords.end(), word) == kElementWords.end())
            problems.push_back("\"" + word + "\" is not an element word");
        else if (word != "normal")
            ++elementsOnTiles;
    }
    if (std::find(level.elements.begin(), level.elements.end(), "normal") == level.elements.end())
        problems.push_back("\"normal\" is not allowed, so no wizard gets a Cantrip");
    int elementals = 0;
    for (const auto& [key, biome] : level.biomes) elementals += biome == "Elemental";
    if (elementals > elementsOnTiles)
        problems.push_back(std::to_string(elementals) + " \"Elemental\" templates for " + std::to_string(elementsOnTiles) +
                           " elements");
    if (elementsOnTiles == 0 && !level.CellsHolding("Primalite").empty())
        problems.push_back("tokens lie on a level that allows no element for them");
    return problems;
}

std::vector<std::string> CheckWizards(const Level& level)
{
    std::vector<std::string> problems;
    std::set<Cell> taken;
    for (int side = 1; side <= level.players; ++side) {
        auto it = level.sides.find(side);
        size_t placed = it == level.sides.end() ? 0 : it->second.size();
        if (int(placed) != level.wizardCount)
            problems.push_back("side " + std::to_string(side) + " places " + std::to_string(placed) +
                               " wizards, \"wizard_count\" is " + std::to_string(level.wizardCount));
    }
    for (const auto& [side, starts] : level.sides)
        for (Cell p : starts) {
            std::string who = "a wizard of side " + std::to_string(side) + " at " + At(p);
            if (!level.Inside(p)) problems.push_back(who + " stands off the grid");
            else if (level.Biome(p).empty()) problems.push_back(who + " stands on a hole");
            else if (!level.Kind(p).empty()) problems.push_back(who + " stands on a " + level.Kind(p));
            if (!taken.insert(p).second) problems.push_back(who + " shares the cell with another wizard");
        }
    return problems;
}

std::vector<std::string> CheckTextures(const Level& level, const std::set<std::string>& known)
{
    std::vector<std::string> problems;
    for (const auto& [key, biome] : level.biomes)
        if (biome != "Elemental" && !known.count(biome)) problems.push_back("no texture for the biome \"" + biome + "\"");
    for (const auto& [key, kind] : level.kinds)
        if (!known.count(kind)) problems.push_back("no texture for the object \"" + kind + "\"");
    return problems;
}

std::vector<std::string> CheckMirror(const Level& level, Mirror mirror)
{
    std::vector<std::string> problems;
    if (mirror == Mirror::None) return {"no mirror named for a two-side level"};
    if (mirror == Mirror::AntiDiagonal && level.width != level.height) return {"a diagonal mirror needs a square map"};
    for (int r = 0; r < level.height; ++r)
        for (int c = 0; c < level.width; ++c) {
            Cell p{c, r}, q = Image(level, mirror, p);
            if (GroundOf(level, p) != GroundOf(level, q))
                problems.push_back("tile " + At(p) + " is not the image of " + At(q));
            if (level.Kind(p) != level.Kind(q)) problems.push_back("object at " + At(p) + " is not the image of " + At(q));
        }
    std::set<Cell> one, twoImages;
    if (level.sides.count(1)) one.insert(level.sides.at(1).begin(), level.sides.at(1).end());
    if (level.sides.count(2))
        for (Cell p : level.sides.at(2)) twoImages.insert(Image(level, mirror, p));
    if (one != twoImages) problems.push_back("side 2 does not stand on the image of side 1's starts");
    return problems;
}

std::vector<std::string> CheckReach(const Level& level, int teamSize, int gap)
{
    std::vector<std::string> problems;
    std::vector<Cell> tokens = level.CellsHolding("Primalite");
    if (level.players >= 2 && int(tokens.size()) < teamSize + 1)
        problems.push_back(std::to_string(tokens.size()) + " tokens for a team of " + std::to_string(teamSize));
    std::vector<Cell> everyone;
    for (const auto& [side, starts] : level.sides) everyone.insert(everyone.end(), starts.begin(), starts.end());
    std::set<Cell> reachedTokens;
    for (Cell w : everyone) {
        auto steps = WalkSteps(level, w);
        bool near = false;
        for (Cell t : tokens) {
            int s = StepsTo(level, steps, t);
            if (s >= 0) reachedTokens.insert(t);
            near = near || (s >= 0 && s <= kTokenStepLimit);
        }
        if (!near) problems.push_back("no token within three steps of the wizard at " + At(w));
        for (Cell other : everyone)
            if (StepsTo(level, steps, other) < 0) problems.push_back("no walk joins " + At(w) + " and " + At(other));
    }
    if (reachedTokens.size() != tokens.size()) problems.push_back("a token lies where no wizard can walk");
    if (level.sides.count(1) && level.sides.count(2))
        for (Cell a : level.sides.at(1))
            for (Cell b : level.sides.at(2))
                if (Manhattan(a, b) < gap)
                    problems.push_back("enemies at " + At(a) + " and " + At(b) + " start only " +
                                       std::to_string(Manhattan(a, b)) + " steps apart");
    return problems;
}

std::vector<std::string> CheckTutorial(const Level& level, int fireballDamage, int fireballRange, int fireballCost)
{
    std::vector<std::string> problems;
    if (level.players != 1 || level.wizardCount != 1 || !level.sides.count(1) || level.sides.at(1).size() != 1)
        return {"the tutorial is played by one side with one wizard"};
    Cell start = level.sides.at(1).front();
    std::vector<Cell> dummies = level.CellsHolding("Training_Dummy");
    if (dummies.size() != 1) return {"the tutorial needs exactly one Training_Dummy"};
    Cell dummy = dummies.front();
    int boosted = (fireballDamage * 3 + 1) / 2;  // half as much again, rounded up
    int health = 0;
    for (const auto& [key, kind] : level.kinds)
        if (kind == "Training_Dummy") health = level.health.at(key);
    if (health <= boosted || health > 2 * boosted)
        problems.push_back("a dummy of health " + std::to_string(health) + " does not fall to exactly two boosted Fireballs of " +
                           std::to_string(boosted));
    if (2 * fireballCost > kTurnAp) problems.push_back("two Fireballs do not fit in one turn");
    for (const auto& [key, biome] : level.biomes)
        if (biome == "Elemental") problems.push_back("the tutorial's fire tile must be fixed, not \"Elemental\"");
    if (!level.CellsHolding("Caltrop").empty() || !level.CellsHolding("Hot_Coal").empty())
        problems.push_back("the tutorial has hazards");
    // In the first turn: walk to a token (not under the start), then on to a fire tile from which
    // the dummy is within Fireball range.
    auto fromStart = WalkSteps(level, start);
    bool planFound = false;
    for (Cell token : level.CellsHolding("Primalite")) {
        int toToken = StepsTo(level, fromStart, token);
        if (toToken < 1) continue;
        auto fromToken = WalkSteps(level, token);
        for (int r = 0; r < level.height; ++r)
            for (int c = 0; c < level.width; ++c) {
                Cell fire{c, r};
                int toFire = StepsTo(level, fromToken, fire);
                if (level.Biome(fire) != "Fire_Tile" || !level.Kind(fire).empty() || toFire < 1) continue;
                planFound = planFound || (toToken + toFire <= kTurnAp && Manhattan(fire, dummy) <= fireballRange);
            }
    }
    if (!planFound)
        problems.push_back("no token within one turn's walk with a fire tile beyond it in Fireball range of the dummy");
    if (Manhattan(start, dummy) <= fireballRange)
        problems.push_back("the dummy is in Fireball range from the start: the token and fire tile teach nothing");
    return problems;
}

}  // namespace shipped_levels
