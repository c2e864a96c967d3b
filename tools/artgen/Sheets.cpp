// Sheets whose frames carry fixed meanings: element tokens, spell card blocks, banners, faction
// logos, team colours, status icons, the card marker arrow and the firework burst.
#include <cmath>

#include "Catalogue.h"
#include "Elements.h"
#include "Paint.h"

using namespace pal;

namespace {
// Logo and banner colours per faction index (0 neutral, then the setup screen's order).
const Ramp kFactionRamps[11] = {
    {dusk, slate, lilac, mist},          {navy, blue, sky, ice},
    {blood, brick, red, salmon},         {grape0, grape1, grape2, grape3},
    {Hex(0x3b1420), wine, crimson, red}, {pine, leaf, green, grass},
    {ink, dusk, slate, lilac},           {grape0, berry, rose1, rose3},
    {Hex(0x6b4d1f), Hex(0xa87b2d), Hex(0xd9a441), Hex(0xf5d98a)},
    {ink, navy, indigo, blue},           {Hex(0x8a5a1e), amber, gold, cream},
};
const Ramp kParchment{taupe, Hex(0xd8c3a0), Hex(0xeddcb8), Hex(0xfaf0d7)};

std::string Emblem(int i) { return "Emblem_" + std::to_string(i); }

Image Logo(const ArtContext& a, int f)
{
    Image img(64, 64);
    const Ramp& r = kFactionRamps[f];
    paint::ShadedEllipse(img, 32, 32, 30, 30, {Hex(0x8a5a1e), amber, gold, cream});
    paint::ShadedEllipse(img, 32, 32, 26, 26, {r[0], r[0], r[1], r[2]});
    img.ellipse(32, 32, 23, 23, WithAlpha(r[0], 120));
    Rgba body = f == 10 ? cream : (f == 6 ? pale : white);
    element::DrawIcon(img, a.maps.Get(Emblem(f)), 16, 16, 2, body, white, r[0], ink);
    img.outline(ink);
    return img.scaled(2);
}

Image Banner(const ArtContext& a, int f)
{
    Image img(32, 64);
    bool neutral = f == 0;
    Ramp cloth = neutral ? kParchment : teamRamp;
    // Cloth with vertical folds and a swallowtail hem.
    img.polygon({5, 5, 27, 5, 27, 58, 16, 50, 5, 58}, cloth[2]);
    for (int y = 5; y < 60; ++y)
        for (int x = 5; x < 27; ++x) {
            if (!img.get(x, y).a) continue;
            int fold = (x - 5) % 7;
            Rgba c = fold == 0 ? cloth[3] : (fold >= 5 ? cloth[1] : cloth[2]);
            if (x == 26) c = cloth[0];
            img.set(x, y, c);
        }
    img.rect(5, 6, 22, 2, gold);  // gold hem under the pole
    img.rect(5, 8, 22, 1, amber);
    // Emblem in the middle, pale so any team colour carries it.
    element::DrawIcon(img, a.maps.Get(Emblem(f)), 8, 18, 1, neutral ? kFactionRamps[0][1] : white, white,
                      neutral ? ink : kFactionRamps[f][1], ink);
    img.outline(ink);
    // The pole on top.
    paint::ShadedRect(img, 1, 2, 30, 3, {bark0, bark1, bark2, bark3});
    img.rect(0, 1, 2, 5, gold);
    img.rect(30, 1, 2, 5, gold);
    return img.scaled(4);  // shown 128 x 256 in the battle
}

Image TeamSwatch(int index)
{
    static const float colours[8][3] = {
        {0.90625f, 0.23046875f, 0.23046875f}, {0.30078125f, 0.39453125f, 0.703125f},
        {0.97265625f, 0.7578125f, 0.16796875f}, {0.1171875f, 0.734375f, 0.44921875f},
        {0.5625f, 0.3671875f, 0.66015625f}, {0.92578125f, 0.5f, 0.59765625f},
        {0.96484375f, 0.5859375f, 0.08984375f}, {0.55859375f, 0.82421875f, 0.99609375f},
    };
    auto ch = [](float v) { return uint8_t(std::lround(v * 255)); };
    Rgba c{ch(colours[index][0]), ch(colours[index][1]), ch(colours[index][2]), 255};
    Image img(64, 64, ink);
    img.rect(3, 3, 58, 58, c);
    img.rect(3, 3, 58, 2, paint::Lighten(c, 0.35f));  // a glint along the top-left edges
    img.rect(3, 5, 2, 56, paint::Lighten(c, 0.2f));
    img.rect(5, 59, 56, 2, paint::Darken(c, 0.25f));
    img.rect(59, 5, 2, 54, paint::Darken(c, 0.25f));
    return img;
}

Image StatusIcon(const ArtContext& a, int s)
{
    struct Look {
        const char* mask;
        Ramp ramp;
    };
    static const Look looks[5] = {
        {"Symbol_Fire", {blood, brick, flame, orange}},
        {"Icon_Stone", {dusk, slate, lilac, mist}},
        {"Icon_Spiral", {grape0, grape1, grape2, grape3}},
        {"Icon_Snowflake", {teal0, sky, ice, Hex(0xd6f1ff)}},
        {"Icon_Blind", {ink, dusk, slate, lilac}},
    };
    Image img(32, 32);
    paint::ShadedEllipse(img, 16, 16, 14, 14, looks[s].ramp);
    const Image& m = a.maps.Get(looks[s].mask);
    Rgba fill = s == 0 ? gold : (s == 3 ? white : pale);
    element::DrawIcon(img, m, 16 - m.width() / 2, 16 - m.height() / 2, 1, fill, white, looks[s].ramp[0], ink);
    img.outline(ink);
    return img.scaled(2);
}

// Card blocks: a parchment plate with a category icon on the left; the number is drawn on the
// right by the game.
Image CardBlock(const ArtContext& a, int frame)
{
    struct Look {
        const char* icon;
        Rgba plate;
        int mood;  // 0 plain, 1 bonus, -1 penalty
    };
    static const Look looks[16] = {
        {nullptr, slate, 0},           {"Icon_Sword", brick, 0},   {"Icon_Sword", brick, 1},
        {"Icon_Sword", brick, -1},     {"Icon_Area", amber, 0},    {"Icon_Area", amber, 1},
        {"Icon_Area", amber, -1},      {"Icon_Range", leaf, 0},    {"Icon_Range", leaf, 1},
        {"Icon_Blind", grape1, -1},    {"Icon_Target", blue, 0},   {"Icon_Target", blue, 1},
        {"Icon_Spiral", grape1, -1},   {"Icon_Create", teal1, 0},  {"Icon_Heart", rose1, 0},
        {"Icon_Cleanse", sky, 0},
    };
    const Look& l = looks[frame];
    Image img(82, 32);
    Ramp paper = kParchment;
    if (l.mood > 0) paper = {sage1, sage2, Hex(0xcfe3b4), Hex(0xe6f2d2)};
    if (l.mood < 0) paper = {rose1, rose3, Hex(0xf6c6c6), Hex(0xfbe2df)};
    img.rect(1, 1, 80, 30, paper[2]);
    paint::Bevel(img, 1, 1, 80, 30, paper[3], paper[0]);
    img.outline(ink);
    for (auto [x, y] : {std::pair{1, 1}, {80, 1}, {1, 30}, {80, 30}}) img.set(x, y, ink);  // rounded corners
    if (l.icon) {
        img.rect(3, 3, 26, 26, l.plate);
        paint::Bevel(img, 3, 3, 26, 26, paint::Lighten(l.plate, 0.3f), paint::Darken(l.plate, 0.35f));
        const Image& m = a.maps.Get(l.icon);
        element::DrawIcon(img, m, 16 - m.width(), 16 - m.height(), 2, white, white, paint::Darken(l.plate, 0.4f), ink);
    }
    if (l.mood != 0) {
        const Image& arrow = a.maps.Get(l.mood > 0 ? "Icon_Up" : "Icon_Down");
        element::DrawIcon(img, arrow, 71, 4, 1, l.mood > 0 ? green : red, l.mood > 0 ? grass : salmon, ink, ink);
    }
    return img.scaled(2);
}

// The marker above cards: pairs of frames (a look and its bob), five looks.
Image ArrowFrame(const ArtContext& a, int frame)
{
    static const Ramp looks[5] = {
        {ink, orange, amber, gold}, {dusk, slate, mist, white}, {ink, orange, amber, gold},
        {pine, leaf, green, grass}, {navy, blue, sky, ice},
    };
    int look = frame / 2, bob = (frame % 2) ? 3 : 0;
    const Image& src = a.maps.Get("Arrow");
    const Ramp& r = looks[look];
    Image recoloured(src.width(), src.height());
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            Rgba c = src.get(x, y);
            if (c == honey) c = r[3];
            else if (c == gold) c = r[2];
            else if (c == amber) c = r[1];
            else if (c == orange) c = paint::Darken(r[1], 0.3f);
            recoloured.set(x, y, c);
        }
    Image img(32, 32);
    if (look == 2 || look == 4) img.ellipse(16, 10 + bob, 10, 9, WithAlpha(r[3], 60));  // glow for attention
    img.blit(recoloured, 9, 6 + bob);
    if (look == 4) {
        img.set(26, 5 + bob, white);
        img.set(25, 5 + bob, ice);
        img.set(27, 5 + bob, ice);
        img.set(26, 4 + bob, ice);
        img.set(26, 6 + bob, ice);
    }
    return img.scaled(4);  // shown 128 x 128 above the cards
}

Image FireworkFrame(int stage)
{
    // White burst stages, tinted by the particle colours in the game.
    Image img(64, 64);
    int rays = 14;
    float radius = 5 + stage * 8.5f;
    for (int i = 0; i < rays; ++i) {
        float ang = i * 6.2832f / rays + stage * 0.1f;
        float cx = 32 + std::cos(ang) * radius, cy = 32 + std::sin(ang) * radius;
        int alpha = 255 - stage * 45;
        if (stage >= 1) {
            for (float t = 0; t < 1; t += 0.08f) {
                float px = 32 + std::cos(ang) * radius * (0.45f + t * 0.55f);
                float py = 32 + std::sin(ang) * radius * (0.45f + t * 0.55f);
                img.ellipse(px, py, 1.2f, 1.2f, WithAlpha(pale, int(alpha * t * 0.8f)));
            }
        }
        img.ellipse(cx, cy, 3.2f - stage * 0.4f, 3.2f - stage * 0.4f, WithAlpha(white, alpha));
    }
    if (stage == 0) img.ellipse(32, 32, 7, 7, white);
    if (stage <= 1) img.ellipse(32, 32, 12 + stage * 6.0f, 12 + stage * 6.0f, WithAlpha(white, 60));
    return img;
}

Image TokenFrame(const ArtContext& a, int e) { return element::Token(a, e).scaled(2); }
}  // namespace


void AddSheets(Catalogue& c)
{
    c.AddSheet("Token_Sheet", 1, 5, [](const ArtContext& a) {
        return Sheet(1, 5, 64, 64, [&](int i) { return TokenFrame(a, i); });
    });
    c.AddSheet("Spell_Card_Block", 4, 4, [](const ArtContext& a) {
        return Sheet(4, 4, 164, 64, [&](int i) { return CardBlock(a, i); });
    });
    c.AddSheet("Banners", 1, 11, [](const ArtContext& a) {
        return Sheet(1, 11, 128, 256, [&](int i) { return Banner(a, i); });
    });
    c.AddSheet("Faction_Logos", 1, 11, [](const ArtContext& a) {
        return Sheet(1, 11, 128, 128, [&](int i) { return Logo(a, i); });
    });
    c.AddSheet("Team_Colors", 1, 8, [](const ArtContext&) { return Sheet(1, 8, 64, 64, TeamSwatch); });
    c.AddSheet("Status_Effect_Icons", 1, 5, [](const ArtContext& a) {
        return Sheet(1, 5, 64, 64, [&](int i) { return StatusIcon(a, i); });
    });
    c.AddSheet("Arrow", 2, 5, [](const ArtContext& a) {
        return Sheet(2, 5, 128, 128, [&](int i) { return ArrowFrame(a, i); });
    });
    c.AddSheet("Firework", 1, 4, [](const ArtContext&) { return Sheet(1, 4, 64, 64, FireworkFrame); });
}
