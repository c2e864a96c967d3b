// Buttons, panels, frames and HUD pieces. Frames keep their borders thin next to their size so
// the game can stretch them to many button and panel sizes without the border turning blurry.
#include <cmath>

#include "Catalogue.h"
#include "Elements.h"
#include "Noise.h"
#include "Paint.h"

using namespace pal;

namespace {
struct FrameStyle {
    Ramp rim;       // border metal or wood, dark to light
    Ramp fill;      // interior, dark to light
    int fillAlpha = 255;
    bool studs = true;  // rivets in the corners
    uint32_t seed = 1;
};

const Ramp kBronze{Hex(0x5a3a22), bark2, Hex(0xc99a52), Hex(0xf0d08a)};
const Ramp kGoldRim{Hex(0x8a5a1e), amber, gold, cream};
const Ramp kPaper{Hex(0xc9a97c), Hex(0xdcc197), Hex(0xecd9b4), Hex(0xf7ecd3)};
const Ramp kDark{Hex(0x1f1a2e), ink, dusk, slate};

// A rectangular frame: outline, two-pixel bevelled rim, mottled interior with an inner shadow.
Image Frame(int w, int h, const FrameStyle& s)
{
    Image img(w, h);
    // A flat interior with a soft lower half: clean when the frame is stretched.
    for (int y = 3; y < h - 3; ++y) {
        Rgba c = y < h / 2 ? s.fill[2] : Mix(s.fill[2], s.fill[1], 0.45f);
        img.rect(3, y, w - 6, 1, WithAlpha(c, s.fillAlpha));
    }
    img.rect(4, 4, w - 8, 1, WithAlpha(s.fill[3], s.fillAlpha));
    img.rect(3, 3, w - 6, 1, WithAlpha(s.fill[0], s.fillAlpha));  // inner shadow under the rim
    img.rect(3, 4, 1, h - 7, WithAlpha(s.fill[0], s.fillAlpha));
    img.rect(1, 1, w - 2, 2, s.rim[2]);
    img.rect(1, h - 3, w - 2, 2, s.rim[1]);
    img.rect(1, 1, 2, h - 2, s.rim[2]);
    img.rect(w - 3, 1, 2, h - 2, s.rim[1]);
    img.rect(1, 1, w - 2, 1, s.rim[3]);
    img.rect(1, 1, 1, h - 2, s.rim[3]);
    img.rect(1, h - 2, w - 2, 1, s.rim[0]);
    img.rect(w - 2, 1, 1, h - 2, s.rim[0]);
    for (int i = 0; i < w; ++i) {
        img.set(i, 0, ink);
        img.set(i, h - 1, ink);
    }
    for (int j = 0; j < h; ++j) {
        img.set(0, j, ink);
        img.set(w - 1, j, ink);
    }
    // Rounded corners.
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) img.set(x, y, kClear);
    img.set(1, 1, ink);
    img.set(w - 2, 1, ink);
    img.set(1, h - 2, ink);
    img.set(w - 2, h - 2, ink);
    if (s.studs && w >= 24 && h >= 16) {
        for (auto [x, y] : {std::pair{5, 5}, {w - 7, 5}, {5, h - 7}, {w - 7, h - 7}}) {
            img.rect(x, y, 2, 2, s.rim[2]);
            img.set(x, y, s.rim[3]);
            img.set(x + 1, y + 1, s.rim[0]);
        }
    }
    return img;
}

Image ArrowButton(bool right)
{
    Image img(32, 32);
    paint::ShadedEllipse(img, 16, 16, 14, 14, kBronze);
    paint::ShadedEllipse(img, 16, 16, 11, 11, {bark0, bark1, bark2, bark3});
    img.polygon({11, 9, 23, 16, 11, 23}, gold);
    img.polygon({11, 9, 23, 16, 11, 16}, honey);
    img.line(11, 23, 23, 16, amber);
    img.outline(ink);
    return right ? img.scaled(2) : img.flippedH().scaled(2);
}

Image Selector()
{
    // Four gold corner brackets around a clear middle.
    Image img(32, 32);
    for (auto [cx, cy, dx, dy] : {std::array{1, 1, 1, 1}, {30, 1, -1, 1}, {1, 30, 1, -1}, {30, 30, -1, -1}}) {
        for (int i = 0; i < 8; ++i) {
            img.set(cx + dx * i, cy, gold);
            img.set(cx, cy + dy * i, gold);
            img.set(cx + dx * i, cy + dy, amber);
            img.set(cx + dx, cy + dy * i, amber);
        }
    }
    img.outline(ink);
    return img.scaled(2);
}

Image ApPip()
{
    Image img(16, 16);
    img.ellipse(8, 8, 7.5f, 7.5f, WithAlpha(teal3, 70));
    paint::ShadedEllipse(img, 8, 8, 6, 6, {teal0, teal1, teal3, teal4});
    img.set(6, 5, white);
    img.set(5, 6, white);
    img.outline(ink, 200);
    return img.scaled(2);
}

Image HeartBar(const ArtContext& a)
{
    // A light, rounded bar the "bar" material fills; the heart marks it as health.
    Image img(64, 12);
    img.rect(7, 2, 55, 8, Hex(0xd8d8d8));
    img.rect(7, 2, 55, 2, white);
    img.rect(7, 8, 55, 2, Hex(0xb0b0b0));
    img.outline(ink);
    element::DrawIcon(img, a.maps.Get("Icon_Heart"), 0, 0, 1, red, salmon, blood, ink);
    return img.scaled(2);
}

Image TitleBanner()
{
    // A ribbon with folded tails.
    Image img(160, 40);
    img.polygon({0, 12, 22, 12, 22, 36, 0, 36, 8, 24}, crimson);
    img.polygon({160, 12, 138, 12, 138, 36, 160, 36, 152, 24}, crimson);
    img.polygon({16, 30, 22, 36, 22, 30}, blood);
    img.polygon({144, 30, 138, 36, 138, 30}, blood);
    Image body(160, 40);
    paint::ShadedRect(body, 16, 4, 128, 26, {blood, crimson, red, salmon});
    body.rect(16, 7, 128, 1, gold);
    body.rect(16, 26, 128, 1, gold);
    img.blit(body, 0, 0);
    img.outline(ink);
    return img.scaled(2);
}

Image MissionIcon(int kind)
{
    Image img(16, 16);
    if (kind == 0) {  // not yet done: a red battle marker with crossed blades
        paint::ShadedEllipse(img, 8, 8, 7, 7, {blood, crimson, red, salmon});
        img.line(4, 4, 11, 11, white);
        img.line(11, 4, 4, 11, white);
    } else if (kind == 1) {  // completed: a green seal with a tick
        paint::ShadedEllipse(img, 8, 8, 7, 7, {pine, leaf, green, grass});
        img.line(4, 8, 6, 10, white);
        img.line(6, 10, 11, 5, white);
        img.line(6, 11, 11, 6, pale);
    } else {  // gilded: a gold star
        img.polygon({8, 0, 10, 5, 16, 6, 11, 10, 13, 16, 8, 12, 3, 16, 5, 10, 0, 6, 6, 5}, gold);
        img.polygon({8, 0, 10, 5, 8, 8, 6, 5}, cream);
        img.polygon({11, 10, 13, 16, 8, 12}, amber);
    }
    img.outline(ink);
    return img.scaled(2);
}

Image SpellCardFrame()
{
    // The card: a parchment face in a wooden, gold-cornered border, with a name strip on top, a
    // socket for the element token, a description box and a flavour strip at the bottom.
    const int w = 192, h = 256;
    Image img = Frame(w, h, FrameStyle{kBronze, kPaper, 255, false, 7});
    img.rect(4, 4, w - 8, 3, bark1);
    paint::Bevel(img, 6, 6, w - 12, h - 12, bark0, bark3);
    // Name strip.
    Image strip = Frame(150, 28, FrameStyle{kGoldRim, {Hex(0xb89466), Hex(0xd8c3a0), Hex(0xe8d5b0), Hex(0xf2e4c6)}, 255, false, 8});
    img.blit(strip, 10, 18);
    // Token socket.
    paint::ShadedEllipse(img, 128, 32, 17, 17, kGoldRim);
    paint::ShadedEllipse(img, 128, 32, 14, 14, {ink, dusk, slate, lilac});
    // Description box.
    Image desc = Frame(176, 88, FrameStyle{{taupe, Hex(0xc9a97c), Hex(0xdcc197), Hex(0xecd9b4)},
                                           {Hex(0xe3cfa8), Hex(0xefe0c2), Hex(0xf6ead2), Hex(0xfbf3e2)}, 255, false, 9});
    img.blit(desc, 8, 108);
    // Flavour strip.
    for (int x = 16; x < w - 16; ++x) img.set(x, 201, Hex(0xc9a97c));
    for (auto [x, y] : {std::pair{4, 4}, {w - 12, 4}, {4, h - 12}, {w - 12, h - 12}}) {
        paint::ShadedRect(img, x, y, 8, 8, kGoldRim);
        img.set(x + 3, y + 3, white);
    }
    return img.scaled(2);
}

Image MenuBook()
{
    const int w = 320, h = 200;
    Image img(w, h);
    paint::ShadedRect(img, 0, 4, w, h - 4, {Hex(0x3b1420), wine, rose0, rose1});  // leather cover
    for (int i = 0; i < 2; ++i) {
        int x0 = i == 0 ? 10 : w / 2 + 2;
        Image page(w / 2 - 12, h - 18);
        paint::Generate(page, [&](int x, int y) {
            float n = noise::Fractal(x / 20.0f, y / 20.0f, 1 << 20, 2, 400 + i);
            std::array<Rgba, 3> ramp{Hex(0xe3cfa8), Hex(0xefe0c2), Hex(0xf8eed8)};
            float edge = i == 0 ? float(x) / page.width() : 1.0f - float(x) / page.width();
            return paint::Dithered(ramp, 0.3f + n * 0.4f + edge * 0.3f - (edge > 0.92f ? 0.5f : 0), x, y);
        });
        img.paste(page, x0, 8);
    }
    img.rect(w / 2 - 2, 6, 4, h - 12, Hex(0x3b1420));  // spine gutter
    img.rect(w / 2 - 1, 6, 2, h - 12, rose0);
    for (int x = 12; x < w - 12; x += 3) img.set(x, h - 8, Hex(0xc9a97c));  // page edges
    // A ribbon bookmark hanging out below the pages, clear of what the pages show.
    img.polygon({w - 40.0f, h - 14.0f, w - 32.0f, h - 14.0f, w - 32.0f, h + 0.0f, w - 36.0f, h - 5.0f, w - 40.0f, h + 0.0f}, gold);
    img.outline(ink);
    return img.scaled(2);
}

Image Dossier()
{
    Image img = Frame(200, 140, FrameStyle{{Hex(0x8a6a3a), Hex(0xb08a4a), Hex(0xd4ad62), Hex(0xe8c987)},
                                          {Hex(0xcfa866), Hex(0xdcbc80), Hex(0xe6cb94), Hex(0xefd9aa)}, 255, false, 11});
    // Folder tab and a paperclip.
    img.rect(14, 3, 44, 4, Hex(0xb08a4a));
    img.rect(170, 0, 4, 22, mist);
    img.rect(171, 2, 2, 16, slate);
    // A stamped seal in the corner.
    img.ellipse(178, 118, 12, 12, WithAlpha(crimson, 90));
    img.ellipse(178, 118, 9, 9, WithAlpha(crimson, 60));
    return img.scaled(2);
}

Image Plaque()
{
    Image img = Frame(64, 40, FrameStyle{kGoldRim, kDark, 255, true, 12});
    return img.scaled(2);
}
}  // namespace

void AddInterface(Catalogue& c)
{
    const FrameStyle button{kBronze, kPaper, 255, true, 21};
    const FrameStyle bad{{blood, crimson, red, salmon}, {rose2, rose3, Hex(0xf6c6c6), Hex(0xfbe2df)}, 255, true, 22};
    const FrameStyle dossierButton{{Hex(0x8a6a3a), Hex(0xb08a4a), Hex(0xd4ad62), Hex(0xe8c987)},
                                   {Hex(0xd8c3a0), Hex(0xe8d5b0), Hex(0xf2e4c6), Hex(0xfaf0d7)}, 255, false, 23};
    const FrameStyle dark{kGoldRim, kDark, 235, true, 24};
    const FrameStyle darkBronze{kBronze, kDark, 225, true, 25};
    auto frame = [&c](const char* name, int w, int h, FrameStyle s) {
        c.Add(name, [w, h, s](const ArtContext&) { return Frame(w, h, s).scaled(2); });
    };
    frame("Button_Frame", 96, 32, button);
    frame("Button_Frame_Long", 192, 32, button);
    frame("Button_Frame_Bad", 96, 32, bad);
    frame("Button_Frame_Dossier", 80, 24, dossierButton);
    c.Add("Book_Button_Frame2", [](const ArtContext&) {
        // A book entry: pale paper slip with a gold underline, quiet enough to sit on a page.
        Image img = Frame(128, 24, FrameStyle{{Hex(0xb89466), Hex(0xc9a97c), Hex(0xdcc197), Hex(0xecd9b4)},
                                              {Hex(0xe3cfa8), Hex(0xefe0c2), Hex(0xf6ead2), Hex(0xfbf3e2)}, 255, false, 26});
        img.rect(8, 19, 112, 1, amber);
        return img.scaled(2);
    });
    c.Add("Left Arrow", [](const ArtContext&) { return ArrowButton(false); });
    c.Add("Right Arrow", [](const ArtContext&) { return ArrowButton(true); });
    frame("Cheat_Panel", 235, 135, dark);
    frame("Context_Panel", 128, 64, darkBronze);
    c.Add("Dossier_Panel", [](const ArtContext&) { return Dossier(); });
    frame("Stats_Panel", 270, 130, dark);
    c.Add("Title_Banner", [](const ArtContext&) { return TitleBanner(); });
    frame("Wizard_Frame", 96, 48, darkBronze);
    c.Add("Button_Selector", [](const ArtContext&) { return Selector(); });
    frame("AP_Frame", 160, 24, darkBronze);
    c.Add("Status_Bar_AP", [](const ArtContext&) { return ApPip(); });
    c.Add("Status_Bar_Heart", [](const ArtContext& a) { return HeartBar(a); });
    c.Add("Turn_Counter_Panel", [](const ArtContext&) { return Plaque(); });
    c.Add("Spell_Card_Frame", [](const ArtContext&) { return SpellCardFrame(); });
    c.Add("Menu_Book", [](const ArtContext&) { return MenuBook(); });
    c.Add("MissionIcon_Incomplete", [](const ArtContext&) { return MissionIcon(0); });
    c.Add("MissionIcon_Complete", [](const ArtContext&) { return MissionIcon(1); });
    c.Add("MissionIcon_Gilded", [](const ArtContext&) { return MissionIcon(2); });
}
