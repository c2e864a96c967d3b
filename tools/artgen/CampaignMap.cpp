// The campaign world: one continent and the training isle, with a landmark where each mission
// icon sits. The picture is made to fill the 1280 x 720 window centred on the origin, so a mission
// icon at interface position (x, y) lands on pixel (640 + x, 360 - y).
#include <algorithm>
#include <cmath>
#include <vector>

#include "CampaignMap.h"
#include "Noise.h"
#include "Paint.h"

using namespace pal;

namespace {
constexpr int W = 640, H = 360;  // painted size; doubled on output

struct Place {
    float x, y;  // painted pixels
    int biome;
};
enum Biome { kPlain, kForest, kDead, kVolcano, kDesert, kGrave, kDungeon, kUnder, kTraining };

// Interface positions of the mission icons, converted to painted pixels.
Place P(float ix, float iy, int biome) { return {(640 + ix) / 2, (360 - iy) / 2, biome}; }
const Place kPlaces[8] = {P(-224, 301, kTraining), P(54, 280, kForest),  P(228, 180, kDead),  P(-70, 166, kVolcano),
                          P(374, -28, kDesert),    P(363, 220, kGrave),  P(593, 320, kDungeon), P(361, 330, kUnder)};

float ComputeHeight(int x, int y)
{
    float n = noise::Fractal(x / 80.0f, y / 80.0f, 1 << 16, 4, 900);
    // The main continent spreads over the middle and right; the training isle stands apart.
    float h = n - 0.6f;
    h += 0.4f * std::exp(-(std::pow((x - 410) / 190.0f, 2) + std::pow((y - 100) / 100.0f, 2)));
    h += 0.2f * std::exp(-(std::pow((x - 260) / 110.0f, 2) + std::pow((y - 240) / 70.0f, 2)));
    h -= 0.18f * std::exp(-(std::pow((x - 60) / 90.0f, 2) + std::pow((y - 200) / 160.0f, 2)));
    const Place& t = kPlaces[0];
    h += 0.5f * std::exp(-(std::pow((x - t.x) / 22.0f, 2) + std::pow((y - t.y) / 16.0f, 2)));
    h -= 0.25f * std::exp(-(std::pow((x - 150) / 40.0f, 2) + std::pow((y - 60) / 45.0f, 2)));  // strait
    for (int i = 1; i < 8; ++i)  // every landmark stands on firm ground
        h += 0.3f * std::exp(-(std::pow((x - kPlaces[i].x) / 34.0f, 2) + std::pow((y - kPlaces[i].y) / 30.0f, 2)));
    h -= 0.3f * (std::pow(std::max(0.0f, std::abs(x - 320.0f) - 280) / 40.0f, 2));
    return h;
}

// Heights are looked up many times per pixel (coasts, features), so they are computed once.
float Height(int x, int y)
{
    static const std::vector<float> table = [] {
        std::vector<float> t(size_t(W) * H);
        for (int j = 0; j < H; ++j)
            for (int i = 0; i < W; ++i) t[size_t(j) * W + i] = ComputeHeight(i, j);
        return t;
    }();
    x = std::clamp(x, 0, W - 1);
    y = std::clamp(y, 0, H - 1);
    return table[size_t(y) * W + x];
}

// Which region a land pixel belongs to: the nearest landmark within its reach, else plain.
int Region(int x, int y)
{
    float best = 1e9f;
    int biome = kPlain;
    for (const Place& p : kPlaces) {
        float wobble = noise::Fractal(x / 14.0f, y / 14.0f, 1 << 16, 2, 910) * 16;
        float d = std::hypot(x - p.x, y - p.y) - wobble;
        float reach = p.biome == kTraining ? 60 : 40;
        if (d < reach && d < best) {
            best = d;
            biome = p.biome;
        }
    }
    return biome;
}

Rgba Land(int biome, float h, int x, int y)
{
    float n = noise::Fractal(x / 6.0f, y / 6.0f, 1 << 16, 2, 920);
    auto pick = [&](const Ramp& r) { return paint::Dithered(r, std::clamp(0.3f + h * 1.5f + (n - 0.5f) * 0.6f, 0.0f, 1.0f), x, y); };
    switch (biome) {
    case kForest: return pick({Hex(0x123f36), pine, leaf, green});
    case kDead: return pick({bark0, Hex(0x4a3f3a), slate, taupe});
    case kVolcano: return pick({ink, charcoal, dusk, blood});
    case kDesert: return pick({bark3, tawny, honey, Hex(0xfcd88c)});
    case kGrave: return pick({Hex(0x2f2430), grape0, plum, lilac});
    case kDungeon: return pick({dusk, slate, lilac, mist});
    case kUnder: return pick({Hex(0x2a2233), dusk, plum, lilac});
    default:
        if (h > 0.3f) return pick({sage1, sage2, taupe, sage3});  // highlands
        return paint::Dithered(std::array<Rgba, 4>{pine, leaf, green, grass}, std::clamp(0.55f + (n - 0.5f) * 0.7f - h, 0.0f, 1.0f), x, y);
    }
}

void Tree(Image& img, int x, int y)
{
    paint::ShadedEllipse(img, x + 0.5f, y, 3, 3, {Hex(0x123f36), pine, leaf, green});
    img.set(x, y + 3, bark0);
}

void Mountain(Image& img, int x, int y, int s, const Ramp& r, bool snow)
{
    paint::ShadedPolygon(img, {float(x - s), float(y), float(x), float(y - s * 1.3f), float(x + s), float(y)}, r);
    if (snow) img.polygon({float(x - s * 0.3f), float(y - s * 0.9f), float(x), float(y - s * 1.3f), float(x + s * 0.3f), float(y - s * 0.9f)}, white);
}

void Landmark(Image& img, const Place& p)
{
    int x = int(p.x), y = int(p.y);
    noise::Rng rng(uint32_t(x * 31 + y));
    const Ramp stone{dusk, slate, lilac, mist};
    switch (p.biome) {
    case kTraining: {  // a camp: two tents, a flag and a dummy
        paint::ShadedPolygon(img, {float(x - 20), float(y + 8), float(x - 12), float(y - 6), float(x - 4), float(y + 8)}, {blood, crimson, red, salmon});
        paint::ShadedPolygon(img, {float(x - 8), float(y + 12), float(x - 2), float(y + 2), float(x + 4), float(y + 12)}, {blood, crimson, red, salmon});
        img.rect(x - 12, y - 12, 1, 7, bark0);
        img.rect(x - 11, y - 12, 5, 3, gold);
        img.rect(x + 10, y - 4, 2, 14, bark1);
        img.rect(x + 5, y, 12, 2, bark1);
        img.ellipse(x + 11, y - 6, 3, 3, honey);
        img.ellipse(x + 11, y + 2, 3.5f, 4, bark3);
        break;
    }
    case kForest:
        for (int i = 0; i < 40; ++i) {
            int tx = x + rng.range(-30, 30), ty = y + rng.range(-18, 20);
            paint::ShadedEllipse(img, tx + 0.5f, ty, 4.5f, 4.5f, {Hex(0x123f36), pine, leaf, green});
            img.rect(tx, ty + 4, 2, 2, bark0);
        }
        break;
    case kDead:
        for (int i = 0; i < 12; ++i) {
            int tx = x + rng.range(-28, 28), ty = y + rng.range(-16, 16);
            img.line(tx, ty, tx, ty - 9, bark0);
            img.line(tx, ty - 5, tx + 4, ty - 9, bark0);
            img.line(tx, ty - 3, tx - 4, ty - 7, bark0);
            img.line(tx + 1, ty, tx + 1, ty - 6, bark1);
        }
        break;
    case kVolcano:
        paint::ShadedPolygon(img, {float(x - 30), float(y + 18), float(x - 6), float(y - 16), float(x + 6), float(y - 16), float(x + 30), float(y + 18)},
                             {blood, Hex(0x4a2a2a), rust, clay});
        img.polygon({float(x - 6), float(y - 16), float(x + 6), float(y - 16), float(x + 3), float(y - 10), float(x - 3), float(y - 10)}, orange);
        img.line(x - 1, y - 12, x - 9, y + 14, orange);
        img.line(x - 2, y - 12, x - 10, y + 14, amber);
        img.line(x + 2, y - 12, x + 11, y + 10, orange);
        for (int i = 0; i < 5; ++i) img.ellipse(x + 3 + i * 4, y - 22 - i * 7, 4 + i * 1.5f, 3 + i, WithAlpha(slate, 170 - i * 20));
        break;
    case kDesert:
        for (int i = 0; i < 6; ++i) {
            int dx = x + rng.range(-30, 30), dy = y + rng.range(-14, 16);
            img.ellipse(dx, dy, 9, 3, tawny);
            img.ellipse(dx - 1, dy - 1, 7, 2, Hex(0xfcd88c));
        }
        // The ruined pyramids of the Didaruza.
        paint::ShadedPolygon(img, {float(x - 20), float(y + 8), float(x - 2), float(y - 16), float(x + 16), float(y + 8)}, {bark1, bark3, honey, cream});
        paint::ShadedPolygon(img, {float(x + 8), float(y + 12), float(x + 18), float(y - 2), float(x + 28), float(y + 12)}, {bark1, bark3, honey, cream});
        for (int k = 0; k < 4; ++k) img.line(x - 16 + k * 3, y + 4 - k * 5, x + 12 - k * 3, y + 4 - k * 5, bark3);
        break;
    case kGrave:
        for (int i = 0; i < 16; ++i) {
            int gx = x + rng.range(-26, 26), gy = y + rng.range(-14, 16);
            paint::ShadedRect(img, gx, gy - 5, 4, 6, stone);
            img.set(gx + 1, gy - 6, mist);
            img.set(gx + 2, gy - 6, mist);
        }
        img.rect(x - 2, y - 14, 2, 12, pale);  // a great cross
        img.rect(x - 6, y - 10, 10, 2, pale);
        break;
    case kDungeon:  // a dark keep, set a little below its icon so its towers stay on the chart
        y += 12;
        paint::ShadedRect(img, x - 16, y - 10, 32, 20, stone);
        for (int i = 0; i < 8; ++i) img.rect(x - 16 + i * 4, y - 13, 2, 3, slate);
        paint::ShadedRect(img, x - 22, y - 20, 9, 30, stone);
        paint::ShadedRect(img, x + 13, y - 20, 9, 30, stone);
        img.polygon({float(x - 23), float(y - 20), float(x - 17.5f), float(y - 28), float(x - 12), float(y - 20)}, wine);
        img.polygon({float(x + 12), float(y - 20), float(x + 17.5f), float(y - 28), float(x + 23), float(y - 20)}, wine);
        img.rect(x - 4, y + 1, 8, 9, ink);
        img.rect(x - 19, y - 14, 2, 3, gold);
        img.rect(x + 16, y - 14, 2, 3, gold);
        break;
    case kUnder:  // mountains with a glowing cave mouth
        Mountain(img, x - 18, y + 12, 18, stone, true);
        Mountain(img, x + 16, y + 14, 20, stone, true);
        Mountain(img, x, y + 16, 14, stone, false);
        img.ellipse(x, y + 10, 7, 6, ink);
        img.ellipse(x, y + 12, 4, 3, WithAlpha(grape3, 170));
        break;
    default: break;
    }
}

Image Paint(bool warSpread)
{
    Image img(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float h = Height(x, y);
            Rgba c;
            if (h < -0.06f) {
                float n = noise::Fractal(x / 30.0f, y / 30.0f, 1 << 16, 2, 930);
                c = paint::Dithered(std::array<Rgba, 3>{navy, indigo, blue}, std::clamp(0.9f + h * 3 + n * 0.3f, 0.0f, 1.0f), x, y);
            } else if (h < 0) {
                c = (x + y) % 2 ? sky : blue;  // shallows
            } else if (h < 0.025f) {
                c = Region(x, y) == kVolcano ? charcoal : honey;  // beaches
            } else {
                c = Land(Region(x, y), h, x, y);
            }
            img.set(x, y, c);
        }
    // Coastline.
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x)
            if (Height(x, y) >= 0 && (Height(x + 1, y) < 0 || Height(x, y + 1) < 0 || Height(x - 1, y) < 0 || Height(x, y - 1) < 0))
                img.set(x, y, ink);
    // Scattered plain-land features.
    noise::Rng rng(940);
    for (int i = 0; i < 400; ++i) {
        int x = rng.range(8, W - 8), y = rng.range(8, H - 8);
        float h = Height(x, y);
        if (h < 0.05f || Region(x, y) != kPlain) continue;
        if (h > 0.3f) Mountain(img, x, y, 6, {slate, lilac, mist, pale}, true);
        else if (i % 3 == 0) Tree(img, x, y);
    }
    for (const Place& p : kPlaces) Landmark(img, p);
    if (warSpread) {
        // The war has spread: blight creeps out from the underground, fires burn across the land.
        const Place& source = kPlaces[7];
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                float n = noise::Fractal(x / 40.0f, y / 40.0f, 1 << 16, 3, 950);
                float reach = 1.0f - std::hypot(x - source.x, (y - source.y) * 1.3f) / 520.0f + (n - 0.5f) * 0.6f;
                if (reach > 0.35f && Height(x, y) >= 0) {
                    Rgba c = img.get(x, y);
                    img.set(x, y, Mix(paint::Desaturate(c, 0.6f), grape0, std::min(0.65f, (reach - 0.35f) * 1.6f)));
                }
                if (Height(x, y) < 0) img.set(x, y, Mix(img.get(x, y), Hex(0x3b1420), 0.35f));
            }
        for (int i = 0; i < 30; ++i) {
            int x = rng.range(20, W - 20), y = rng.range(20, H - 20);
            if (Height(x, y) < 0.03f) continue;
            img.ellipse(x + 2, y - 12, 6, 4, WithAlpha(dusk, 140));
            img.ellipse(x + 5, y - 18, 5, 3.5f, WithAlpha(slate, 110));
            Image fire(16, 16);
            fire.polygon({2, 15, 4, 6, 6, 10, 8, 1, 10, 9, 12, 5, 14, 15}, flame);
            fire.polygon({5, 15, 7, 7, 9, 11, 11, 15}, orange);
            fire.polygon({7, 15, 8, 10, 9, 15}, gold);
            fire.outline(ink);
            img.blit(fire, x - 8, y - 12);
        }
    }
    // Life on the open sea: a merchant ship and a serpent.
    auto ship = [&img](int x, int y) {
        Image s(24, 24);
        s.polygon({2, 16, 22, 16, 19, 21, 5, 21}, bark1);
        s.rect(4, 16, 17, 1, bark3);
        s.rect(11, 3, 1, 13, bark0);
        s.polygon({12, 4, 20, 13, 12, 13}, pale);
        s.polygon({10, 5, 4, 13, 10, 13}, white);
        s.rect(12, 2, 4, 2, red);
        s.outline(ink);
        img.blit(s, x - 12, y - 12);
        for (int i = -10; i < 10; i += 3) img.set(x + i, y + 10, ice);
    };
    ship(110, 110);
    ship(200, 300);
    Image serpent(60, 20);
    for (int i = 0; i < 3; ++i) paint::ShadedEllipse(serpent, 8 + i * 12, 12, 4.5f, 6, {pine, leaf, green, grass});
    paint::ShadedEllipse(serpent, 46, 8, 5, 4.5f, {pine, leaf, green, grass});
    serpent.rect(44, 8, 4, 5, leaf);
    for (int y = 12; y < 20; ++y)  // below the waterline
        for (int x = 0; x < 60; ++x) serpent.set(x, y, kClear);
    serpent.set(48, 6, gold);
    serpent.outline(ink);
    img.blit(serpent, 80, 192);
    for (int i = 0; i < 5; ++i) img.line(80 + i * 12, 206, 86 + i * 12, 206, ice);
    // A compass rose in the open sea.
    int cx = 60, cy = 310;
    img.ellipse(cx, cy, 16, 16, WithAlpha(ink, 90));
    img.polygon({float(cx), float(cy - 22), float(cx + 4), float(cy), float(cx), float(cy + 22), float(cx - 4), float(cy)}, honey);
    img.polygon({float(cx - 22), float(cy), float(cx), float(cy - 4), float(cx + 22), float(cy), float(cx), float(cy + 4)}, honey);
    img.polygon({float(cx), float(cy - 22), float(cx + 4), float(cy), float(cx), float(cy)}, cream);
    img.set(cx, cy, ink);
    // Frame.
    paint::Bevel(img, 0, 0, W, H, ink, ink, 2);
    paint::Bevel(img, 2, 2, W - 4, H - 4, gold, bark1, 2);
    return img;
}
}  // namespace


Image CampaignMapPicture(bool warSpread) { return Paint(warSpread).scaled(2); }
