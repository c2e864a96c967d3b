// Rasterises printable ASCII (32..126) of a TrueType/OpenType font into one square white-on-clear
// atlas and writes the glyph table the game's font loader reads.
//
// Every glyph cell is one full line tall (ascent to descent) and one advance wide, so the text
// layout can place cells edge to edge with the advance as the pen step. Values in the table are
// fractions of the atlas size: the layout multiplies them by 1024/98 and the text scale, so a
// cell of kCellPx pixels in a kAtlasPx atlas becomes a quad exactly one text-scale unit tall.
#include <stb_image_write.h>
#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kAtlasPx = 1024;
constexpr int kCellPx = 98;
// Clear pixels between cells so mipmap levels do not bleed one glyph into its neighbour.
constexpr int kGutterPx = 8;
constexpr int kFirst = 32;
constexpr int kLast = 126;

struct Cell {
    int c = 0;
    int x = 0, y = 0, width = 0;  // atlas pixels, y from the top of the image
    int drawLeft = 0;             // how far the pen origin sits right of the cell's left edge
};

bool ReadFile(const std::string& path, std::vector<unsigned char>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !out.empty();
}

std::string Fraction(int pixels)
{
    // Always written with a fraction: the loader rejects integer literals.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.10f", static_cast<double>(pixels) / kAtlasPx);
    return buffer;
}

std::string Key(int c)
{
    if (c == '"') return "\\\"";
    if (c == '\\') return "\\\\";
    return std::string(1, static_cast<char>(c));
}

class AtlasBuilder {
public:
    explicit AtlasBuilder(const stbtt_fontinfo& font) : font(font), pixels(kAtlasPx * kAtlasPx, 0)
    {
        scale = stbtt_ScaleForPixelHeight(&font, static_cast<float>(kCellPx));
        int ascent = 0, descent = 0, gap = 0;
        stbtt_GetFontVMetrics(&font, &ascent, &descent, &gap);
        baselineFromTop = static_cast<int>(std::lround(ascent * scale));
    }

    bool Build(std::vector<Cell>& cells)
    {
        int penX = kGutterPx, penY = kGutterPx;
        for (int c = kFirst; c <= kLast; ++c) {
            Cell cell = Measure(c);
            if (penX + cell.width + kGutterPx > kAtlasPx) {
                penX = kGutterPx;
                penY += kCellPx + kGutterPx;
            }
            if (penY + kCellPx + kGutterPx > kAtlasPx) return false;
            cell.x = penX;
            cell.y = penY;
            Draw(cell);
            cells.push_back(cell);
            penX += cell.width + kGutterPx;
        }
        return true;
    }

    int Baseline() const { return kCellPx - baselineFromTop; }
    const std::vector<unsigned char>& Coverage() const { return pixels; }

private:
    Cell Measure(int c) const
    {
        int advance = 0, bearing = 0, x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        stbtt_GetCodepointHMetrics(&font, c, &advance, &bearing);
        stbtt_GetCodepointBitmapBox(&font, c, scale, scale, &x0, &y0, &x1, &y1);
        int advancePx = static_cast<int>(std::lround(advance * scale));
        // Widen the cell where ink hangs past the advance so no stroke is cut off.
        int left = std::min(0, x0);
        int right = std::max(advancePx, x1);
        Cell cell;
        cell.c = c;
        cell.width = std::max(1, right - left);
        cell.drawLeft = -left;
        return cell;
    }

    void Draw(const Cell& cell)
    {
        int w = 0, h = 0, xoff = 0, yoff = 0;
        unsigned char* bitmap = stbtt_GetCodepointBitmap(&font, scale, scale, cell.c, &w, &h, &xoff, &yoff);
        if (!bitmap) return;
        for (int row = 0; row < h; ++row) {
            int cy = baselineFromTop + yoff + row;
            if (cy < 0 || cy >= kCellPx) continue;
            for (int col = 0; col < w; ++col) {
                int cx = cell.drawLeft + xoff + col;
                if (cx < 0 || cx >= cell.width) continue;
                unsigned char& out = pixels[(cell.y + cy) * kAtlasPx + cell.x + cx];
                out = std::max(out, bitmap[row * w + col]);
            }
        }
        stbtt_FreeBitmap(bitmap, nullptr);
    }

    const stbtt_fontinfo& font;
    std::vector<unsigned char> pixels;
    float scale = 1.0f;
    int baselineFromTop = 0;
};

bool WritePng(const std::string& path, const std::vector<unsigned char>& coverage)
{
    std::vector<unsigned char> rgba(coverage.size() * 4);
    for (size_t i = 0; i < coverage.size(); ++i) {
        rgba[i * 4 + 0] = 255;
        rgba[i * 4 + 1] = 255;
        rgba[i * 4 + 2] = 255;
        rgba[i * 4 + 3] = coverage[i];
    }
    return stbi_write_png(path.c_str(), kAtlasPx, kAtlasPx, 4, rgba.data(), kAtlasPx * 4) != 0;
}

bool WriteTable(const std::string& path, const std::vector<Cell>& cells, int baselinePx)
{
    std::ofstream out(path, std::ios::trunc);
    if (!out) return false;
    out << "{\n";
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = cells[i];
        out << "    \"" << Key(cell.c) << "\": {\"text\": \"" << Key(cell.c) << "\", \"x\": " << Fraction(cell.x)
            << ", \"y\": " << Fraction(cell.y) << ", \"width\": " << Fraction(cell.width)
            << ", \"height\": " << Fraction(kCellPx) << ", \"baseline\": " << Fraction(baselinePx) << "}"
            << (i + 1 < cells.size() ? ",\n" : "\n");
    }
    out << "}\n";
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: fontgen FONT_FILE OUT_PNG OUT_JSON\n");
        return 2;
    }
    std::vector<unsigned char> data;
    if (!ReadFile(argv[1], data)) {
        std::fprintf(stderr, "fontgen: cannot read %s\n", argv[1]);
        return 1;
    }
    stbtt_fontinfo font;
    if (!stbtt_InitFont(&font, data.data(), stbtt_GetFontOffsetForIndex(data.data(), 0))) {
        std::fprintf(stderr, "fontgen: %s is not a font stb_truetype understands\n", argv[1]);
        return 1;
    }
    AtlasBuilder builder(font);
    std::vector<Cell> cells;
    if (!builder.Build(cells)) {
        std::fprintf(stderr, "fontgen: glyphs do not fit a %dx%d atlas\n", kAtlasPx, kAtlasPx);
        return 1;
    }
    for (const char* path : {argv[2], argv[3]}) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    }
    if (!WritePng(argv[2], builder.Coverage()) || !WriteTable(argv[3], cells, builder.Baseline())) {
        std::fprintf(stderr, "fontgen: cannot write the atlas\n");
        return 1;
    }
    return 0;
}
