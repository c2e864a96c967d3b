#pragma once
#include "Catalogue.h"
#include "Palette.h"

// The five elements in the game's numbering (0 normal, 1 fire, 2 water, 3 earth, 4 wind) with
// their colours and symbols, shared by tokens, cards, projectiles and icons.
namespace element {

constexpr int kCount = 5;
const pal::Ramp& Colours(int element);
const char* SymbolName(int element);  // pixel map name, e.g. "Symbol_Fire"

// Paints a mask (white body, ink inner lines) enlarged by `scale`, in `fill` with a light edge on
// its upper-left, `inner` for its inner lines and a `line` outline around it.
void DrawIcon(Image& img, const Image& mask, int x, int y, int scale, Rgba fill, Rgba light, Rgba inner, Rgba line);
inline void DrawSymbol(Image& img, const Image& mask, int x, int y, Rgba fill, Rgba light, Rgba line)
{
    DrawIcon(img, mask, x, y, 1, fill, light, line, line);
}

// A round element token (32 x 32, before doubling); element -1 is the spent, empty socket.
Image Token(const ArtContext& a, int element);

}  // namespace element
