#pragma once
#include <cstdint>
#include <string>
#include <vector>

// An RGBA canvas with straight alpha and the few drawing operations the art is built from. All
// coordinates are pixels with (0, 0) at the top-left, as the finished PNG is viewed.
struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

constexpr Rgba kClear{0, 0, 0, 0};

Rgba WithAlpha(Rgba c, int a);
Rgba Mix(Rgba a, Rgba b, float t);  // t = 0 gives a, 1 gives b (alpha mixed too)

class Image {
public:
    Image() = default;
    Image(int w, int h, Rgba fill = kClear);

    int width() const { return w_; }
    int height() const { return h_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    Rgba get(int x, int y) const { return inside(x, y) ? px_[y * w_ + x] : kClear; }
    // Wrapping read for seamless textures.
    Rgba wrap(int x, int y) const;
    void set(int x, int y, Rgba c);
    // Paints c over the pixel with source-over blending.
    void blend(int x, int y, Rgba c);

    void fill(Rgba c);
    void rect(int x, int y, int w, int h, Rgba c);
    void ellipse(float cx, float cy, float rx, float ry, Rgba c);
    void line(int x0, int y0, int x1, int y1, Rgba c);
    // Filled polygon through the given points (even-odd rule, pixel centres sampled).
    void polygon(const std::vector<float>& xy, Rgba c);
    // Paints src with its top-left at (x, y), blending.
    void blit(const Image& src, int x, int y);
    // Copies src replacing the pixels (alpha too).
    void paste(const Image& src, int x, int y);

    Image scaled(int factor) const;            // nearest neighbour, for pixel art
    Image resized(int w, int h) const;         // box/bilinear sample, for previews and pictures
    Image flippedH() const;
    Image rotatedCW() const;
    Image rotatedCCW() const;
    Image crop(int x, int y, int w, int h) const;

    // Surrounds every opaque shape with a one-pixel line (4-neighbourhood) drawn in c.
    void outline(Rgba c, int alphaThreshold = 128);

    bool writePng(const std::string& path) const;

private:
    int w_ = 0, h_ = 0;
    std::vector<Rgba> px_;
};
