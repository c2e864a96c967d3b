// The missing-texture pattern and the mouse pointer.
#include "Catalogue.h"
#include "Palette.h"

namespace {
Image MissingTexture()
{
    // Black and warning-yellow checks with a question mark: nothing else in the game looks like it.
    Image img(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) img.set(x, y, ((x / 16 + y / 16) & 1) ? pal::ink : pal::gold);
    static const char* mark[] = {".kkkk.", "kk..kk", "....kk", "...kk.", "..kk..", "..kk..", "......", "..kk.."};
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 6; ++i)
            if (mark[j][i] == 'k') img.rect(20 + i * 4, 16 + j * 4, 4, 4, pal::red);
    return img;
}
}  // namespace

void AddFallbacks(Catalogue& c)
{
    c.Add("default", [](const ArtContext&) { return MissingTexture(); });
    c.Add("Default_Cursor", [](const ArtContext& a) { return a.maps.Get("Default_Cursor").scaled(2); });
}
