#pragma once
#include <functional>

#include "Image.h"
#include "Palette.h"

// Shaded shapes lit from the upper left: each pixel takes the ramp step that matches how much its
// surface faces the light, which gives every piece the same lighting without hand shading.
namespace paint {

void ShadedEllipse(Image& img, float cx, float cy, float rx, float ry, const pal::Ramp& ramp);
void ShadedRect(Image& img, int x, int y, int w, int h, const pal::Ramp& ramp);
// A polygon shaded by horizontal position: left edge highlight, right edge shadow.
void ShadedPolygon(Image& img, const std::vector<float>& xy, const pal::Ramp& ramp);
// A panel with a bevelled border: light top/left edge, dark bottom/right edge.
void Bevel(Image& img, int x, int y, int w, int h, Rgba light, Rgba dark, int thickness = 1);

// Fills every pixel from a function of its coordinates (procedural textures).
void Generate(Image& img, const std::function<Rgba(int x, int y)>& fn);

// Chooses a colour from a ramp by a 0..1 value with ordered dithering between the steps, which
// keeps gradients crisp in pixel art.
template <size_t N>
Rgba Dithered(const std::array<Rgba, N>& ramp, float t, int x, int y);

// A drop shadow under standing sprites: a soft dark ellipse.
void GroundShadow(Image& img, float cx, float cy, float rx, float ry);

// Darkens pixels by `amount` (0..1), keeping alpha; team colour stays a magenta shade.
Rgba Darken(Rgba c, float amount);
Rgba Lighten(Rgba c, float amount);
Rgba Desaturate(Rgba c, float amount);

}  // namespace paint

template <size_t N>
Rgba paint::Dithered(const std::array<Rgba, N>& ramp, float t, int x, int y)
{
    static const float bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    // A narrow dither band between flat areas reads as hand-placed pixels rather than noise.
    float v = t * (N - 1) + (bayer[y & 3][x & 3] / 16.0f - 0.47f) * 0.55f;
    int i = int(v + 0.5f);
    if (i < 0) i = 0;
    if (i > int(N) - 1) i = int(N) - 1;
    return ramp[i];
}
