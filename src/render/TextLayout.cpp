#include "render/TextLayout.h"

#include <cstdarg>
#include <cstdio>

#include "render/Font.h"

std::string WrapText(const std::string& source, Font& font, float wrapWidth)
{
    if (wrapWidth == 0.0f || source.empty()) return source;
    std::string text = source;
    const double limit = font.GetGlyph('e').width * wrapWidth;
    double w = 0.0;
    size_t lastSpace = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            w = 0.0;
            continue;
        }
        if (c == ' ') lastSpace = i;
        w += font.GetGlyph(c).width;
        if (w > limit) {
            // The inserted break lands after the space (or before the current character when the
            // line has no space) and becomes the next character the walk meets, resetting w.
            const size_t at = lastSpace != 0 ? lastSpace + 1 : i;
            text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), '\n');
            w = 0.0;
            if (at <= i) ++i;  // the character at i moved one place right
            lastSpace = 0;
            // Re-measure what already sits on the new line so the next break is found in time.
            for (size_t k = at + 1; k <= i && k < text.size(); ++k) w += font.GetGlyph(text[k]).width;
        }
    }
    return text;
}

namespace {

double LineWidth(const std::string& text, size_t from, Font& font)
{
    double width = 0.0;
    for (size_t i = from; i < text.size() && text[i] != '\n'; ++i) width += font.GetGlyph(text[i]).width;
    return width;
}

double LineStart(int hAlign, double width)
{
    if (hAlign == kAlignCenter) return -width / 2.0;
    if (hAlign == kAlignRight) return -width;
    return 0.0;
}

}  // namespace

std::vector<GlyphRecord> LayoutText(const std::string& text, Font& font, int hAlign, int vAlign, float sx, float sy)
{
    std::vector<GlyphRecord> records;
    records.reserve(text.size());
    double line = font.GetGlyph('E').baseline * 1.5 + 1.0;
    double lines = 1.0;
    for (char c : text) lines += c == '\n' ? 1.0 : 0.0;
    if (vAlign == kAlignMiddle) line -= lines * 0.5;
    if (vAlign == kAlignBottom) line -= lines;
    const float topMargin = vAlign == kAlignTop ? 8.0f : 0.0f;

    double pen = LineStart(hAlign, LineWidth(text, 0, font));
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            line += 1.0;
            pen = LineStart(hAlign, LineWidth(text, i + 1, font));
            continue;
        }
        const Glyph& g = font.GetGlyph(text[i]);
        GlyphRecord r{g.x, g.y, g.width, g.height, g.baseline, 0.0f, 0.0f, 0.0f, 0.0f};
        r.offsetX = static_cast<float>(pen * sx * kAtlasToText);
        r.offsetY = static_cast<float>(-(topMargin + sy) * line);
        r.quadWidth = static_cast<float>(g.width * kAtlasToText * sx);
        r.quadHeight = static_cast<float>(g.height * kAtlasToText * sx);
        records.push_back(r);
        if (i + 1 < text.size()) pen += g.width;
    }
    return records;
}

std::string FormatTextV(const char* format, va_list args)
{
    char buffer[1000];
    int n = std::vsnprintf(buffer, sizeof buffer, format ? format : "", args);
    if (n < 0) return std::string();
    return std::string(buffer);  // vsnprintf already cut it to 999 characters and terminated it
}

std::string FormatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = FormatTextV(format, args);
    va_end(args);
    return text;
}
