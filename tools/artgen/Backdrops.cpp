// Seamless backdrops drawn behind the battle and the menus. All wrap at their edges: every noise
// has the image as its period and every wave a whole number of cycles across it.
#include <cmath>

#include "Catalogue.h"
#include "Noise.h"
#include "Paint.h"
#include "Patterns.h"

using namespace pal;

namespace {
constexpr int W = 128;  // painted size; doubled on output
constexpr float kTau = 6.2831853f;

float Fbm(int x, int y, int cells, uint32_t seed, int octaves = 3)
{
    return noise::Fractal(x * float(cells) / W, y * float(cells) / W, cells, octaves, seed);
}

Image Water()
{
    Image img(W, W);
    paint::Generate(img, [](int x, int y) {
        float n = Fbm(x, y, 4, 301);
        float wave = std::sin(kTau * (x * 2 + y * 3) / W + n * 5);
        std::array<Rgba, 4> ramp{navy, indigo, blue, sky};
        float t = 0.3f + n * 0.5f + wave * 0.1f;
        Rgba c = paint::Dithered(ramp, t, x, y);
        float crest = std::sin(kTau * (y * 4) / W + n * 9 + std::sin(kTau * x * 3 / W) * 1.5f);
        float patch = Fbm(x, y, 8, 303, 2);
        if (crest > 0.97f && patch > 0.55f) c = patch > 0.68f ? white : ice;
        return c;
    });
    return img;
}

Image Lava()
{
    Image img(W, W);
    for (int y = 0; y < W; ++y)
        for (int x = 0; x < W; ++x) {
            float d = pattern::CrackDistance(x, y, W, W, 5, 311);
            float n = Fbm(x, y, 8, 312);
            std::array<Rgba, 4> crust{ink, charcoal, blood, Hex(0x4a2a2a)};
            Rgba c = paint::Dithered(crust, n * 0.8f, x, y);
            float glow = d + (n - 0.5f) * 3;
            if (glow < 1.2f) c = cream;
            else if (glow < 2.5f) c = gold;
            else if (glow < 4.0f) c = orange;
            else if (glow < 5.5f) c = (x + y) % 2 ? flame : brick;
            else if (glow < 6.5f) c = (x + y) % 2 ? brick : c;
            img.set(x, y, c);
        }
    return img;
}

Image Wood()
{
    Image img(W, W);
    const int plank = 16;
    for (int y = 0; y < W; ++y) {
        int row = y / plank, inRow = y % plank;
        int offset = (row * 37) % W;
        for (int x = 0; x < W; ++x) {
            int px = (x + offset) % W;
            float grain = noise::Fractal(px * 8.0f / W, y * 1.0f, 8, 2, 321 + row) ;
            grain += 0.25f * std::sin(kTau * px * 3 / W + y * 0.8f);
            std::array<Rgba, 4> ramp{bark0, bark1, bark2, bark3};
            Rgba c = paint::Dithered(ramp, 0.35f + (grain - 0.5f) * 0.8f + (row % 3) * 0.06f, x, y);
            if (inRow == 0) c = ink;
            else if (inRow == 1) c = bark3;
            else if (inRow == plank - 1) c = bark0;
            if (px % 64 == 0 && inRow > 0) c = ink;  // plank ends
            if ((px % 64 == 4 || px % 64 == 59) && (inRow == 4 || inRow == 11)) c = mist;  // nails
            img.set(x, y, c);
        }
    }
    return img;
}

Image Parchment(uint32_t seed)
{
    Image img(W, W);
    paint::Generate(img, [seed](int x, int y) {
        float n = Fbm(x, y, 4, seed);
        float fibre = Fbm(x, y * 4 % W, 16, seed + 5, 2);
        std::array<Rgba, 4> ramp{Hex(0xc9a97c), Hex(0xdcc197), Hex(0xecd9b4), Hex(0xf7ecd3)};
        return paint::Dithered(ramp, 0.35f + n * 0.5f + (fibre - 0.5f) * 0.25f, x, y);
    });
    pattern::Speckle(img, 30, seed + 9, Hex(0xc9a97c), Hex(0xb89466));
    return img;
}

Image Arcane()
{
    Image img(W, W);
    paint::Generate(img, [](int x, int y) {
        float n = Fbm(x, y, 4, 341);
        std::array<Rgba, 4> ramp{Hex(0x1f1a2e), grape0, navy, grape1};
        return paint::Dithered(ramp, n * 0.9f, x, y);
    });
    for (int i = 0; i < W; ++i)  // a faint diamond lattice
        for (int k = 0; k < 4; ++k) {
            img.set((i + k * 32) % W, i, WithAlpha(grape1, 255));
            img.set((W - i + k * 32) % W, i, WithAlpha(grape1, 255));
        }
    noise::Rng rng(342);
    for (int i = 0; i < 40; ++i) {
        int x = rng.range(0, W - 1), y = rng.range(0, W - 1);
        img.set(x, y, i % 4 ? grape3 : white);
    }
    return img;
}

Image Sand()
{
    Image img(W, W);
    paint::Generate(img, [](int x, int y) {
        float n = Fbm(x, y, 4, 351);
        float ripple = std::sin(kTau * (y * 6 + x * 1) / W + n * 6);
        std::array<Rgba, 4> ramp{bark3, tawny, honey, Hex(0xfcd88c)};
        return paint::Dithered(ramp, 0.5f + ripple * 0.22f + (n - 0.5f) * 0.5f, x, y);
    });
    pattern::Speckle(img, 40, 352, Hex(0xfff1c9), clay);
    return img;
}

Image Meadow(const Ramp& ramp, uint32_t seed, Rgba bloomA, Rgba bloomB, int blooms)
{
    Image img = pattern::Mottle(W, W, ramp, 8, seed, 0.6f);
    noise::Rng rng(seed + 1);
    for (int i = 0; i < 420; ++i) {  // grass blades
        int x = rng.range(0, W - 1), y = rng.range(0, W - 1), h = rng.range(2, 4);
        for (int k = 0; k < h; ++k) img.set(x, (y + k) % W, k == 0 ? ramp[3] : ramp[1]);
    }
    for (int i = 0; i < blooms; ++i) {
        int x = rng.range(1, W - 2), y = rng.range(1, W - 2);
        Rgba c = i % 2 ? bloomA : bloomB;
        img.set(x - 1, y, c);
        img.set(x + 1, y, c);
        img.set(x, y - 1, c);
        img.set(x, y + 1, c);
        img.set(x, y, gold);
    }
    return img;
}

Image MirageSea()
{
    Image img(W, W);
    paint::Generate(img, [](int x, int y) {
        float n = Fbm(x, y, 4, 361);
        float wave = std::sin(kTau * (x * 3 - y * 2) / W + n * 6);
        std::array<Rgba, 5> ramp{grape0, teal0, teal1, teal2, teal3};
        Rgba c = paint::Dithered(ramp, 0.4f + (n - 0.5f) * 0.9f + wave * 0.12f, x, y);
        if (std::sin(kTau * y * 5 / W + n * 8) > 0.97f && Fbm(x, y, 8, 363, 2) > 0.56f) c = teal4;
        return c;
    });
    pattern::Speckle(img, 24, 362, gold, cream);
    return img;
}

Image EvilMeadow()
{
    Image img = Meadow({Hex(0x1f1a2e), grape0, Hex(0x3b4a3a), sage1}, 371, berry, grape2, 14);
    pattern::Cracks(img, 4, 372, 0.5f, Hex(0x1f1a2e));
    pattern::Speckle(img, 16, 373, pink, grape3);
    return img;
}

Image Flagstones()
{
    Image img(W, W);
    const int s = 16;
    for (int y = 0; y < W; ++y)
        for (int x = 0; x < W; ++x) {
            int cx = x / s, cy = y / s, ix = x % s, iy = y % s;
            float shade = noise::Rand01(cx, cy, 381) * 0.35f;
            float n = Fbm(x, y, 16, 382, 2);
            std::array<Rgba, 4> ramp{dusk, slate, lilac, mist};
            Rgba c = paint::Dithered(ramp, 0.25f + shade + (n - 0.5f) * 0.5f, x, y);
            if (ix == 0 || iy == 0) c = ink;
            else if (ix == 1 || iy == 1) c = lilac;
            else if (ix == s - 1 || iy == s - 1) c = dusk;
            img.set(x, y, c);
        }
    return img;
}

Image OpenSea()
{
    // The campaign backdrop: a chart's deep sea with drawn wave marks.
    Image img(W, W);
    paint::Generate(img, [](int x, int y) {
        float n = Fbm(x, y, 4, 391);
        std::array<Rgba, 4> ramp{Hex(0x1d1b33), navy, indigo, Hex(0x5a5c8f)};
        return paint::Dithered(ramp, 0.3f + n * 0.5f, x, y);
    });
    noise::Rng rng(392);
    for (int i = 0; i < 14; ++i) {
        int x = rng.range(0, W - 1), y = rng.range(0, W - 1);
        for (int k = -3; k <= 3; ++k) {
            int yy = y - (k == -3 || k == 3 ? 0 : 1) - (k == 0 ? 0 : 0);
            img.set((x + k + W) % W, (yy + W) % W, Hex(0x7e80b5));
        }
    }
    return img;
}
}  // namespace

void AddBackdrops(Catalogue& c)
{
    auto add = [&c](const char* name, std::function<Image()> fn) {
        c.AddTiled(name, [fn](const ArtContext&) { return fn().scaled(2); });
    };
    add("Water", Water);
    add("Lava", Lava);
    add("Wood_BG", Wood);
    add("Book_Open_Torn", [] { return Parchment(331); });
    add("AP_BG", Arcane);
    add("Sand_BG", Sand);
    add("Grass_BG", [] { return Meadow({pine, leaf, green, grass}, 365, white, rose3, 24); });
    add("Didaruza_BG", MirageSea);
    add("Evil Grass_BG", EvilMeadow);
    add("Tile_BG", Flagstones);
    add("Map_BG", OpenSea);
}
