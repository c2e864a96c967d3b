#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace paint {
namespace {
// Light comes from the upper left and a little towards the viewer.
constexpr float kLx = -0.55f, kLy = -0.6f, kLz = 0.58f;

Rgba Step(const pal::Ramp& ramp, float lit)
{
    if (lit > 0.82f) return ramp[3];
    if (lit > 0.45f) return ramp[2];
    if (lit > 0.12f) return ramp[1];
    return ramp[0];
}
}  // namespace

void ShadedEllipse(Image& img, float cx, float cy, float rx, float ry, const pal::Ramp& ramp)
{
    int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
    int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            float d2 = dx * dx + dy * dy;
            if (d2 > 1.0f) continue;
            float nz = std::sqrt(1.0f - d2);
            img.set(x, y, Step(ramp, dx * kLx + dy * kLy + nz * kLz));
        }
}

void ShadedRect(Image& img, int x, int y, int w, int h, const pal::Ramp& ramp)
{
    img.rect(x, y, w, h, ramp[2]);
    if (w > 2) img.rect(x, y, 1, h, ramp[3]);
    if (h > 2) img.rect(x, y, w, 1, ramp[3]);
    img.rect(x + w - 1, y + 1, 1, h - 1, ramp[1]);
    img.rect(x + 1, y + h - 1, w - 1, 1, ramp[0]);
}

void ShadedPolygon(Image& img, const std::vector<float>& xy, const pal::Ramp& ramp)
{
    Image mask(img.width(), img.height());
    mask.polygon(xy, pal::white);
    int minX = img.width(), maxX = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (mask.get(x, y).a) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    if (maxX < 0) return;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (!mask.get(x, y).a) continue;
            bool leftEdge = !mask.get(x - 1, y).a, rightEdge = !mask.get(x + 1, y).a;
            float t = maxX == minX ? 0.5f : float(x - minX) / (maxX - minX);
            // Lit left side, a mid tone, then the shadowed right side and bottom edge.
            Rgba c = t < 0.2f ? ramp[3] : (t < 0.62f ? ramp[2] : ramp[1]);
            if (leftEdge && t < 0.5f) c = ramp[3];
            if (rightEdge || !mask.get(x, y + 1).a) c = ramp[0];
            img.set(x, y, c);
        }
}

void Bevel(Image& img, int x, int y, int w, int h, Rgba light, Rgba dark, int thickness)
{
    for (int t = 0; t < thickness; ++t) {
        img.rect(x + t, y + t, w - 2 * t, 1, light);
        img.rect(x + t, y + t, 1, h - 2 * t, light);
        img.rect(x + t, y + h - 1 - t, w - 2 * t, 1, dark);
        img.rect(x + w - 1 - t, y + t + 1, 1, h - 2 * t - 1, dark);
    }
}

void Generate(Image& img, const std::function<Rgba(int, int)>& fn)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.set(x, y, fn(x, y));
}

void GroundShadow(Image& img, float cx, float cy, float rx, float ry)
{
    img.ellipse(cx, cy, rx, ry, WithAlpha(pal::ink, 70));
    img.ellipse(cx, cy, rx * 0.7f, ry * 0.7f, WithAlpha(pal::ink, 50));
}

Rgba Darken(Rgba c, float amount)
{
    return Mix(c, Rgba{0, 0, 0, c.a}, amount);
}

Rgba Lighten(Rgba c, float amount)
{
    return Mix(c, Rgba{255, 255, 255, c.a}, amount);
}

Rgba Desaturate(Rgba c, float amount)
{
    if (c.g == 0 && c.r == c.b) return c;  // team colour keeps its hue
    uint8_t l = uint8_t((c.r * 30 + c.g * 59 + c.b * 11) / 100);
    return Mix(c, Rgba{l, l, l, c.a}, amount);
}

}  // namespace paint
