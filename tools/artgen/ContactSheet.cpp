#include "ContactSheet.h"

#include <algorithm>
#include <cmath>

#include "Palette.h"

namespace {
constexpr int kCell = 176, kPreview = 160, kLabel = 34, kColumns = 11;
}

namespace {
// Long strips of frames are folded into a squarer grid so every frame stays visible.
Image Folded(const Entry& e, const Image& img)
{
    int n = e.rows * e.columns;
    if (n <= 1) return img;
    int cw = img.width() / e.columns, ch = img.height() / e.rows;
    int cols = std::max(1, int(std::lround(std::sqrt(double(n) * ch / cw))));
    int rows = (n + cols - 1) / cols;
    Image out(cols * (cw + 2), rows * (ch + 2));
    for (int i = 0; i < n; ++i)
        out.paste(img.crop((i % e.columns) * cw, (i / e.columns) * ch, cw, ch), (i % cols) * (cw + 2), (i / cols) * (ch + 2));
    return out;
}
}  // namespace

void ContactSheet::Add(const Entry& e, const Image& original)
{
    Image img = Folded(e, original);
    float s = std::min(float(kPreview) / img.width(), float(kPreview) / img.height());
    int w = std::max(1, int(img.width() * s)), h = std::max(1, int(img.height() * s));
    Image preview = s >= 1 ? img.scaled(std::max(1, int(s))) : img.resized(w, h);
    std::string label = e.name;
    if (e.rows * e.columns > 1) label += "  " + std::to_string(e.rows) + "x" + std::to_string(e.columns);
    cells_.push_back(Cell{label, preview});
}

Image ContactSheet::Render(const Font& font) const
{
    int rows = int(cells_.size() + kColumns - 1) / kColumns;
    Image out(kColumns * kCell, rows * (kCell + kLabel), pal::dusk);
    for (size_t i = 0; i < cells_.size(); ++i) {
        int cx = int(i % kColumns) * kCell, cy = int(i / kColumns) * (kCell + kLabel);
        int ox = cx + (kCell - kPreview) / 2, oy = cy + (kCell - kPreview) / 2;
        for (int y = 0; y < kPreview; ++y)
            for (int x = 0; x < kPreview; ++x)
                out.set(ox + x, oy + y, ((x / 8 + y / 8) & 1) ? Rgba{88, 80, 96, 255} : Rgba{112, 104, 120, 255});
        const Image& p = cells_[i].preview;
        out.blit(p, ox + (kPreview - p.width()) / 2, oy + (kPreview - p.height()) / 2);
        float size = font.Measure(cells_[i].label, 15) > kCell - 4 ? 11.5f : 15.0f;
        font.DrawCentred(out, cells_[i].label, cx + kCell / 2, cy + kCell + 2, size, pal::pale);
    }
    return out;
}
