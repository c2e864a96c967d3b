#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Hard ceiling on one emitter's pool, whatever a particle file asks for ("max_particles" of two
// billion included): 16384 particles are 1.25 MiB of records on the CPU and the GPU each.
constexpr int kMaxPoolParticles = 16384;

// One particle as the particle shader reads it from the storage buffer (80 bytes, packed).
// `lifeSpan` (the life the particle was launched with) lets the shader fade by remaining life.
struct Particle {
    float position[2];
    float rotation;
    float scale;
    float velocity[2];
    float rotationalVelocity;
    float acceleration[2];
    float startColor[4];
    float endColor[4];
    float lifeSpan;
    float life;
    std::uint8_t active;
    std::uint8_t padding[3];
};
static_assert(sizeof(Particle) == 80, "the particle shader reads 80-byte records");

// A fixed pool of particles and the queue of free ones. Storage is sized once per Reset; taking
// and returning particles never allocates.
class ParticlePool {
public:
    // Rebuilds the pool with `count` inactive particles (clamped to 0..kMaxPoolParticles), all free.
    void Reset(int count);

    int Size() const { return static_cast<int>(particles.size()); }
    int FreeCount() const { return freeCount; }
    bool AllFree() const { return freeCount == Size(); }

    // Index of the particle at the front of the free queue, removed from it; -1 when none is free.
    int TakeFront();
    // Puts a particle that died back at the end of the free queue.
    void ReturnBack(int index);

    Particle& operator[](int index) { return particles[static_cast<std::size_t>(index)]; }
    const Particle& operator[](int index) const { return particles[static_cast<std::size_t>(index)]; }
    const Particle* Data() const { return particles.data(); }

private:
    std::vector<Particle> particles;
    std::vector<int> freeQueue;  // ring buffer of indices, capacity = pool size
    int head = 0;
    int freeCount = 0;
};

// The particles' own random source: seeded, so tests can replay a run, and independent of the
// battle's shared source so effects never change what the battle rolls.
class ParticleRandom {
public:
    explicit ParticleRandom(std::uint64_t seed = 0x9E3779B97F4A7C15ull) { Seed(seed); }
    void Seed(std::uint64_t seed) { state = seed ? seed : 0x9E3779B97F4A7C15ull; }
    std::uint32_t Next32();
    // a + r (b - a) with r = Next32() x 2^-32, so r lies in [0, 1).
    float Uniform(float a, float b);

private:
    std::uint64_t state;
};
