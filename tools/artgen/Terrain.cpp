// The 64 x 64 ground tiles: the four elemental tiles, aether, and the plain biomes of the levels.
// Each is painted at 32 x 32 and doubled so its pixels match the characters standing on it.
#include <cmath>

#include "Catalogue.h"
#include "Noise.h"
#include "Paint.h"
#include "Patterns.h"

using namespace pal;
using pattern::Mottle;

namespace {
constexpr int N = 32;

Image Finish(Image img)
{
    pattern::TileRim(img);
    return img.scaled(2);
}

void Blades(Image& img, int n, uint32_t seed, Rgba dark, Rgba light)
{
    noise::Rng rng(seed);
    for (int i = 0; i < n; ++i) {
        int x = rng.range(1, N - 2), y = rng.range(2, N - 2);
        img.set(x, y, light);
        img.set(x, y + 1, dark);
        if (rng.next() % 3 == 0) img.set(x + 1, y, light);
    }
}

void Flower(Image& img, int x, int y, Rgba petal)
{
    img.set(x, y - 1, petal);
    img.set(x - 1, y, petal);
    img.set(x + 1, y, petal);
    img.set(x, y + 1, petal);
    img.set(x, y, gold);
}

Image Grass(uint32_t seed, const Ramp& ramp)
{
    Image img = Mottle(N, N, ramp, 4, seed, 0.6f);
    Blades(img, 26, seed + 1, ramp[0], ramp[3]);
    return img;
}

Image FireTile()
{
    Image img = Mottle(N, N, {Hex(0x4a1f24), blood, Hex(0x8a2f2a), brick}, 4, 11, 0.8f);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            float d = pattern::CrackDistance(x, y, N, N, 3, 12);
            if (d < 0.5f) img.set(x, y, gold);
            else if (d < 1.1f) img.set(x, y, orange);
            else if (d < 1.8f) img.set(x, y, (x + y) % 2 ? flame : brick);
        }
    pattern::Speckle(img, 10, 13, amber, ink);
    return img;
}

Image WaterTile()
{
    Image img(N, N);
    paint::Generate(img, [](int x, int y) {
        float n = noise::Fractal(x / 8.0f, y / 8.0f, 4, 2, 21);
        float wave = std::sin((x + y * 0.35f) * 0.55f + n * 6.0f);
        std::array<Rgba, 4> ramp{navy, blue, sky, ice};
        return paint::Dithered(ramp, 0.38f + wave * 0.18f + (n - 0.5f) * 0.6f, x, y);
    });
    // Ripple arcs catching the light.
    for (auto [cx, cy, r] : {std::array{7, 8, 3}, {17, 5, 2}, {9, 22, 2}, {26, 13, 3}}) {
        for (int dx = -r; dx <= r; ++dx) img.set(cx + dx, cy - (std::abs(dx) == r ? 0 : 1), std::abs(dx) <= r / 2 ? white : ice);
        for (int dx = -r + 1; dx < r; ++dx) img.set(cx + dx, cy + 1, sky);
    }
    // A lily pad so the tile is unmistakably water even in a colour-blind palette.
    img.ellipse(22, 22, 4.5f, 3.5f, leaf);
    img.ellipse(21.5f, 21.5f, 3.0f, 2.0f, green);
    img.line(22, 22, 26, 20, pine);
    img.set(20, 20, grass);
    return img;
}

Image EarthTile()
{
    Image img(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            int id = 0;
            float d = pattern::CrackDistance(x, y, N, N, 3, 31, &id);
            std::array<Rgba, 4> ramp{rust, clay, tawny, honey};
            float n = noise::Fractal(x / 8.0f, y / 8.0f, 4, 2, 32) * 0.6f + (id % 5) * 0.08f;
            Rgba c = paint::Dithered(ramp, n, x, y);
            if (d < 0.8f) c = bark0;
            else if (d < 1.6f) c = Hex(0x7a3a2c);
            else if (d < 2.4f && (x + y) % 2 == 0) c = paint::Lighten(c, 0.12f);
            img.set(x, y, c);
        }
    pattern::Speckle(img, 8, 33, bark2, honey);
    return img;
}

Image WindTile()
{
    Image img = Grass(41, {teal0, teal1, teal2, teal3});
    // Two white gusts curling over the meadow.
    auto gust = [&](float cx, float cy, float r) {
        for (float a = 0.3f; a < 5.0f; a += 0.05f) {
            float rr = r * (1.0f - a / 7.0f);
            int x = int(cx + std::cos(a) * rr), y = int(cy - std::sin(a) * rr * 0.8f);
            img.set(((x % N) + N) % N, ((y % N) + N) % N, a < 2.5f ? white : teal4);
        }
    };
    gust(10, 11, 6);
    gust(23, 23, 5);
    for (int x = 3; x < 12; ++x) img.set(x, 27, teal4);
    for (int x = 18; x < 29; ++x) img.set(x, 6, teal4);
    return img;
}

Image AetherTile()
{
    Image img = Mottle(N, N, {grape0, grape1, grape2, grape3}, 4, 51);
    // A faint rune circle with sparkling stars.
    for (float a = 0; a < 6.283f; a += 0.03f) img.set(int(16 + std::cos(a) * 10), int(16 + std::sin(a) * 10), grape4);
    for (int i = 0; i < 4; ++i) {
        float a = i * 1.5708f + 0.4f;
        img.set(int(16 + std::cos(a) * 6), int(16 + std::sin(a) * 6), white);
    }
    noise::Rng rng(52);
    for (int i = 0; i < 6; ++i) {
        int x = rng.range(2, N - 3), y = rng.range(2, N - 3);
        img.set(x, y, white);
        img.set(x - 1, y, grape4);
        img.set(x + 1, y, grape4);
        img.set(x, y - 1, grape4);
        img.set(x, y + 1, grape4);
    }
    return img;
}

Image SandTile()
{
    Image img = Mottle(N, N, {bark3, tawny, honey, Hex(0xfcd88c)}, 4, 61, 0.7f);
    for (int y = 4; y < N; y += 7)
        for (int x = 0; x < N; ++x)
            if (std::sin(x * 0.4f + y) > 0.2f) img.set(x, (y + int(std::sin(x * 0.3f) * 1.5f) + N) % N, bark3);
    pattern::Speckle(img, 8, 62, Hex(0xfff1c9), clay);
    return img;
}

Image Slabs(uint32_t seed, const Ramp& ramp, Rgba joint, int cells)
{
    Image img(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            int id = 0;
            float d = pattern::CrackDistance(x, y, N, N, cells, seed, &id);
            float n = noise::Fractal(x / 8.0f, y / 8.0f, 4, 2, seed + 1) * 0.5f + (id % 4) * 0.12f;
            Rgba c = paint::Dithered(ramp, n, x, y);
            if (d < 0.9f) c = joint;
            else if (d < 1.9f) c = ramp[3];  // lit slab edge
            img.set(x, y, c);
        }
    return img;
}

Image SnowTile()
{
    Image img = Mottle(N, N, {mist, pale, Hex(0xe4f0ee), white}, 4, 71, 0.8f);
    for (int i = 0; i < 3; ++i) img.ellipse(6.0f + i * 10, 8.0f + (i * 11) % 20, 3, 1.5f, WithAlpha(ice, 110));
    pattern::Speckle(img, 10, 72, white, ice);
    return img;
}

Image SwampTile()
{
    Image img = Mottle(N, N, {sage0, sage1, olive1, olive2}, 4, 81);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            if (noise::Fractal(x / 8.0f, y / 8.0f, 4, 2, 82) < 0.36f) img.set(x, y, (x + y) % 5 ? teal0 : pine);
    Blades(img, 12, 83, olive0, moss);
    return img;
}

Image AshTile()
{
    Image img = Mottle(N, N, {ink, charcoal, dusk, slate}, 4, 91);
    pattern::Cracks(img, 3, 92, 0.6f, ink);
    pattern::Speckle(img, 6, 93, orange, amber);
    pattern::Speckle(img, 10, 94, mist, slate);
    return img;
}

Image DungeonTile()
{
    // Square flagstones in two rows with offset joints.
    Image img = Mottle(N, N, {dusk, slate, lilac, mist}, 4, 101, 0.6f);
    for (int x = 0; x < N; ++x) {
        img.set(x, 0, ink);
        img.set(x, 15, ink);
        img.set(x, 1, lilac);
        img.set(x, 16, lilac);
    }
    for (int y = 0; y < 15; ++y) {
        img.set(0, y, ink);
        img.set(16, y + 16, ink);
        img.set(1, y + 1, lilac);
        img.set(17, y + 16, lilac);
    }
    pattern::Speckle(img, 10, 102, dusk, plum);
    return img;
}

Image GraveyardTile()
{
    Image img = Mottle(N, N, {Hex(0x2f2430), bark0, bark1, plum}, 4, 111);
    Blades(img, 10, 112, sage0, sage1);
    // A small bone.
    img.line(8, 23, 13, 21, pale);
    img.set(7, 23, white);
    img.set(8, 24, white);
    img.set(13, 20, white);
    img.set(14, 21, white);
    pattern::Speckle(img, 6, 113, slate, mist);
    return img;
}

Image DirtTile()
{
    Image img = Mottle(N, N, {bark0, bark1, bark2, bark3}, 4, 121);
    pattern::Speckle(img, 12, 122, taupe, bark0);
    return img;
}

Image CaveTile()
{
    Image img = Slabs(131, {Hex(0x2a2233), dusk, plum, lilac}, ink, 3);
    pattern::Speckle(img, 4, 132, teal3, teal2);  // glowing moss
    return img;
}

Image ForestTile()
{
    Image img = Grass(141, {Hex(0x123f36), pine, leaf, green});
    noise::Rng rng(142);
    for (int i = 0; i < 5; ++i) {
        int x = rng.range(3, N - 4), y = rng.range(3, N - 4);
        img.ellipse(x + 0.5f, y + 0.5f, 1.6f, 1.2f, i % 2 ? amber : clay);  // fallen leaves
    }
    Flower(img, 24, 8, rose3);
    return img;
}
}  // namespace

void AddTerrain(Catalogue& c)
{
    auto tile = [&c](const char* name, Image (*paintFn)()) {
        c.Add(name, [paintFn](const ArtContext&) { return Finish(paintFn()); });
    };
    tile("Fire_Tile", FireTile);
    tile("Water_Tile", WaterTile);
    tile("Earth_Tile", EarthTile);
    tile("Wind_Tile", WindTile);
    tile("Aether_Tile", AetherTile);
    tile("Grass_Tile", [] {
        Image img = Grass(1, {pine, leaf, green, grass});
        Flower(img, 7, 9, white);
        Flower(img, 24, 20, rose3);
        return img;
    });
    tile("Sand_Tile", SandTile);
    tile("Stone_Tile", [] { return Slabs(201, {slate, lilac, mist, pale}, dusk, 2); });
    tile("Snow_Tile", SnowTile);
    tile("Swamp_Tile", SwampTile);
    tile("Ash_Tile", AshTile);
    tile("Dungeon_Tile", DungeonTile);
    tile("Graveyard_Tile", GraveyardTile);
    tile("Dirt_Tile", DirtTile);
    tile("Cave_Tile", CaveTile);
    tile("Forest_Tile", ForestTile);
}
