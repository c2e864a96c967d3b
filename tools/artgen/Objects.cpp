// Things that stand on tiles: tokens, rocks, traps, coals, the training dummy, ambrosia.
#include <cmath>

#include "Catalogue.h"
#include "Elements.h"
#include "Noise.h"
#include "Paint.h"

using namespace pal;

namespace {
constexpr int N = 32;

Image Boulder()
{
    Image img(N, N);
    paint::GroundShadow(img, 16, 27, 13, 3.5f);
    paint::ShadedEllipse(img, 16, 17, 12, 10, {dusk, slate, lilac, mist});
    paint::ShadedEllipse(img, 10, 20, 6, 6, {dusk, slate, lilac, mist});
    paint::ShadedEllipse(img, 22, 21, 6, 5, {dusk, slate, lilac, mist});
    // Cracks and a cap of moss.
    img.line(15, 12, 18, 18, dusk);
    img.line(18, 18, 16, 22, dusk);
    img.line(9, 18, 12, 21, dusk);
    for (int x = 10; x < 21; ++x) {
        int top = 8 + int(std::abs(x - 15) * 0.35f);
        img.set(x, top, leaf);
        if (x % 3) img.set(x, top + 1, green);
        if (x % 4 == 1) img.set(x, top + 2, leaf);
    }
    img.outline(ink);
    return img;
}

void Spike(Image& img, int x, int y)
{
    img.line(x, y, x - 3, y + 3, lilac);
    img.line(x, y, x + 3, y + 3, slate);
    img.line(x, y, x, y - 4, mist);
    img.line(x, y, x + 1, y + 2, dusk);
    img.set(x, y - 4, white);
}

Image Caltrop()
{
    Image img(N, N);
    for (auto [x, y] : {std::pair{9, 14}, {21, 12}, {15, 22}, {25, 23}, {7, 25}}) {
        img.ellipse(x, y + 3.5f, 3.5f, 1.2f, WithAlpha(ink, 70));
        Spike(img, x, y);
    }
    img.outline(ink);
    return img;
}

Image HotCoal()
{
    Image img(N, N);
    paint::GroundShadow(img, 16, 25, 12, 3);
    static const float lumps[][3] = {{10, 21, 4.5f}, {17, 22, 5}, {23, 21, 4}, {13, 16, 4}, {20, 16, 4}, {16, 12, 3.5f}};
    for (auto& l : lumps) paint::ShadedEllipse(img, l[0], l[1], l[2], l[2] * 0.85f, {ink, charcoal, dusk, slate});
    // Glowing seams between the lumps.
    noise::Rng rng(7);
    for (int y = 8; y < 27; ++y)
        for (int x = 5; x < 28; ++x) {
            if (!img.get(x, y).a || img.get(x, y).a < 200) continue;
            float glow = noise::Fractal(x / 4.0f, y / 4.0f, 8, 2, 5);
            if (glow > 0.66f) img.set(x, y, gold);
            else if (glow > 0.58f) img.set(x, y, orange);
            else if (glow > 0.53f) img.set(x, y, brick);
        }
    img.outline(ink);
    // Embers rising above.
    img.set(12, 6, orange);
    img.set(19, 4, amber);
    img.set(22, 8, gold);
    return img;
}

Image TrainingDummy()
{
    Image img(N, N);
    paint::GroundShadow(img, 16, 29, 8, 2.5f);
    paint::ShadedRect(img, 15, 16, 3, 13, {bark0, bark1, bark2, bark3});      // post
    paint::ShadedRect(img, 6, 14, 21, 3, {bark0, bark1, bark2, bark3});       // arms
    paint::ShadedEllipse(img, 16.5f, 19, 6, 7, {bark2, bark3, honey, cream}); // straw body
    for (int y = 14; y < 26; y += 3) img.line(12, y, 21, y, bark3);           // rope bands
    paint::ShadedEllipse(img, 16.5f, 9, 5.5f, 5.5f, {bark2, bark3, Hex(0xe8c99b), Hex(0xf6e4c4)});  // sack head
    // A painted target on the chest.
    img.ellipse(16.5f, 20, 3.5f, 3.5f, brick);
    img.ellipse(16.5f, 20, 2.2f, 2.2f, white);
    img.ellipse(16.5f, 20, 1.1f, 1.1f, brick);
    img.set(14, 8, ink);  // stitched eyes
    img.set(19, 8, ink);
    img.line(14, 11, 19, 11, bark1);
    img.set(6, 13, honey);  // straw poking out of the sleeves
    img.set(26, 13, honey);
    img.set(5, 15, honey);
    img.set(27, 16, honey);
    img.outline(ink);
    return img;
}

Image Ambrosia()
{
    Image img(N, N);
    img.ellipse(16, 18, 13, 11, WithAlpha(gold, 40));  // soft golden glow
    paint::GroundShadow(img, 16, 27, 9, 2.5f);
    paint::ShadedEllipse(img, 16, 22, 9, 6, {pine, leaf, green, grass});
    paint::ShadedEllipse(img, 11, 18, 5, 5, {pine, leaf, green, grass});
    paint::ShadedEllipse(img, 21, 18, 5, 5, {pine, leaf, green, grass});
    paint::ShadedEllipse(img, 16, 14, 5, 5, {pine, leaf, green, grass});
    for (auto [x, y] : {std::pair{11.0f, 17.0f}, {20.0f, 20.0f}, {16.0f, 13.0f}, {14.0f, 23.0f}, {22.0f, 15.0f}})
        paint::ShadedEllipse(img, x, y, 2.2f, 2.2f, {amber, gold, honey, cream});
    img.outline(ink);
    for (auto [x, y] : {std::pair{6, 8}, {25, 6}, {27, 13}, {9, 4}}) {
        img.set(x, y, cream);
        img.set(x - 1, y, WithAlpha(gold, 160));
        img.set(x + 1, y, WithAlpha(gold, 160));
        img.set(x, y - 1, WithAlpha(gold, 160));
        img.set(x, y + 1, WithAlpha(gold, 160));
    }
    return img;
}

Image Primalite()
{
    // An unclaimed Primalite: a prism crystal floating over a stone plinth.
    Image img(N, N);
    paint::GroundShadow(img, 16, 28, 9, 2.5f);
    paint::ShadedRect(img, 9, 23, 15, 5, {dusk, slate, lilac, mist});
    paint::ShadedPolygon(img, {16, 3, 23, 12, 16, 21, 9, 12}, {grape1, grape3, grape4, white});
    img.line(16, 4, 16, 20, grape2);
    img.set(13, 9, white);
    img.set(12, 10, white);
    img.outline(ink);
    return img;
}
}  // namespace

void AddMapObjects(Catalogue& c)
{
    static const char* tokens[] = {"Empty_Token", "Fire_Token", "Water_Token", "Earth_Token", "Wind_Token"};
    for (int e = 1; e < element::kCount; ++e)
        c.Add(tokens[e], [e](const ArtContext& a) { return element::Token(a, e).scaled(2); });
    c.Add(tokens[0], [](const ArtContext& a) { return element::Token(a, -1).scaled(2); });
    c.Add("Primalite", [](const ArtContext&) { return Primalite().scaled(2); });
    c.Add("Boulder", [](const ArtContext&) { return Boulder().scaled(2); });
    c.Add("Caltrop", [](const ArtContext&) { return Caltrop().scaled(2); });
    c.Add("Hot Coal", [](const ArtContext&) { return HotCoal().scaled(2); });
    c.Add("Training_Dummy", [](const ArtContext&) { return TrainingDummy().scaled(2); });
    c.Add("Ambrosia_Tile", [](const ArtContext&) { return Ambrosia().scaled(2); });
    // A level names its objects by kind and the kind is also the texture, so the kinds the spells
    // create ("Ambrosia", "Hot_Coal") get the same pictures under those names.
    c.Add("Ambrosia", [](const ArtContext&) { return Ambrosia().scaled(2); });
    c.Add("Hot_Coal", [](const ArtContext&) { return HotCoal().scaled(2); });
}
