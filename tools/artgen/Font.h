#pragma once
#include <string>
#include <vector>

#include <stb_truetype.h>

#include "Image.h"

// Text rasterised from a TrueType file (labels of the contact sheet, lettering on logos and cards).
class Font {
public:
    bool Load(const std::string& path);
    bool loaded() const { return !data_.empty(); }
    int Measure(const std::string& text, float pixelHeight) const;
    // Draws text with its top-left at (x, y); returns the width drawn.
    int Draw(Image& img, const std::string& text, int x, int y, float pixelHeight, Rgba colour) const;
    // Centred horizontally on cx.
    void DrawCentred(Image& img, const std::string& text, int cx, int y, float pixelHeight, Rgba colour) const;

private:
    std::vector<unsigned char> data_;
    stbtt_fontinfo info_{};
};
