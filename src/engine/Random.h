#pragma once
#include <cstdint>

// The battle's shared random source, built on the C library's rand() so one srand() at start-up
// (or in a test) replays a whole battle: maps, tokens, spells and the computer player draw here.
// Particles and the camera shake keep their own sources so effects never change a battle's rolls.

// Four rand() calls, each reduced modulo 255, as bytes 0..3 (first call in the lowest byte).
std::uint32_t RandomU32();

// lo + RandomU32() mod (hi - lo + 1). Returns lo when hi < lo.
std::int32_t RandomInt(std::int32_t lo, std::int32_t hi);

// Seeds the source (srand).
void SeedRandom(unsigned seed);
