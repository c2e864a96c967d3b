#pragma once
#include <cstdarg>
#include <string>
#include <vector>

class Font;

// Text alignment codes as texts and data files use them.
enum TextAlign : int {
    kAlignLeft = 1,
    kAlignCenter = 2,
    kAlignRight = 3,
    kAlignTop = 4,
    kAlignMiddle = 5,
    kAlignBottom = 6,
};

// One glyph instance as the text shader reads it (56 bytes, packed): the glyph's atlas cell copied
// from the font, then where and how large the layout puts its quad relative to the text's origin.
struct GlyphRecord {
    double x, y, width, height, baseline;
    float offsetX, offsetY, quadWidth, quadHeight;
};
static_assert(sizeof(GlyphRecord) == 56, "the text shader reads 56-byte glyph records");

// Atlas units to text units at scale 1 (an atlas cell of 98 pixels in a 1024 atlas is one unit).
constexpr float kAtlasToText = 1024.0f / 98.0f;

// Breaks text into lines no wider than wrapWidth widths of the letter "e" (0 = no wrapping), by
// turning the last space before the limit into a line break (or breaking inside a long word).
std::string WrapText(const std::string& text, Font& font, float wrapWidth);

// The glyph records of text: one per character except line breaks. sx, sy are the text scale.
std::vector<GlyphRecord> LayoutText(const std::string& text, Font& font, int hAlign, int vAlign, float sx, float sy);

// printf into a 1000-byte buffer: longer results are cut to 999 characters.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, va_list args);
