// The ten factions' wizards. Each painter draws one standing 32 x 32 frame for a pose; regions in
// magenta shades take the player's team colour in the game.
#include <cmath>

#include "Catalogue.h"
#include "Figure.h"
#include "Paint.h"

using namespace pal;
using namespace figure;

namespace {
const Ramp kTeam = teamRamp;
const Ramp kOrbBlue{blue, sky, ice, white};

float Narrow(const Pose& p, float half) { return p.side() ? half * 0.75f : half; }
int HeadX(const Pose& p) { return p.side() ? 17 : 16; }

void HeldStaff(Image& img, const Pose& p, int top, const Ramp& orb)
{
    int x = p.handX();
    Staff(img, x, top + 2, 29);
    Orb(img, x + 1.0f, float(top), 2.4f, orb);
}

void MagesGuild(Image& img, const Pose& p)
{
    if (p.itemBehind()) HeldStaff(img, p, 5, kOrbBlue);
    Robe(img, 16, 15, 29, Narrow(p, 4), Narrow(p, 7.5f), kTeam);
    img.rect(p.side() ? 13 : 11, 21, p.side() ? 8 : 11, 1, gold);
    Feet(img, p, 16, 28, bark1);
    int hx = HeadX(p);
    Head(img, hx, 11, 4.5f, 4.5f, Skin());
    if (!p.back()) {
        float bx = p.side() ? hx + 2.5f : hx;
        paint::ShadedEllipse(img, bx, 15.5f, p.side() ? 2.5f : 3.5f, 4, Bone());
        Eyes(img, p, hx, 11, 1, ink, 2);
    } else {
        img.ellipse(hx, 13, 4, 2.5f, pale);  // beard edges seen from behind
    }
    PointyHat(img, p, hx, 8, 7, 9, kTeam, 4);
    img.rect(hx - 4, 7, 9, 1, gold);
    if (!p.itemBehind()) {
        HeldStaff(img, p, 5, kOrbBlue);
        Hands(img, p, 16, 18, 6, skin);
    }
}

void GnomeArmy(Image& img, const Pose& p)
{
    // Short and stout under a towering hat, pickaxe on the shoulder.
    auto pick = [&] {
        int x = p.handX();
        img.line(x, 16, x + (p.back() ? -2 : 2), 28, bark2);
        img.line(x + 1, 16, x + 1 + (p.back() ? -2 : 2), 28, bark0);
        paint::ShadedPolygon(img, {float(x - 4), 15, float(x + 1), 13, float(x + 6), 15, float(x + 1), 16}, Steel());
    };
    if (p.itemBehind()) pick();
    Robe(img, 16, 20, 28, Narrow(p, 5), Narrow(p, 7), kTeam);
    img.rect(p.side() ? 12 : 10, 24, p.side() ? 9 : 13, 1, bark0);
    img.set(16, 24, gold);
    Feet(img, p, 16, 28, bark0);
    int hx = HeadX(p);
    Head(img, hx, 16, 4.5f, 4, Skin());
    if (!p.back()) {
        float bx = p.side() ? hx + 2 : hx;
        paint::ShadedEllipse(img, bx, 20.5f, p.side() ? 3 : 4.5f, 4, Bone());
        Eyes(img, p, hx, 15, 2, ink, 2);
        float nx = p.side() ? hx + 4.5f : hx;
        paint::ShadedEllipse(img, nx, 17, 1.6f, 1.4f, {rose1, rose2, salmon, peach});
    }
    // The classic red cap, its tip flopping backwards.
    PointyHat(img, p, hx, 13, 6.5f, 12, {blood, brick, red, salmon}, 6);
    int tip = int(std::lround(p.side() ? hx - 6.0f : hx + (p.front() ? 2.4f : -2.4f)));
    img.rect(tip - 1, 0, 2, 2, white);  // pompom on the tip
    if (!p.itemBehind()) {
        pick();
        Hands(img, p, 16, 22, 6, skin);
    }
}

void Archivists(Image& img, const Pose& p)
{
    // One-eyed scholars from another dimension: floating, book in hand.
    const Ramp body{grape1, grape2, grape3, grape4};
    auto book = [&] {
        int x = p.side() ? 20 : (p.back() ? 22 : 10);
        paint::ShadedRect(img, x - 3, 18, 7, 5, kTeam);
        img.rect(x - 2, 18, 5, 3, pale);
        img.line(x, 18, x, 21, mist);
    };
    if (p.itemBehind()) book();
    Robe(img, 16, 15, 26, Narrow(p, 4), Narrow(p, 6.5f), {navy, indigo, blue, sky});
    // Hem tendrils instead of feet.
    for (int i = -1; i <= 1; ++i) img.rect(15 + i * 3, 26, 2, 2, i == 0 ? indigo : navy);
    img.rect(15, 15, 2, 11, kTeam[2]);  // the order's stole
    int hx = HeadX(p);
    Head(img, hx, 9, 6, 5.5f, body);
    img.line(hx - 3, 3, hx - 5, 0, grape2);  // feelers
    img.line(hx + 3, 3, hx + 5, 0, grape2);
    img.set(hx - 5, 0, gold);
    img.set(hx + 5, 0, gold);
    if (p.front()) {
        img.ellipse(hx, 9.5f, 3.5f, 3, white);
        img.ellipse(hx, 9.5f, 2, 2, sky);
        img.rect(hx - 1, 9, 2, 2, ink);
        img.set(hx - 2, 8, white);
    } else if (p.side()) {
        img.ellipse(hx + 3.5f, 9.5f, 2, 3, white);
        img.rect(hx + 4, 9, 1, 2, ink);
    }
    if (!p.itemBehind()) book();
    // It hovers: lift the whole figure two pixels off the shadow.
    Image lifted(32, 32);
    lifted.blit(img, 0, -2);
    img = lifted;
}

void Necromancers(Image& img, const Pose& p)
{
    auto scythe = [&] {
        int x = p.handX();
        img.rect(x, 3, 1, 27, bark1);
        img.rect(x + 1, 3, 1, 27, bark0);
        int dir = p.back() ? 1 : -1;
        img.polygon({float(x), 2, float(x + dir * 9), 4, float(x + dir * 10), 7, float(x + dir * 4), 4, float(x), 5}, pale);
        img.line(x, 4, x + dir * 8, 5, mist);
    };
    if (p.itemBehind()) scythe();
    // Cape: dark outside, team-coloured lining showing at the front edges.
    Robe(img, 16, 12, 29, Narrow(p, 6), Narrow(p, 9), {ink, dusk, Hex(0x4a3a55), slate});
    if (p.front()) Robe(img, 16, 14, 29, 3, 4.5f, kTeam);
    if (p.side()) Robe(img, 13, 14, 29, 1.5f, 3, kTeam);
    if (p.front()) img.rect(15, 15, 2, 14, ink);
    // High collar behind the head.
    if (!p.side()) img.polygon({8, 6, 24, 6, 21, 14, 11, 14}, kTeam[p.back() ? 2 : 1]);
    int hx = HeadX(p);
    Head(img, hx, 10, 4, 4.5f, {lilac, mist, pale, Hex(0xe4f0ee)});
    // Slicked-back hair with a widow's peak.
    Rgba hair = Hex(0x2a1d33);
    if (p.side()) {
        img.polygon({float(hx - 5), 12, float(hx - 4.5f), 6, float(hx), 5, float(hx + 4), 6.5f, float(hx + 1), 8, float(hx - 2), 12}, hair);
    } else {
        img.polygon({float(hx - 4.5f), 10, float(hx - 4), 5.5f, float(hx + 4), 5.5f, float(hx + 4.5f), 10, float(hx), 7.5f}, hair);
    }
    if (p.back()) img.ellipse(hx, 9, 4.3f, 4.3f, hair);
    img.line(hx - 2, 6, hx + 1, 6, grape1);  // sheen
    Eyes(img, p, hx, 10, 1, red, 2);
    if (p.front()) img.set(hx, 13, crimson);
    if (!p.itemBehind()) {
        scythe();
        Hands(img, p, 16, 19, 7, pale);
    }
}

void Goblins(Image& img, const Pose& p)
{
    const Ramp greenSkin{pine, leaf, green, grass};
    auto dagger = [&] {
        int x = p.handX() + (p.front() ? 1 : 0);
        img.rect(x, 18, 1, 6, pale);
        img.rect(x - 1, 23, 3, 1, bark1);
        img.rect(x, 24, 1, 2, bark0);
    };
    if (p.itemBehind()) dagger();
    Robe(img, 16, 18, 28, Narrow(p, 5), Narrow(p, 6.5f), Wood());
    for (int x = 10; x < 23; x += 3) img.set(x, 27, bark0);  // ragged hem
    Feet(img, p, 16, 28, sage1);
    int hx = HeadX(p);
    // Long ears sticking out sideways.
    if (p.side()) {
        img.polygon({float(hx - 2), 12, float(hx - 10), 9, float(hx - 2), 15}, green);
    } else {
        img.polygon({float(hx - 3), 12, float(hx - 11), 9, float(hx - 3), 15}, green);
        img.polygon({float(hx + 3), 12, float(hx + 11), 9, float(hx + 3), 15}, leaf);
    }
    Head(img, hx, 13, 5, 4.5f, greenSkin);
    // Team-coloured hood over the head.
    paint::ShadedEllipse(img, hx - (p.side() ? 1 : 0), 10, 5.2f, 3.2f, kTeam);
    img.rect(hx - 5, 10, 11, 1, kTeam[1]);
    if (!p.back()) {
        Eyes(img, p, hx, 13, 1, gold, 3);
        if (p.front()) {
            img.line(hx - 3, 12, hx - 1, 12, pine);  // sullen brow
            img.line(hx + 1, 12, hx + 3, 12, pine);
            img.line(hx - 1, 16, hx + 1, 16, pine);
        } else {
            img.set(hx + 5, 14, green);  // nose
        }
    }
    paint::ShadedEllipse(img, 16, 19, 4, 1.5f, kTeam);  // scarf
    if (!p.itemBehind()) {
        dagger();
        Hands(img, p, 16, 22, 6, green);
    }
}

void Skeletons(Image& img, const Pose& p)
{
    auto shield = [&] {
        float x = p.front() ? 22 : (p.side() ? 19 : 10);
        paint::ShadedEllipse(img, x, 20, 4.5f, 5, kTeam);
        img.ellipse(x, 20, 1.5f, 1.5f, mist);
    };
    auto sword = [&] {
        int x = p.handX();
        img.rect(x, 10, 2, 10, mist);
        img.rect(x, 10, 1, 10, pale);
        img.rect(x - 2, 20, 6, 1, rust);
        img.rect(x, 21, 2, 3, bark1);
    };
    if (p.itemBehind()) sword();
    if (p.back()) shield();
    // Tattered team cape behind the bones.
    if (!p.front()) Robe(img, 16, 14, 27, Narrow(p, 5), Narrow(p, 7), kTeam);
    // Ribcage and spine.
    img.rect(15, 15, 2, 10, pale);
    for (int y = 16; y < 22; y += 2) img.rect(12, y, 8, 1, p.back() ? mist : pale);
    img.rect(12, 24, 8, 2, mist);                                  // hips
    img.rect(12, 26, 2, 3, pale);                                  // legs
    img.rect(18, 26, 2, 3, pale);
    img.rect(10, 16, 2, 7, pale);                                  // arms
    img.rect(20, 16, 2, 7, pale);
    int hx = HeadX(p);
    Head(img, hx, 10, 5, 5, Bone());
    img.rect(hx - 3, 13, 6, 3, pale);  // jaw
    if (p.front()) {
        img.rect(hx - 3, 9, 2, 2, ink);
        img.rect(hx + 1, 9, 2, 2, ink);
        img.set(hx - 2, 10, red);
        img.set(hx + 2, 10, red);
        img.line(hx - 2, 14, hx + 2, 14, slate);
    } else if (p.side()) {
        img.rect(hx + 2, 9, 2, 2, ink);
        img.set(hx + 3, 10, red);
        img.line(hx + 1, 14, hx + 4, 14, slate);
    }
    // A dented helmet.
    paint::ShadedEllipse(img, hx, 7, 5.5f, 3, {ink, dusk, slate, lilac});
    img.rect(hx - 6, 8, 12, 1, dusk);
    img.set(hx - 3, 6, rust);
    img.set(hx + 2, 7, rust);
    if (!p.itemBehind()) sword();
    if (!p.back()) shield();
}

void ArcaneCult(Image& img, const Pose& p)
{
    auto orb = [&] { Orb(img, p.side() ? 24.0f : 16.0f, 21, 2.5f, {grape1, grape3, grape4, white}); };
    Robe(img, 16, 13, 29, Narrow(p, 5), Narrow(p, 8), kTeam);
    if (p.front()) {
        Robe(img, 16, 16, 29, 1.5f, 2.5f, {grape0, grape0, grape1, grape1});
        img.set(16, 19, gold);
        img.set(15, 20, gold);
        img.set(17, 20, gold);
    }
    int hx = HeadX(p);
    // A deep pointed hood.
    paint::ShadedPolygon(img, {float(hx - 6), 16, float(hx - 5), 7, float(hx - 1), 1, float(hx + 5), 7, float(hx + 6), 16},
                         kTeam);
    if (p.front()) {
        img.ellipse(hx, 11, 3.5f, 4, ink);
        img.set(hx - 2, 11, teal3);
        img.set(hx + 1, 11, teal3);
    } else if (p.side()) {
        img.ellipse(hx + 3, 11, 2.2f, 3.5f, ink);
        img.set(hx + 4, 11, teal3);
    }
    if (!p.back()) {
        orb();
        Hands(img, p, 16, 22, 4, grape2);
    }
}

void Automata(Image& img, const Pose& p)
{
    const Ramp brass{Hex(0x6b4d1f), Hex(0xa87b2d), Hex(0xd9a441), Hex(0xf5d98a)};
    paint::ShadedRect(img, 11, 25, 4, 4, Steel());  // legs
    paint::ShadedRect(img, 17, 25, 4, 4, Steel());
    int bw = p.side() ? 9 : 13;
    paint::ShadedRect(img, 16 - bw / 2, 15, bw, 11, brass);
    if (!p.back()) {
        paint::ShadedRect(img, p.side() ? 15 : 13, 17, p.side() ? 4 : 6, 5, kTeam);  // chest plate
        img.set(p.side() ? 16 : 15, 19, gold);
    } else {
        img.ellipse(16, 20, 2.5f, 2.5f, brass[0]);  // wind-up gear
        img.ellipse(16, 20, 1, 1, brass[3]);
    }
    if (!p.side()) {
        paint::ShadedRect(img, 7, 16, 3, 8, Steel());  // arms
        paint::ShadedRect(img, 22, 16, 3, 8, Steel());
        img.rect(7, 24, 3, 2, brass[1]);
        img.rect(22, 24, 3, 2, brass[1]);
    } else {
        paint::ShadedRect(img, 16, 16, 3, 8, Steel());
    }
    int hx = HeadX(p);
    paint::ShadedRect(img, hx - 5, 5, 10, 9, Steel());
    img.rect(hx - 1, 14, 2, 1, slate);  // neck
    if (p.front()) {
        img.ellipse(hx, 9, 2.6f, 2.6f, ink);
        img.ellipse(hx, 9, 1.6f, 1.6f, teal3);
        img.set(hx - 1, 8, white);
        img.rect(hx - 3, 12, 6, 1, dusk);
    } else if (p.side()) {
        img.ellipse(hx + 3, 9, 1.8f, 2.4f, ink);
        img.rect(hx + 3, 8, 1, 2, teal3);
    }
    img.rect(hx, 1, 1, 4, slate);  // antenna with a team-coloured lamp
    paint::ShadedEllipse(img, hx + 0.5f, 1.5f, 1.6f, 1.6f, kTeam);
}

void MagesDivision(Image& img, const Pose& p)
{
    auto rifle = [&] {
        int x = p.handX();
        Staff(img, x, 8, 27);
        img.rect(x, 4, 1, 4, pale);  // bayonet
        img.set(x + 1, 7, mist);
        img.ellipse(x + 1.0f, 18, 1.5f, 1.5f, teal3);  // focus crystal
    };
    if (p.itemBehind()) rifle();
    Robe(img, 16, 15, 27, Narrow(p, 5), Narrow(p, 6), {navy, indigo, blue, sky});
    if (!p.back()) {
        Robe(img, p.side() ? 18 : 16, 16, 26, p.side() ? 1.5f : 3, p.side() ? 2 : 3.5f, kTeam);  // tabard
        img.set(16, 18, gold);
        img.set(16, 21, gold);
    }
    img.rect(p.side() ? 12 : 11, 22, p.side() ? 9 : 11, 1, bark0);
    Feet(img, p, 16, 27, ink);
    img.rect(12, 27, 3, 2, ink);
    img.rect(17, 27, 3, 2, ink);
    int hx = HeadX(p);
    Head(img, hx, 11, 4, 4.5f, Skin());
    Eyes(img, p, hx, 11, 1, ink, 2);
    if (p.front()) img.line(hx - 2, 13, hx + 1, 13, bark1);  // moustache
    if (p.side()) img.line(hx + 1, 13, hx + 3, 13, bark1);
    // Kettle helmet with a plume.
    paint::ShadedEllipse(img, hx, 8, 5, 3.5f, Steel());
    img.rect(hx - 7, 9, 14, 1, slate);
    img.rect(hx - 6, 8, 12, 1, mist);
    paint::ShadedEllipse(img, hx - (p.side() ? 2 : 0), 3.5f, 1.8f, 3, kTeam);
    if (!p.itemBehind()) {
        rifle();
        Hands(img, p, 16, 20, 6, skin);
    }
}

void GuildedGuild(Image& img, const Pose& p)
{
    auto sceptre = [&] {
        int x = p.handX();
        img.rect(x, 8, 1, 20, gold);
        img.rect(x + 1, 8, 1, 20, amber);
        paint::ShadedEllipse(img, x + 1.0f, 6, 2.3f, 2.3f, {blood, crimson, red, salmon});
        img.set(x - 1, 9, gold);
        img.set(x + 2, 9, amber);
    };
    if (p.itemBehind()) sceptre();
    // Team-coloured cape behind a golden robe.
    Robe(img, 16, 14, 29, Narrow(p, 6), Narrow(p, 8.5f), kTeam);
    if (!p.back()) Robe(img, p.side() ? 17 : 16, 15, 29, Narrow(p, 3.5f), Narrow(p, 5.5f), Gold());
    // Ermine collar.
    paint::ShadedEllipse(img, 16, 15.5f, p.side() ? 4.5f : 6, 2, Bone());
    img.set(13, 15, ink);
    img.set(18, 16, ink);
    int hx = HeadX(p);
    Head(img, hx, 10, 4.5f, 4.5f, Skin());
    if (!p.back()) {
        Eyes(img, p, hx, 10, 1, ink, 2);
        paint::ShadedEllipse(img, p.side() ? hx + 2.0f : float(hx), 14, p.side() ? 2.0f : 3.0f, 1.5f,
                             {bark0, bark1, bark2, bark3});  // trimmed beard
    } else {
        img.ellipse(hx, 10, 4.5f, 4.5f, bark2);
    }
    // A five-point crown.
    paint::ShadedRect(img, hx - 4, 4, 9, 3, Gold());
    for (int i = 0; i < 5; ++i) img.set(hx - 4 + i * 2, 3, gold);
    img.set(hx, 5, red);
    if (!p.itemBehind()) {
        sceptre();
        Hands(img, p, 16, 19, 7, skin);
    }
}

struct Faction {
    const char* texture;
    Painter painter;
};
const Faction kFactions[] = {
    {"Mages_Guild", MagesGuild},     {"Gnome_Army", GnomeArmy},           {"All-Seeing_Archivists", Archivists},
    {"Vampiric_Necromancers", Necromancers}, {"Sullen_Goblins", Goblins}, {"Skeleton_Horde", Skeletons},
    {"Arcane_Cult", ArcaneCult},     {"Precursor_Automata", Automata},    {"Mages_Division", MagesDivision},
    {"Guilded_Guild", GuildedGuild},
};
}  // namespace

// Faction index 1..10 as in the setup screen; anything else gives the Mages Guild.
figure::Painter FactionPainter(int index)
{
    return (index >= 1 && index <= 10) ? kFactions[index - 1].painter : MagesGuild;
}

void AddFactions(Catalogue& c)
{
    for (const Faction& f : kFactions)
        c.AddSheet(f.texture, 1, 8, [painter = f.painter](const ArtContext&) { return FactionSheet(painter); });
}
