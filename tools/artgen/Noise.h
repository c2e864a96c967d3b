#pragma once
#include <cstdint>

// Seeded, repeatable randomness: every texture derives its noise from fixed seeds so each build
// writes the same bytes.
namespace noise {

uint32_t Hash(int x, int y, uint32_t seed);
float Rand01(int x, int y, uint32_t seed);  // 0..1 from a lattice point

// Smooth value noise that repeats every `period` lattice cells (period > 0), for seamless tiles.
float Value(float x, float y, int period, uint32_t seed);
// Sum of octaves of Value, each twice the frequency and half the weight; result roughly 0..1.
float Fractal(float x, float y, int period, int octaves, uint32_t seed);

// A tiny sequential generator for scattering details.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    uint32_t next();
    float unit();                 // 0..1
    int range(int lo, int hi);    // inclusive
private:
    uint32_t state_;
};

}  // namespace noise
