#include "Font.h"

#include <cmath>
#include <fstream>
#include <iterator>

bool Font::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    data_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (data_.empty() || !stbtt_InitFont(&info_, data_.data(), stbtt_GetFontOffsetForIndex(data_.data(), 0))) {
        data_.clear();
        return false;
    }
    return true;
}

int Font::Measure(const std::string& text, float pixelHeight) const
{
    if (!loaded()) return 0;
    float scale = stbtt_ScaleForPixelHeight(&info_, pixelHeight);
    float x = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        int adv, lsb;
        stbtt_GetCodepointHMetrics(&info_, (unsigned char)text[i], &adv, &lsb);
        x += adv * scale;
        if (i + 1 < text.size())
            x += scale * stbtt_GetCodepointKernAdvance(&info_, (unsigned char)text[i], (unsigned char)text[i + 1]);
    }
    return int(std::ceil(x));
}

int Font::Draw(Image& img, const std::string& text, int x, int y, float pixelHeight, Rgba colour) const
{
    if (!loaded()) return 0;
    float scale = stbtt_ScaleForPixelHeight(&info_, pixelHeight);
    int ascent, descent, gap;
    stbtt_GetFontVMetrics(&info_, &ascent, &descent, &gap);
    int baseline = y + int(std::lround(ascent * scale));
    float pen = float(x);
    for (size_t i = 0; i < text.size(); ++i) {
        int ch = (unsigned char)text[i];
        int adv, lsb, x0, y0, x1, y1;
        stbtt_GetCodepointHMetrics(&info_, ch, &adv, &lsb);
        stbtt_GetCodepointBitmapBox(&info_, ch, scale, scale, &x0, &y0, &x1, &y1);
        int w = x1 - x0, h = y1 - y0;
        if (w > 0 && h > 0) {
            std::vector<unsigned char> glyph(size_t(w) * h);
            stbtt_MakeCodepointBitmap(&info_, glyph.data(), w, h, w, scale, scale, ch);
            int gx = int(std::lround(pen)) + x0, gy = baseline + y0;
            for (int j = 0; j < h; ++j)
                for (int k = 0; k < w; ++k)
                    if (glyph[j * w + k]) img.blend(gx + k, gy + j, WithAlpha(colour, colour.a * glyph[j * w + k] / 255));
        }
        pen += adv * scale;
        if (i + 1 < text.size()) pen += scale * stbtt_GetCodepointKernAdvance(&info_, ch, (unsigned char)text[i + 1]);
    }
    return int(std::lround(pen)) - x;
}

void Font::DrawCentred(Image& img, const std::string& text, int cx, int y, float pixelHeight, Rgba colour) const
{
    Draw(img, text, cx - Measure(text, pixelHeight) / 2, y, pixelHeight, colour);
}
