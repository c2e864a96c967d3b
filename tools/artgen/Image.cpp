#include "Image.h"

#include <algorithm>
#include <cmath>

#include <stb_image_write.h>

Rgba WithAlpha(Rgba c, int a)
{
    c.a = static_cast<uint8_t>(std::clamp(a, 0, 255));
    return c;
}

Rgba Mix(Rgba a, Rgba b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    auto m = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Image::Image(int w, int h, Rgba fill) : w_(std::max(w, 0)), h_(std::max(h, 0)), px_(size_t(w_) * h_, fill) {}

Rgba Image::wrap(int x, int y) const
{
    x = ((x % w_) + w_) % w_;
    y = ((y % h_) + h_) % h_;
    return px_[y * w_ + x];
}

void Image::set(int x, int y, Rgba c)
{
    if (inside(x, y)) px_[y * w_ + x] = c;
}

void Image::blend(int x, int y, Rgba c)
{
    if (!inside(x, y) || c.a == 0) return;
    Rgba& d = px_[y * w_ + x];
    if (c.a == 255 || d.a == 0) {
        d = c;
        return;
    }
    float sa = c.a / 255.0f, da = d.a / 255.0f;
    float oa = sa + da * (1 - sa);
    auto ch = [&](uint8_t s, uint8_t t) {
        return static_cast<uint8_t>(std::lround((s * sa + t * da * (1 - sa)) / oa));
    };
    d = {ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b), static_cast<uint8_t>(std::lround(oa * 255))};
}

void Image::fill(Rgba c) { std::fill(px_.begin(), px_.end(), c); }

void Image::rect(int x, int y, int w, int h, Rgba c)
{
    for (int j = std::max(y, 0); j < std::min(y + h, h_); ++j)
        for (int i = std::max(x, 0); i < std::min(x + w, w_); ++i) blend(i, j, c);
}

void Image::ellipse(float cx, float cy, float rx, float ry, Rgba c)
{
    if (rx <= 0 || ry <= 0) return;
    int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
    int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.0f) blend(x, y, c);
        }
}

void Image::line(int x0, int y0, int x1, int y1, Rgba c)
{
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        blend(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void Image::polygon(const std::vector<float>& xy, Rgba c)
{
    size_t n = xy.size() / 2;
    if (n < 3) return;
    float minY = xy[1], maxY = xy[1];
    for (size_t i = 0; i < n; ++i) {
        minY = std::min(minY, xy[2 * i + 1]);
        maxY = std::max(maxY, xy[2 * i + 1]);
    }
    for (int y = std::max(0, int(std::floor(minY))); y <= std::min(h_ - 1, int(std::ceil(maxY))); ++y) {
        float py = y + 0.5f;
        std::vector<float> xs;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float yi = xy[2 * i + 1], yj = xy[2 * j + 1];
            if ((yi > py) != (yj > py)) xs.push_back(xy[2 * i] + (py - yi) / (yj - yi) * (xy[2 * j] - xy[2 * i]));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2)
            for (int x = int(std::ceil(xs[k] - 0.5f)); x <= int(std::floor(xs[k + 1] - 0.5f)); ++x) blend(x, y, c);
    }
}

void Image::blit(const Image& src, int x, int y)
{
    for (int j = 0; j < src.h_; ++j)
        for (int i = 0; i < src.w_; ++i) blend(x + i, y + j, src.px_[j * src.w_ + i]);
}

void Image::paste(const Image& src, int x, int y)
{
    for (int j = 0; j < src.h_; ++j)
        for (int i = 0; i < src.w_; ++i) set(x + i, y + j, src.px_[j * src.w_ + i]);
}

Image Image::scaled(int factor) const
{
    Image out(w_ * factor, h_ * factor);
    for (int y = 0; y < out.h_; ++y)
        for (int x = 0; x < out.w_; ++x) out.px_[y * out.w_ + x] = px_[(y / factor) * w_ + x / factor];
    return out;
}

Image Image::resized(int w, int h) const
{
    // Averages the source area under each target pixel, weighting colour by alpha so transparent
    // pixels do not darken the edges.
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float sx0 = float(x) * w_ / w, sx1 = float(x + 1) * w_ / w;
            float sy0 = float(y) * h_ / h, sy1 = float(y + 1) * h_ / h;
            double r = 0, g = 0, b = 0, a = 0, n = 0;
            for (int j = int(sy0); j < std::max(int(std::ceil(sy1)), int(sy0) + 1) && j < h_; ++j)
                for (int i = int(sx0); i < std::max(int(std::ceil(sx1)), int(sx0) + 1) && i < w_; ++i) {
                    Rgba p = px_[j * w_ + i];
                    r += p.r * p.a; g += p.g * p.a; b += p.b * p.a; a += p.a; n += 1;
                }
            if (a > 0) out.px_[y * w + x] = {uint8_t(r / a), uint8_t(g / a), uint8_t(b / a), uint8_t(a / n)};
        }
    return out;
}

Image Image::flippedH() const
{
    Image out(w_, h_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) out.px_[y * w_ + x] = px_[y * w_ + (w_ - 1 - x)];
    return out;
}

Image Image::rotatedCW() const
{
    Image out(h_, w_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) out.set(h_ - 1 - y, x, px_[y * w_ + x]);
    return out;
}

Image Image::rotatedCCW() const
{
    Image out(h_, w_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) out.set(y, w_ - 1 - x, px_[y * w_ + x]);
    return out;
}

Image Image::crop(int x, int y, int w, int h) const
{
    Image out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out.set(i, j, get(x + i, y + j));
    return out;
}

void Image::outline(Rgba c, int alphaThreshold)
{
    std::vector<Rgba> src = px_;
    auto solid = [&](int x, int y) { return inside(x, y) && src[y * w_ + x].a >= alphaThreshold; };
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            if (solid(x, y)) continue;
            if (solid(x - 1, y) || solid(x + 1, y) || solid(x, y - 1) || solid(x, y + 1)) px_[y * w_ + x] = c;
        }
}

bool Image::writePng(const std::string& path) const
{
    return stbi_write_png(path.c_str(), w_, h_, 4, px_.data(), w_ * 4) != 0;
}
