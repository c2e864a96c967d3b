// Map_Thumbnails: a small top view of each map of the setup screen's table, in its order. The
// islands are drawn from each map's name and character (tile grid, biome, landmarks).
#include <cmath>

#include "Catalogue.h"
#include "Noise.h"
#include "Paint.h"
#include "Thumbnails.h"

using namespace pal;

namespace {
constexpr int kGrid = 12, kCell = 5, kSize = 64;

enum Ground { kSea = 0, kGrass, kSand, kForest, kAsh, kLava, kDesert, kOasis, kGrave, kStone, kRock, kCrystal };

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

Image MapThumbnail(int m)
{
    Image img(kSize, kSize);
    // Sea (or darkness for the maps under the earth).
    paint::Generate(img, [m](int x, int y) {
        float n = noise::Fractal(x / 16.0f, y / 16.0f, 4, 2, 700 + m);
        if (Dark(m)) return paint::Dithered(std::array<Rgba, 3>{Hex(0x140f1c), Hex(0x1f1a2e), ink}, n, x, y);
        return paint::Dithered(std::array<Rgba, 3>{navy, indigo, blue}, n * 0.9f + 0.1f, x, y);
    });
    // Shallow water around the land.
    Image land(kSize, kSize);
    for (int r = 0; r < kGrid; ++r)
        for (int c = 0; c < kGrid; ++c) {
            int g = Layout(m, c, r);
            if (g == kSea) continue;
            Ramp ramp = GroundRamp(g);
            int x = 2 + c * kCell, y = 2 + r * kCell;
            for (int j = 0; j < kCell; ++j)
                for (int i = 0; i < kCell; ++i) {
                    float n = noise::Rand01(x + i, y + j, 710 + m);
                    Rgba col = n > 0.8f ? ramp[3] : (n < 0.2f ? ramp[1] : ramp[2]);
                    if (i == 0 || j == 0) col = paint::Lighten(ramp[2], 0.12f);
                    if (i == kCell - 1 || j == kCell - 1) col = ramp[1];
                    land.set(x + i, y + j, col);
                }
        }
    if (!Dark(m)) {
        Image shallow = land;
        shallow.outline(sky);
        shallow.outline(WithAlpha(sky, 120));
        img.blit(shallow, 0, 0);
    }
    img.blit(land, 0, 0);
    for (int r = 0; r < kGrid; ++r)
        for (int c = 0; c < kGrid; ++c)
            if (int g = Layout(m, c, r); g != kSea) Decorate(img, m, c, r, g);
    // A thin dark frame so thumbnails sit well on any panel.
    paint::Bevel(img, 0, 0, kSize, kSize, ink, ink);
    return img.scaled(2);
}

void AddThumbnails(Catalogue& c)
{
    c.AddSheet("Map_Thumbnails", 1, kMapCount, [](const ArtContext&) {
        return Sheet(1, kMapCount, 128, 128, MapThumbnail);
    });
}
