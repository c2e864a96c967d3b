#pragma once
#include <array>
#include <string>

#include "Image.h"

// The game's one palette: every piece of art picks its colours from here so the set reads as one
// world. Warm browns and reds, deep purple-black outlines, soft greens and teals.
namespace pal {

constexpr Rgba Hex(unsigned v) { return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v), 255}; }

// Greys and darks.
constexpr Rgba ink = Hex(0x2e222f), dusk = Hex(0x3e3546), slate = Hex(0x625565), mauve = Hex(0x966c6c),
               taupe = Hex(0xab947a), plum = Hex(0x694f62), lilac = Hex(0x7f708a), mist = Hex(0x9babb2),
               pale = Hex(0xc7dcd0), white = Hex(0xffffff);
// Reds, oranges, yellows.
constexpr Rgba blood = Hex(0x6e2727), brick = Hex(0xb33831), flame = Hex(0xea4f36), coral = Hex(0xf57d4a),
               crimson = Hex(0xae2334), red = Hex(0xe83b3b), orange = Hex(0xfb6b1d), amber = Hex(0xf79617),
               gold = Hex(0xf9c22b), wine = Hex(0x7a3045), rust = Hex(0x9e4539), clay = Hex(0xcd683d),
               tawny = Hex(0xe6904e), honey = Hex(0xfbb954);
// Olives and greens.
constexpr Rgba olive0 = Hex(0x4c3e24), olive1 = Hex(0x676633), olive2 = Hex(0xa2a947), lime = Hex(0xd5e04b),
               cream = Hex(0xfbff86), pine = Hex(0x165a4c), leaf = Hex(0x239063), green = Hex(0x1ebc73),
               grass = Hex(0x91db69), moss = Hex(0xcddf6c), charcoal = Hex(0x313638), sage0 = Hex(0x374e4a),
               sage1 = Hex(0x547e64), sage2 = Hex(0x92a984), sage3 = Hex(0xb2ba90);
// Teals and blues.
constexpr Rgba teal0 = Hex(0x0b5e65), teal1 = Hex(0x0b8a8f), teal2 = Hex(0x0eaf9b), teal3 = Hex(0x30e1b9),
               teal4 = Hex(0x8ff8e2), navy = Hex(0x323353), indigo = Hex(0x484a77), blue = Hex(0x4d65b4),
               sky = Hex(0x4d9be6), ice = Hex(0x8fd3ff);
// Purples and pinks.
constexpr Rgba grape0 = Hex(0x45293f), grape1 = Hex(0x6b3e75), grape2 = Hex(0x905ea9), grape3 = Hex(0xa884f3),
               grape4 = Hex(0xeaaded), rose0 = Hex(0x753c54), rose1 = Hex(0xa24b6f), rose2 = Hex(0xcf657f),
               rose3 = Hex(0xed8099), berry = Hex(0x831c5d), cherry = Hex(0xc32454), pink = Hex(0xf04f78),
               salmon = Hex(0xf68181), peach = Hex(0xfca790), skin = Hex(0xfdcbb0);
// Wood and earth browns.
constexpr Rgba bark0 = Hex(0x4a2f28), bark1 = Hex(0x6b4434), bark2 = Hex(0x8f5f43), bark3 = Hex(0xb5835a);

// Team colour: pure magenta shades that the sprite shader replaces by the player's colour.
constexpr Rgba Team(int shade) { return {uint8_t(shade), 0, uint8_t(shade), 255}; }

// A four-step ramp from shadow to highlight, used by the shaded shapes.
using Ramp = std::array<Rgba, 4>;
constexpr Ramp teamRamp{Team(96), Team(150), Team(205), Team(255)};

// Finds a colour by its name (used by the pixel-map palette file); false when unknown.
bool ByName(const std::string& name, Rgba& out);

}  // namespace pal
