#pragma once
#include "render/ParticleEffect.h"
#include "render/ParticlePool.h"

// Where the emitter stands when it launches a particle.
struct EmitterPlacement {
    float x = 0.0f;
    float y = 0.0f;
    float rotationDegrees = 0.0f;
};

// The spawning and motion of one emitter's particles, without any drawing: picks the effect,
// owns the pool, paces launches by the effect's spawn rule and ages the particles.
class ParticleSpawner {
public:
    // Uses `effect` (not owned; nullptr = none chosen) and rebuilds the pool for it.
    void SetEffect(const Effect* effect);
    const Effect* Current() const { return current; }

    // Counts the spawn timer down and launches what the spawn rule allows (unless paused).
    void SpawnStep(float dt, const EmitterPlacement& placement, bool spawningPaused);
    // Moves every live particle and returns the dead ones to the free list.
    void Age(float dt);
    // Both steps, for owners with nothing to do in between.
    void Update(float dt, const EmitterPlacement& placement, bool spawningPaused)
    {
        SpawnStep(dt, placement, spawningPaused);
        Age(dt);
    }
    // Launches the particle at the front of the free list; false when none is free.
    bool Launch(const EmitterPlacement& placement);

    void Stop() { stopped = true; }
    void Start() { stopped = false; }
    bool Stopped() const { return stopped; }
    bool Armed() const { return armed; }
    float SpawnTimer() const { return spawnTimer; }
    int ActiveCount() const { return pool.Size() - pool.FreeCount(); }

    ParticlePool pool;
    ParticleRandom random;

private:
    void Spawn(const EmitterPlacement& placement);
    float U(const Range& range) { return random.Uniform(range.min, range.max); }

    const Effect* current = nullptr;
    bool stopped = false;
    bool armed = false;
    float spawnTimer = 0.0f;
};
