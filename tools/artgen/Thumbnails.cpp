// Map_Thumbnails: a small top view of each map of the setup screen's table, in its order. A map
// whose level file exists is drawn from it (tiles, objects, both sides' wizards); the others are
// drawn from the map's name and character until their level is made.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <vector>

#include <rapidjson/document.h>

#include "Catalogue.h"
#include "Noise.h"
#include "Paint.h"
#include "Thumbnails.h"

using namespace pal;

namespace {
constexpr int kGrid = 12, kCell = 5, kSize = 64;

enum Ground { kSea = 0, kGrass, kSand, kForest, kAsh, kLava, kDesert, kOasis, kGrave, kStone, kRock, kCrystal,
              kWaterTile, kEarth, kWind, kAether, kSnow, kSwamp, kDirt };

Ramp GroundRamp(int g)
{
    switch (g) {
    case kGrass: return {leaf, green, grass, moss};
    case kSand: return {bark3, tawny, honey, Hex(0xfcd88c)};
    case kForest: return {Hex(0x123f36), pine, leaf, green};
    case kAsh: return {charcoal, dusk, slate, lilac};
    case kLava: return {brick, orange, amber, gold};
    case kDesert: return {tawny, honey, Hex(0xfcd88c), Hex(0xfff1c9)};
    case kOasis: return {teal0, teal1, teal2, teal3};
    case kGrave: return {Hex(0x2f2430), bark0, bark1, plum};
    case kStone: return {dusk, slate, lilac, mist};
    case kRock: return {Hex(0x2a2233), dusk, plum, lilac};
    case kCrystal: return {grape1, grape2, grape3, grape4};
    case kWaterTile: return {navy, blue, sky, ice};
    case kEarth: return {rust, clay, tawny, honey};
    case kWind: return {teal0, teal1, teal2, teal3};
    case kAether: return {grape0, grape1, grape2, grape3};
    case kSnow: return {mist, pale, Hex(0xe4f0ee), white};
    case kSwamp: return {sage0, sage1, olive1, olive2};
    case kDirt: return {bark0, bark1, bark2, bark3};
    default: return {navy, blue, sky, ice};
    }
}

// The ground of cell (c, r) for map m; kSea outside the island.
int Layout(int m, int c, int r)
{
    float dx = c - 5.5f, dy = r - 5.5f;
    float d = std::sqrt(dx * dx + dy * dy);
    switch (m) {
    case 0: return (c >= 2 && c <= 9 && r >= 2 && r <= 9) ? (c == 2 || c == 9 || r == 2 || r == 9 ? kSand : kGrass) : kSea;
    case 1: {  // swirl: a spiral arm around a round core
        float ang = std::atan2(dy, dx);
        float arm = std::fmod(ang + 3.1416f + d * 0.9f, 3.1416f);
        if (d < 2.2f) return kGrass;
        return (d < 5.8f && arm < 1.3f) ? (arm < 0.3f ? kSand : kGrass) : kSea;
    }
    case 2: return (c >= 1 && c <= 10 && r >= 3 && r <= 8) ? (r == 3 || r == 8 ? kSand : kGrass) : kSea;
    case 3: {
        int m1 = std::abs(c * 2 - 11) + std::abs(r * 2 - 11);
        return m1 <= 10 ? (m1 >= 9 ? kSand : kGrass) : kSea;
    }
    case 4: {  // horseshoe: a ring open at the bottom
        bool ring = d > 2.5f && d < 5.6f && !(r > 6 && std::abs(dx) < 2.5f);
        return ring ? (d > 4.8f ? kSand : kGrass) : kSea;
    }
    case 5: return (c >= 4 && c <= 7 && r >= 4 && r <= 7) ? ((c + r) % 5 == 0 ? kSand : kGrass) : kSea;
    case 6: return d < 5.6f ? (d > 5.0f ? kGrass : kForest) : kSea;
    case 7: return d < 5.4f ? ((noise::Hash(c, r, 77) % 6 == 0) ? kSand : kAsh) : kSea;
    case 8: return d < 5.6f ? (d < 1.8f ? kLava : (d < 3.2f ? kAsh : (d > 4.9f ? kSand : kRock))) : kSea;
    case 9: return d < 5.7f ? (std::abs(dx + 1.5f) + std::abs(dy - 1) < 2.2f ? kOasis : kDesert) : kSea;
    case 10: return (c >= 1 && c <= 10 && r >= 2 && r <= 9) ? kGrave : kSea;
    case 11: {  // dungeon rooms joined by corridors, in darkness
        bool room = (c >= 1 && c <= 4 && r >= 1 && r <= 4) || (c >= 7 && c <= 10 && r >= 2 && r <= 5) ||
                    (c >= 3 && c <= 8 && r >= 7 && r <= 10);
        bool corridor = (r == 3 && c >= 4 && c <= 7) || (c == 5 && r >= 4 && r <= 7) || (c == 9 && r >= 5 && r <= 7);
        return room || corridor ? kStone : kSea;
    }
    default: {  // underground: branching tunnels with crystal caverns
        bool tunnel = (r == 2 && c >= 1) || (c == 3 && r >= 2 && r <= 9) || (r == 9 && c >= 3 && c <= 10) ||
                      (c == 8 && r >= 2 && r <= 9) || (r == 6 && c >= 3 && c <= 8);
        bool cavern = d < 1.8f || (std::abs(c - 9.5f) < 1.6f && std::abs(r - 9) < 1.6f) || (c <= 2 && r <= 3 && c >= 1 && r >= 1);
        if (cavern) return (c + r) % 4 == 0 ? kCrystal : kRock;
        return tunnel ? kRock : kSea;
    }
    }
}

bool Dark(int m) { return m == 11 || m == 12; }

void Decorate(Image& img, int m, int c, int r, int g)
{
    int x = 2 + c * kCell, y = 2 + r * kCell;
    uint32_t h = noise::Hash(c, r, 600 + m);
    if (g == kForest && h % 3 != 0) {
        paint::ShadedEllipse(img, x + 2.5f, y + 2, 2.4f, 2.4f, {Hex(0x123f36), pine, leaf, green});
        img.set(x + 2, y + 4, bark1);
    } else if (g == kGrave && h % 3 == 0) {
        img.rect(x + 2, y + 1, 1, 3, pale);
        img.rect(x + 1, y + 2, 3, 1, pale);
        img.set(x + 2, y + 4, slate);
    } else if (g == kAsh && h % 5 == 0) {
        img.line(x + 2, y + 4, x + 2, y + 1, bark0);
        img.set(x + 1, y + 1, bark0);
        img.set(x + 3, y + 2, bark0);
    } else if (g == kDesert && h % 6 == 0) {
        img.rect(x + 2, y + 1, 1, 3, leaf);
        img.set(x + 1, y + 2, leaf);
    } else if (g == kCrystal) {
        img.polygon({x + 2.5f, float(y), x + 4.0f, y + 3.0f, x + 2.5f, y + 5.0f, x + 1.0f, y + 3.0f}, grape4);
    } else if (g == kGrass && h % 9 == 0 && m != 5) {
        paint::ShadedEllipse(img, x + 2.5f, y + 2, 2, 2, {pine, leaf, green, grass});
    }
}
}  // namespace

const char* const kMapNames[kMapCount] = {"Square Island", "Swirl Island", "Table Island", "Diamond Island",
                                          "Horseshoe Island", "Minute Island", "Forest", "Deadlands", "Volcano",
                                          "Didaruza", "Graveyard", "Dungeon", "Underground"};

namespace {
// One map as the thumbnail draws it: a grid of grounds, what stands on it, and whether it lies
// under the earth (no sea around it).
struct Grid {
    int w = kGrid, h = kGrid;
    std::vector<int> ground;
    std::vector<std::array<int, 3>> marks;  // column, row, kind (0 object, 1 side one, 2 side two)
    bool dark = false;
};

Grid HandLayout(int m)
{
    Grid g;
    g.dark = Dark(m);
    for (int r = 0; r < kGrid; ++r)
        for (int c = 0; c < kGrid; ++c) g.ground.push_back(Layout(m, c, r));
    return g;
}

int GroundOfBiome(const std::string& biome)
{
    static const std::map<std::string, int> known{
        {"Grass_Tile", kGrass},   {"Sand_Tile", kSand},       {"Forest_Tile", kForest},  {"Ash_Tile", kAsh},
        {"Fire_Tile", kLava},     {"Water_Tile", kWaterTile}, {"Earth_Tile", kEarth},    {"Wind_Tile", kWind},
        {"Aether_Tile", kAether}, {"Elemental", kAether},     {"Snow_Tile", kSnow},      {"Swamp_Tile", kSwamp},
        {"Dirt_Tile", kDirt},     {"Stone_Tile", kStone},     {"Dungeon_Tile", kStone},  {"Cave_Tile", kRock},
        {"Graveyard_Tile", kGrave}};
    auto it = known.find(biome);
    return it == known.end() ? kStone : it->second;
}

// Reads a level file's layout; false when there is none or it cannot be used.
bool LevelLayout(const std::string& path, Grid& g)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.size() > 4u * 1024 * 1024) return false;
    rapidjson::Document doc;
    doc.Parse<rapidjson::kParseIterativeFlag>(text.data(), text.size());
    if (doc.HasParseError() || !doc.IsObject() || !doc.HasMember("map_data") || !doc["map_data"].IsObject()) return false;
    const auto& md = doc["map_data"];
    if (!md.HasMember("dimensions") || !md["dimensions"].IsObject() || !md.HasMember("tile_map") || !md["tile_map"].IsArray())
        return false;
    const auto& dim = md["dimensions"];
    if (!dim.HasMember("width") || !dim["width"].IsInt() || !dim.HasMember("height") || !dim["height"].IsInt()) return false;
    g.w = dim["width"].GetInt();
    g.h = dim["height"].GetInt();
    if (g.w < 1 || g.h < 1 || g.w > 200 || g.h > 200 || md["tile_map"].Size() < rapidjson::SizeType(g.w * g.h)) return false;
    std::map<int, int> tileKinds;
    std::set<int> objectKeys;
    auto templates = [&doc](const char* section) -> const rapidjson::Value* {
        if (!doc.HasMember(section) || !doc[section].IsObject()) return nullptr;
        const auto& sec = doc[section];
        return sec.HasMember("templates") && sec["templates"].IsArray() ? &sec["templates"] : nullptr;
    };
    if (const auto* t = templates("tile_data"))
        for (const auto& e : t->GetArray())
            if (e.IsObject() && e.HasMember("key") && e["key"].IsInt() && e.HasMember("biome") && e["biome"].IsString())
                tileKinds.emplace(e["key"].GetInt(), GroundOfBiome(e["biome"].GetString()));
    if (const auto* t = templates("object_data"))
        for (const auto& e : t->GetArray())
            if (e.IsObject() && e.HasMember("key") && e["key"].IsInt()) objectKeys.insert(e["key"].GetInt());
    const auto& tiles = md["tile_map"];
    const rapidjson::Value* objects = md.HasMember("object_map") && md["object_map"].IsArray() ? &md["object_map"] : nullptr;
    for (int i = 0; i < g.w * g.h; ++i) {
        auto it = tiles[i].IsInt() ? tileKinds.find(tiles[i].GetInt()) : tileKinds.end();
        g.ground.push_back(it == tileKinds.end() ? kSea : it->second);
        if (objects && rapidjson::SizeType(i) < objects->Size() && (*objects)[i].IsInt() && objectKeys.count((*objects)[i].GetInt()))
            g.marks.push_back({i % g.w, i / g.w, 0});
    }
    if (doc.HasMember("player_data") && doc["player_data"].IsObject() && doc["player_data"].HasMember("wizard_data") &&
        doc["player_data"]["wizard_data"].IsObject())
        for (int side = 1; side <= 2; ++side) {
            std::string key = "player " + std::to_string(side);
            const auto& wd = doc["player_data"]["wizard_data"];
            if (!wd.HasMember(key.c_str()) || !wd[key.c_str()].IsArray()) continue;
            for (const auto& w : wd[key.c_str()].GetArray())
                if (w.IsObject() && w.HasMember("x") && w["x"].IsInt() && w.HasMember("y") && w["y"].IsInt())
                    g.marks.push_back({w["x"].GetInt(), w["y"].GetInt(), side});
        }
    int background = md.HasMember("background") && md["background"].IsInt() ? md["background"].GetInt() : 0;
    g.dark = background == 6;  // the flagstone backdrop: a map in the dark
    return true;
}

Image RenderGrid(const Grid& g, int m, bool decorate)
{
    Image img(kSize, kSize);
    paint::Generate(img, [&](int x, int y) {
        float n = noise::Fractal(x / 16.0f, y / 16.0f, 4, 2, 700 + m);
        if (g.dark) return paint::Dithered(std::array<Rgba, 3>{Hex(0x140f1c), Hex(0x1f1a2e), ink}, n, x, y);
        return paint::Dithered(std::array<Rgba, 3>{navy, indigo, blue}, n * 0.9f + 0.1f, x, y);
    });
    int cell = std::clamp(60 / std::max(g.w, g.h), 1, 10);
    int ox = (kSize - cell * g.w) / 2, oy = (kSize - cell * g.h) / 2;
    Image land(kSize, kSize);
    for (int r = 0; r < g.h; ++r)
        for (int c = 0; c < g.w; ++c) {
            int kind = g.ground[size_t(r) * g.w + c];
            if (kind == kSea) continue;
            Ramp ramp = GroundRamp(kind);
            int x = ox + c * cell, y = oy + r * cell;
            for (int j = 0; j < cell; ++j)
                for (int i = 0; i < cell; ++i) {
                    float n = noise::Rand01(x + i, y + j, 710 + m);
                    Rgba col = n > 0.8f ? ramp[3] : (n < 0.2f ? ramp[1] : ramp[2]);
                    if (cell >= 4 && (i == 0 || j == 0)) col = paint::Lighten(ramp[2], 0.12f);
                    if (cell >= 4 && (i == cell - 1 || j == cell - 1)) col = ramp[1];
                    land.set(x + i, y + j, col);
                }
        }
    if (!g.dark) {
        Image shallow = land;
        shallow.outline(sky);
        shallow.outline(WithAlpha(sky, 120));
        img.blit(shallow, 0, 0);
    }
    img.blit(land, 0, 0);
    if (decorate && cell == kCell)
        for (int r = 0; r < g.h; ++r)
            for (int c = 0; c < g.w; ++c)
                if (int kind = g.ground[size_t(r) * g.w + c]; kind != kSea) Decorate(img, m, c, r, kind);
    for (const auto& [c, r, kind] : g.marks) {
        if (c < 0 || r < 0 || c >= g.w || r >= g.h) continue;
        Rgba colour = kind == 0 ? mist : (kind == 1 ? red : sky);
        float cx = ox + (c + 0.5f) * cell, cy = oy + (r + 0.5f) * cell;
        img.ellipse(cx, cy, std::max(1.0f, cell * 0.32f), std::max(1.0f, cell * 0.32f), colour);
    }
    // A thin dark frame so thumbnails sit well on any panel.
    paint::Bevel(img, 0, 0, kSize, kSize, ink, ink);
    return img.scaled(2);
}

std::string LevelName(const char* display)
{
    std::string out;
    for (const char* p = display; *p; ++p)
        if (*p != ' ') out += *p;
    return out;
}
}  // namespace

Image MapThumbnail(int m, const std::string& levelsDir)
{
    Grid g;
    if (!levelsDir.empty() && LevelLayout(levelsDir + "/" + LevelName(kMapNames[m]) + ".json", g))
        return RenderGrid(g, m, false);
    return RenderGrid(HandLayout(m), m, true);
}

void AddThumbnails(Catalogue& c)
{
    c.AddSheet("Map_Thumbnails", 1, kMapCount, [](const ArtContext& a) {
        return Sheet(1, kMapCount, 128, 128, [&](int m) { return MapThumbnail(m, a.levels); });
    });
}
