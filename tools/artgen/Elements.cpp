#include "Elements.h"

#include "Paint.h"

using namespace pal;

namespace element {

const Ramp& Colours(int e)
{
    static const Ramp ramps[kCount] = {
        {slate, mist, pale, white},
        {brick, flame, orange, gold},
        {navy, blue, sky, ice},
        {olive0, olive1, olive2, lime},
        {teal0, teal1, teal3, teal4},
    };
    return ramps[(e >= 0 && e < kCount) ? e : 0];
}

const char* SymbolName(int e)
{
    static const char* names[kCount] = {"Symbol_Normal", "Symbol_Fire", "Symbol_Water", "Symbol_Earth", "Symbol_Wind"};
    return names[(e >= 0 && e < kCount) ? e : 0];
}

void DrawIcon(Image& img, const Image& mask, int x, int y, int scale, Rgba fill, Rgba light, Rgba inner, Rgba line)
{
    auto body = [&](int i, int j) { return mask.get(i, j).a && mask.get(i, j).r > 128; };
    Image layer(mask.width() * scale + 2, mask.height() * scale + 2);
    for (int j = 0; j < mask.height(); ++j)
        for (int i = 0; i < mask.width(); ++i) {
            if (!mask.get(i, j).a) continue;
            Rgba c = !body(i, j) ? inner : ((!mask.get(i - 1, j).a || !mask.get(i, j - 1).a) ? light : fill);
            layer.rect(1 + i * scale, 1 + j * scale, scale, scale, c);
        }
    layer.outline(line);
    img.blit(layer, x - 1, y - 1);
}

Image Token(const ArtContext& a, int e)
{
    Image img(32, 32);
    paint::GroundShadow(img, 16, 28, 10, 3);
    if (e < 0) {
        // A spent token: a dull stone socket with a hollow centre.
        paint::ShadedEllipse(img, 16, 15, 11, 11, {dusk, slate, lilac, mist});
        paint::ShadedEllipse(img, 16.5f, 15.5f, 6.5f, 6.5f, {mist, lilac, slate, dusk});
        img.outline(ink);
        return img;
    }
    const Ramp& r = Colours(e);
    paint::ShadedEllipse(img, 16, 15, 12, 12, {ink, r[0], r[1], r[2]});
    paint::ShadedEllipse(img, 16, 15, 9.5f, 9.5f, {r[0], r[1], r[2], r[3]});
    // Gold rim studs mark it as treasure.
    for (int i = 0; i < 4; ++i) {
        static const int sx[4] = {16, 27, 16, 4}, sy[4] = {4, 15, 26, 15};
        img.set(sx[i], sy[i], gold);
        img.set(sx[i] - (i == 1 ? 1 : 0) + (i == 3 ? 1 : 0), sy[i] + (i == 0 ? 1 : 0) - (i == 2 ? 1 : 0), honey);
    }
    DrawSymbol(img, a.maps.Get(SymbolName(e)), 11, 10, white, white, r[0]);
    img.set(10, 7, white);
    img.set(9, 8, white);
    img.outline(ink);
    return img;
}

}  // namespace element
