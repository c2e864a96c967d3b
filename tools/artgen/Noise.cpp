#include "Noise.h"

#include <cmath>

namespace noise {

uint32_t Hash(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u ^ uint32_t(x) * 0x85EBCA77u ^ uint32_t(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float Rand01(int x, int y, uint32_t seed) { return (Hash(x, y, seed) & 0xFFFFFF) / float(0xFFFFFF); }

float Value(float x, float y, int period, uint32_t seed)
{
    int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    float fx = x - x0, fy = y - y0;
    auto w = [period](int v) { return ((v % period) + period) % period; };
    auto s = [](float t) { return t * t * (3 - 2 * t); };
    float a = Rand01(w(x0), w(y0), seed), b = Rand01(w(x0 + 1), w(y0), seed);
    float c = Rand01(w(x0), w(y0 + 1), seed), d = Rand01(w(x0 + 1), w(y0 + 1), seed);
    float u = s(fx), v = s(fy);
    return (a + (b - a) * u) * (1 - v) + (c + (d - c) * u) * v;
}

float Fractal(float x, float y, int period, int octaves, uint32_t seed)
{
    float sum = 0, weight = 0.5f, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += Value(x, y, period, seed + o * 101u) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        period *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

uint32_t Rng::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

float Rng::unit() { return (next() & 0xFFFFFF) / float(0xFFFFFF); }

int Rng::range(int lo, int hi) { return hi <= lo ? lo : lo + int(next() % uint32_t(hi - lo + 1)); }

}  // namespace noise
