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
// What stands on a cell, as the thumbnail marks it.
enum Mark { kObject = 0, kSideOne, kSideTwo, kToken, kBoulder, kHazard, kHealing, kDummy };

// One map as the thumbnail draws it: a grid of grounds, what stands on it, and the battle backdrop
// around it (-1 for a map drawn by hand: sea, or darkness under the earth).
struct Grid {
    int w = kGrid, h = kGrid;
    std::vector<int> ground;
    std::vector<std::array<int, 3>> marks;  // column, row, Mark
    bool dark = false;
    int background = -1;
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

Mark MarkOfObject(const std::string& kind)
{
    if (kind == "Primalite") return kToken;
    if (kind == "Boulder") return kBoulder;
    if (kind == "Caltrop" || kind == "Hot_Coal") return kHazard;
    if (kind == "Ambrosia") return kHealing;
    if (kind == "Training_Dummy") return kDummy;
    return kObject;
}

const rapidjson::Value* Member(const rapidjson::Value& v, const char* key)
{
    if (!v.IsObject()) return nullptr;
    auto it = v.FindMember(key);
    return it == v.MemberEnd() ? nullptr : &it->value;
}

int IntMember(const rapidjson::Value& v, const char* key, int fallback)
{
    const rapidjson::Value* m = Member(v, key);
    return m && m->IsInt() ? m->GetInt() : fallback;
}

const rapidjson::Value* Templates(const rapidjson::Document& doc, const char* section)
{
    const rapidjson::Value* sec = Member(doc, section);
    const rapidjson::Value* list = sec ? Member(*sec, "templates") : nullptr;
    return list && list->IsArray() ? list : nullptr;
}

// Template key -> the value fn gives for its word ("biome" or "object"); the first of a key wins,
// as in the game.
template <class Fn>
std::map<int, int> TemplateTable(const rapidjson::Document& doc, const char* section, const char* word, Fn fn)
{
    std::map<int, int> table;
    if (const rapidjson::Value* list = Templates(doc, section))
        for (const auto& e : list->GetArray()) {
            const rapidjson::Value* w = Member(e, word);
            const rapidjson::Value* key = Member(e, "key");
            if (w && w->IsString() && key && key->IsInt()) table.emplace(key->GetInt(), fn(w->GetString()));
        }
    return table;
}

int Lookup(const std::map<int, int>& table, const rapidjson::Value& cell, int fallback)
{
    auto it = cell.IsInt() ? table.find(cell.GetInt()) : table.end();
    return it == table.end() ? fallback : it->second;
}

// Wizard starts of both sides; like the game, a start off the grid or on a hole is left out.
void AddWizards(const rapidjson::Document& doc, Grid& g)
{
    const rapidjson::Value* pd = Member(doc, "player_data");
    const rapidjson::Value* wd = pd ? Member(*pd, "wizard_data") : nullptr;
    if (!wd || !wd->IsObject()) return;
    for (int side = 1; side <= 2; ++side) {
        std::string key = "player " + std::to_string(side);
        const rapidjson::Value* list = Member(*wd, key.c_str());
        if (!list || !list->IsArray()) continue;
        for (const auto& w : list->GetArray()) {
            int c = IntMember(w, "x", -1), r = IntMember(w, "y", -1);
            if (c < 0 || r < 0 || c >= g.w || r >= g.h || g.ground[size_t(r) * g.w + c] == kSea) continue;
            g.marks.push_back({c, r, side == 1 ? kSideOne : kSideTwo});
        }
    }
}

// Reads a level file's layout with the game's own bounds; false when there is none or it cannot
// be used.
bool LevelLayout(const std::string& path, Grid& g)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.size() > 4u * 1024 * 1024) return false;
    rapidjson::Document doc;
    doc.Parse<rapidjson::kParseIterativeFlag>(text.data(), text.size());
    if (doc.HasParseError()) return false;
    const rapidjson::Value* md = Member(doc, "map_data");
    const rapidjson::Value* dim = md ? Member(*md, "dimensions") : nullptr;
    const rapidjson::Value* tiles = md ? Member(*md, "tile_map") : nullptr;
    if (!dim || !tiles || !tiles->IsArray()) return false;
    g.w = IntMember(*dim, "width", 0);
    g.h = IntMember(*dim, "height", 0);
    if (g.w < 1 || g.h < 1 || g.w > 64 || g.h > 64) return false;
    const rapidjson::Value* objects = Member(*md, "object_map");
    if (objects && !objects->IsArray()) objects = nullptr;
    auto grounds = TemplateTable(doc, "tile_data", "biome", GroundOfBiome);
    auto kinds = TemplateTable(doc, "object_data", "object", MarkOfObject);
    for (int i = 0; i < g.w * g.h; ++i) {
        // Cells beyond a short array are holes without objects, as the game reads them.
        bool hasTile = rapidjson::SizeType(i) < tiles->Size();
        int ground = hasTile ? Lookup(grounds, (*tiles)[i], kSea) : kSea;
        g.ground.push_back(ground);
        if (ground == kSea || !objects || rapidjson::SizeType(i) >= objects->Size()) continue;
        int mark = Lookup(kinds, (*objects)[i], -1);
        if (mark >= 0) g.marks.push_back({i % g.w, i / g.w, mark});
    }
    AddWizards(doc, g);
    g.background = IntMember(*md, "background", 0);
    return true;
}

// The battle backdrop around the island, in three dithered shades, and whether shallows ring it.
struct Surround {
    std::array<Rgba, 3> shades;
    bool shallows;
};

Surround SurroundOf(const Grid& g)
{
    switch (g.background) {
    case -1: return g.dark ? Surround{{Hex(0x140f1c), Hex(0x1f1a2e), ink}, false} : Surround{{navy, indigo, blue}, true};
    case 1: return {{pine, leaf, green}, false};                              // Grass_BG
    case 2: return {{ink, blood, brick}, false};                              // Lava
    case 3: return {{bark3, tawny, honey}, false};                            // Sand_BG
    case 4: return {{grape0, teal0, teal1}, true};                            // Didaruza_BG
    case 5: return {{Hex(0x1f1a2e), grape0, Hex(0x3b4a3a)}, false};           // Evil Grass_BG
    case 6: return {{Hex(0x140f1c), Hex(0x1f1a2e), ink}, false};              // Tile_BG, in the dark
    case 7: return {{Hex(0x1f1a2e), grape0, navy}, false};                    // AP_BG
    default: return {{navy, indigo, blue}, true};                             // Water
    }
}

void DrawMark(Image& img, float cx, float cy, int cell, int mark)
{
    float r = std::max(1.0f, cell * 0.32f);
    if (cell >= 4) img.ellipse(cx, cy, r + 1, r + 1, ink);
    switch (mark) {
    case kSideOne: img.ellipse(cx, cy, r, r, red); break;
    case kSideTwo: img.ellipse(cx, cy, r, r, ice); break;
    case kToken: img.polygon({cx, cy - r - 0.5f, cx + r, cy, cx, cy + r + 0.5f, cx - r, cy}, grape4); break;
    case kBoulder: img.ellipse(cx, cy, r, r, slate); break;
    case kHazard: img.ellipse(cx, cy, r * 0.8f, r * 0.8f, orange); break;
    case kHealing: img.ellipse(cx, cy, r * 0.8f, r * 0.8f, moss); break;
    case kDummy: img.ellipse(cx, cy, r, r, honey); break;
    default: img.ellipse(cx, cy, r, r, mist); break;
    }
}

Image RenderGrid(const Grid& g, int m, bool decorate)
{
    Image img(kSize, kSize);
    Surround around = SurroundOf(g);
    paint::Generate(img, [&](int x, int y) {
        float n = noise::Fractal(x / 16.0f, y / 16.0f, 4, 2, 700 + m);
        return paint::Dithered(around.shades, around.shallows ? n * 0.9f + 0.1f : n, x, y);
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
    if (around.shallows) {
        Image shallow = land;
        shallow.outline(sky);
        shallow.outline(WithAlpha(sky, 120));
        img.blit(shallow, 0, 0);
    } else if (!g.dark) {
        land.outline(ink);  // the island's edge stays readable on a backdrop of its own colours
    }
    img.blit(land, 0, 0);
    if (decorate && cell == kCell)
        for (int r = 0; r < g.h; ++r)
            for (int c = 0; c < g.w; ++c)
                if (int kind = g.ground[size_t(r) * g.w + c]; kind != kSea) Decorate(img, m, c, r, kind);
    for (const auto& [c, r, mark] : g.marks)
        if (c >= 0 && r >= 0 && c < g.w && r < g.h) DrawMark(img, ox + (c + 0.5f) * cell, oy + (r + 0.5f) * cell, cell, mark);
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
