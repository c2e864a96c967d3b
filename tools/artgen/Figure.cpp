#include "Figure.h"

#include <algorithm>

#include "Paint.h"

using namespace pal;

namespace figure {

const Ramp& Skin() { static const Ramp r{rose2, salmon, peach, skin}; return r; }
const Ramp& Wood() { static const Ramp r{bark0, bark1, bark2, bark3}; return r; }
const Ramp& Steel() { static const Ramp r{dusk, slate, mist, pale}; return r; }
const Ramp& Gold() { static const Ramp r{Hex(0x8a5a1e), amber, gold, cream}; return r; }
const Ramp& Bone() { static const Ramp r{lilac, mist, pale, white}; return r; }

void Robe(Image& img, float cx, float y0, float y1, float halfTop, float halfBottom, const Ramp& r)
{
    paint::ShadedPolygon(img, {cx - halfTop, y0, cx + halfTop, y0, cx + halfBottom, y1, cx - halfBottom, y1}, r);
}

void Head(Image& img, float cx, float cy, float rx, float ry, const Ramp& r)
{
    paint::ShadedEllipse(img, cx, cy, rx, ry, r);
}

void Eyes(Image& img, const Pose& p, int cx, int y, int gap, Rgba c, int sideOffset)
{
    if (p.front()) {
        img.set(cx - gap - 1, y, c);
        img.set(cx + gap, y, c);
    } else if (p.side()) {
        img.set(cx + sideOffset, y, c);
    }
}

void PointyHat(Image& img, const Pose& p, float cx, float brimY, float brimHalf, float height, const Ramp& r, float lean)
{
    float tipX = p.side() ? cx - lean : cx + (p.front() ? lean * 0.4f : -lean * 0.4f);
    paint::ShadedPolygon(img, {cx - brimHalf * 0.55f, brimY, tipX, brimY - height, cx + brimHalf * 0.55f, brimY}, r);
    paint::ShadedEllipse(img, cx, brimY, brimHalf, 1.6f, r);
}

void Staff(Image& img, int x, int y0, int y1)
{
    img.rect(x, y0, 1, y1 - y0, bark3);
    img.rect(x + 1, y0, 1, y1 - y0, bark1);
}

void Orb(Image& img, float x, float y, float r, const Ramp& ramp)
{
    img.ellipse(x, y, r + 1.5f, r + 1.5f, WithAlpha(ramp[3], 70));
    paint::ShadedEllipse(img, x, y, r, r, ramp);
}

void Hands(Image& img, const Pose& p, int cx, int y, int spread, Rgba skinColour)
{
    if (p.side()) {
        img.rect(cx + 3, y, 2, 2, skinColour);
        return;
    }
    img.rect(cx - spread - 1, y, 2, 2, skinColour);
    img.rect(cx + spread, y, 2, 2, skinColour);
}

void Feet(Image& img, const Pose& p, int cx, int y, Rgba c)
{
    if (p.side()) {
        img.rect(cx - 2, y, 3, 2, c);
        img.rect(cx + 1, y, 3, 2, paint::Darken(c, 0.2f));
        return;
    }
    img.rect(cx - 4, y, 3, 2, c);
    img.rect(cx + 1, y, 3, 2, c);
}

namespace {
// Figures are painted facing right and mirrored for the left view, so both sides match exactly.
Image PaintFacing(Painter painter, int facing)
{
    Pose pose;
    pose.facing = facing == kLeft ? kRight : facing;
    Image fig(32, 32);
    painter(fig, pose);
    fig.outline(ink);
    if (facing == kLeft) fig = fig.flippedH();
    return fig;
}
}  // namespace

Image Standing(Painter painter, int facing)
{
    Image fig = PaintFacing(painter, facing);
    Image img(32, 32);
    paint::GroundShadow(img, 16, 29.5f, 8, 2.2f);
    img.blit(fig, 0, 0);
    return img;
}

namespace {
// A defeated figure lies on the ground, faded, with a small soul wisp rising from it.
Image Fallen(Painter painter, int facing)
{
    Image fig = PaintFacing(painter, facing);
    fig = facing == kLeft ? fig.rotatedCCW() : fig.rotatedCW();
    int minY = 32, maxY = -1, minX = 32, maxX = -1;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (fig.get(x, y).a) {
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            Rgba c = fig.get(x, y);
            if (c.a) fig.set(x, y, paint::Darken(paint::Desaturate(c, 0.55f), 0.18f));
        }
    Image img(32, 32);
    paint::GroundShadow(img, 16, 28.5f, 13, 2.5f);
    int shiftY = 30 - maxY, shiftX = 16 - (minX + maxX + 1) / 2;
    img.blit(fig, shiftX, std::max(shiftY, 2 - minY));
    // Soul wisp.
    int wx = facing == kLeft ? 9 : 23;
    Image wisp(32, 32);
    wisp.ellipse(wx, 6, 3, 3, WithAlpha(pale, 200));
    wisp.ellipse(wx - 1, 9.5f, 2, 2, WithAlpha(pale, 170));
    wisp.ellipse(wx - 2, 12, 1.2f, 1.2f, WithAlpha(pale, 140));
    wisp.set(wx - 1, 5, ink);
    wisp.set(wx + 1, 5, ink);
    wisp.set(wx - 1, 4, white);
    img.blit(wisp, 0, 0);
    return img;
}
}  // namespace

Image FactionSheet(Painter painter)
{
    Image sheet(8 * 64, 64);
    for (int f = 0; f < 4; ++f) {
        sheet.paste(Standing(painter, f).scaled(2), f * 64, 0);
        sheet.paste(Fallen(painter, f).scaled(2), (f + 4) * 64, 0);
    }
    return sheet;
}

}  // namespace figure
