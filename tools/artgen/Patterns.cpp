#include "Patterns.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Paint.h"

namespace pattern {

Image Mottle(int w, int h, const pal::Ramp& ramp, int cells, uint32_t seed, float contrast)
{
    Image img(w, h);
    paint::Generate(img, [&](int x, int y) {
        float n = noise::Fractal(x * float(cells) / w, y * float(cells) / h, cells, 3, seed);
        n = std::clamp(0.5f + (n - 0.5f) * 1.8f * contrast, 0.0f, 1.0f);
        return paint::Dithered(ramp, n, x, y);
    });
    return img;
}

float CrackDistance(int x, int y, int w, int h, int cells, uint32_t seed, int* cellId)
{
    float cw = float(w) / cells, ch = float(h) / cells;
    int gx = int(x / cw), gy = int(y / ch);
    float best = 1e9f, second = 1e9f;
    int bestId = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            int cx = gx + i, cy = gy + j;
            int wx = ((cx % cells) + cells) % cells, wy = ((cy % cells) + cells) % cells;
            float px = (cx + 0.15f + 0.7f * noise::Rand01(wx, wy, seed)) * cw;
            float py = (cy + 0.15f + 0.7f * noise::Rand01(wx, wy, seed + 7)) * ch;
            float d = std::hypot(px - (x + 0.5f), py - (y + 0.5f));
            if (d < best) {
                second = best;
                best = d;
                bestId = wy * cells + wx;
            } else if (d < second) {
                second = d;
            }
        }
    if (cellId) *cellId = bestId;
    return (second - best) * 0.5f;
}

void Cracks(Image& img, int cells, uint32_t seed, float width, Rgba colour)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (CrackDistance(x, y, img.width(), img.height(), cells, seed) < width) img.set(x, y, colour);
}

void Speckle(Image& img, int n, uint32_t seed, Rgba a, Rgba b, bool tall)
{
    noise::Rng rng(seed);
    for (int i = 0; i < n; ++i) {
        int x = rng.range(0, img.width() - 1), y = rng.range(0, img.height() - 1);
        Rgba c = (rng.next() & 1) ? a : b;
        img.set(x, y, c);
        if (tall) img.set(x, (y + 1) % img.height(), paint::Darken(c, 0.25f));
    }
}

void TileRim(Image& img)
{
    int w = img.width(), h = img.height();
    for (int i = 0; i < w; ++i) {
        img.set(i, 0, paint::Lighten(img.get(i, 0), 0.22f));
        img.set(i, h - 1, paint::Darken(img.get(i, h - 1), 0.35f));
    }
    for (int j = 1; j < h - 1; ++j) {
        img.set(0, j, paint::Lighten(img.get(0, j), 0.16f));
        img.set(w - 1, j, paint::Darken(img.get(w - 1, j), 0.3f));
    }
}

}  // namespace pattern
