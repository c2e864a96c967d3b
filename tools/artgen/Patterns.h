#pragma once
#include <array>
#include <cstdint>

#include "Image.h"
#include "Palette.h"

// Seamless procedural patterns shared by the terrain tiles and the backdrops.
namespace pattern {

using Ramp5 = std::array<Rgba, 5>;

// Noise mottling: a ramp picked by fractal noise with dithering. `cells` lattice cells span the image.
Image Mottle(int w, int h, const pal::Ramp& ramp, int cells, uint32_t seed, float contrast = 1.0f);
// Distance to the border between wrapped Worley cells (0 on a crack), for cracked ground and slabs.
float CrackDistance(int x, int y, int w, int h, int cells, uint32_t seed, int* cellId = nullptr);
// Draws cracks of the given width and colour over img, optionally a glow colour beside them.
void Cracks(Image& img, int cells, uint32_t seed, float width, Rgba colour);
// Sprinkles n single pixels (or 2-pixel strokes when tall) from a small colour set.
void Speckle(Image& img, int n, uint32_t seed, Rgba a, Rgba b, bool tall = false);
// The rim that makes tiles read as a grid: light top-left edges, dark bottom-right edges.
void TileRim(Image& img);

}  // namespace pattern
