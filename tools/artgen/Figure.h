#pragma once
#include <vector>

#include "Image.h"
#include "Palette.h"

// Building blocks for the 32 x 32 characters: a pose (which way the figure looks) and the parts
// every faction is assembled from. Side views always face right; left is the mirror image.
namespace figure {

enum Facing { kRight = 0, kDown = 1, kLeft = 2, kUp = 3 };

struct Pose {
    int facing = kDown;
    bool front() const { return facing == kDown; }
    bool back() const { return facing == kUp; }
    bool side() const { return facing == kRight || facing == kLeft; }
    // Where the hand that holds a staff or weapon is, horizontally.
    int handX(int cx = 16) const { return front() ? cx - 8 : back() ? cx + 8 : cx + 5; }
    // Held items are drawn behind the body in the back view.
    bool itemBehind() const { return back(); }
};


const pal::Ramp& Skin();
const pal::Ramp& Wood();
const pal::Ramp& Steel();
const pal::Ramp& Gold();
const pal::Ramp& Bone();

// A robe or tunic as a trapezoid, shaded from the upper left.
void Robe(Image& img, float cx, float y0, float y1, float halfTop, float halfBottom, const pal::Ramp& r);
void Head(Image& img, float cx, float cy, float rx, float ry, const pal::Ramp& r);
// Two eyes from the front, one near the front edge from the side, none from behind.
void Eyes(Image& img, const Pose& p, int cx, int y, int gap, Rgba c, int sideOffset = 3);
// A cone hat: brim at brimY; the tip leans back in the side view.
void PointyHat(Image& img, const Pose& p, float cx, float brimY, float brimHalf, float height, const pal::Ramp& r,
               float lean = 3);
void Staff(Image& img, int x, int y0, int y1);
void Orb(Image& img, float x, float y, float r, const pal::Ramp& ramp);
void Hands(Image& img, const Pose& p, int cx, int y, int spread, Rgba skin);
void Feet(Image& img, const Pose& p, int cx, int y, Rgba c);

// Assembles the 8-frame sheet (4 facings standing, then the same 4 defeated) from a painter of
// single standing frames.
using Painter = void (*)(Image& img, const Pose& p);
Image FactionSheet(Painter painter);
Image Standing(Painter painter, int facing);

}  // namespace figure
