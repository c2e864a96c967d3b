#include "render/ParticleSpawner.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDegToRad = 0.017453292f;
constexpr float kTwoPi = 6.28318530718f;

void Normalise(float& x, float& y)
{
    float length = std::sqrt(x * x + y * y);
    if (length > 0.0f) {
        x /= length;
        y /= length;
    }
}

}  // namespace

void ParticleSpawner::SetEffect(const Effect* effect)
{
    current = effect;
    stopped = false;
    armed = true;
    spawnTimer = effect ? U(effect->rate) : 0.0f;
    pool.Reset(effect ? effect->maxParticles : 0);
}

bool ParticleSpawner::Launch(const EmitterPlacement& at)
{
    if (!current) return false;
    const int index = pool.TakeFront();
    if (index < 0) return false;
    Particle& p = pool[index];
    if (p.active) return false;
    const Effect& e = *current;
    p.active = 1;
    p.life = p.lifeSpan = U(e.life);
    const ColorPair pair = e.colorPairs.empty()
                               ? ColorPair{}
                               : e.colorPairs[random.Next32() % static_cast<std::uint32_t>(e.colorPairs.size())];
    for (int i = 0; i < 4; ++i) {
        p.startColor[i] = pair.start[static_cast<size_t>(i)];
        p.endColor[i] = pair.end[static_cast<size_t>(i)];
    }
    const float theta = at.rotationDegrees * kDegToRad;
    switch (e.positionType) {
    case PositionType::Circle: {
        const float phi = random.Uniform(0.0f, kTwoPi);
        const float radius = std::sqrt(random.Uniform(0.0f, 1.0f));
        p.position[0] = at.x + std::cos(phi) * radius * (e.xMax - e.xMin) / 2.0f;
        p.position[1] = at.y + std::sin(phi) * radius * (e.yMax - e.yMin) / 2.0f;
        break;
    }
    case PositionType::Box:
        p.position[0] = random.Uniform(e.xMin, e.xMax);
        p.position[1] = random.Uniform(e.yMin, e.yMax);
        break;
    default:
        p.position[0] = at.x;
        p.position[1] = at.y;
    }
    p.rotation = U(e.rotation);
    p.scale = U(e.scale);
    float dx = std::cos(theta), dy = std::sin(theta);
    switch (e.launchType) {
    case LaunchType::Outward: dx = p.position[0] - at.x; dy = p.position[1] - at.y; break;
    case LaunchType::Inward: dx = at.x - p.position[0]; dy = at.y - p.position[1]; break;
    case LaunchType::Backward: dx = -dx; dy = -dy; break;
    case LaunchType::Upward: dx = -std::sin(theta); dy = std::cos(theta); break;
    case LaunchType::Downward: dx = std::sin(theta); dy = -std::cos(theta); break;
    default: break;
    }
    Normalise(dx, dy);
    const float speed = U(e.speed);
    p.velocity[0] = dx * speed;
    p.velocity[1] = dy * speed;
    p.rotationalVelocity = U(e.rotationalVelocity);
    p.acceleration[0] = U(e.accelerationX);
    p.acceleration[1] = U(e.accelerationY);
    return true;
}

void ParticleSpawner::Spawn(const EmitterPlacement& at)
{
    const Effect& e = *current;
    switch (e.spawnType) {
    case SpawnType::One_By_One:
        if (spawnTimer < 0.0f && pool.FreeCount() > 0) {
            Launch(at);
            spawnTimer = U(e.rate);
        }
        break;
    case SpawnType::N_By_N:
        if (spawnTimer < 0.0f && e.n >= 1 && pool.FreeCount() >= e.n) {
            for (int i = 0; i < e.n; ++i) {
                Launch(at);
                spawnTimer = U(e.rate);
            }
        }
        break;
    case SpawnType::All_At_Once:
        if (spawnTimer < 0.0f) {
            while (pool.FreeCount() > 0) Launch(at);
            spawnTimer = U(e.rate);
        }
        break;
    case SpawnType::Once_All_Done:
        if (pool.AllFree()) {
            while (pool.FreeCount() > 0) Launch(at);
            spawnTimer = U(e.rate);
        }
        break;
    case SpawnType::One_And_Done:
        if (armed) {
            while (pool.FreeCount() > 0) Launch(at);
            armed = false;
        }
        break;
    }
}

void ParticleSpawner::Age(float dt)
{
    const float growth = current ? std::exp(current->scaleMul * dt) : 1.0f;
    for (int i = 0; i < pool.Size(); ++i) {
        Particle& p = pool[i];
        if (!p.active) continue;
        p.velocity[0] += p.acceleration[0] * dt;
        p.velocity[1] += p.acceleration[1] * dt;
        p.position[0] += p.velocity[0] * dt;
        p.position[1] += p.velocity[1] * dt;
        p.rotation += p.rotationalVelocity * dt;
        // Growing particles stop at the largest value a file may give, instead of overflowing.
        p.scale = std::clamp(p.scale * growth, -kParticleValueLimit, kParticleValueLimit);
        p.life -= dt;
        if (p.life < 0.0f) {
            p.active = 0;
            pool.ReturnBack(i);
        }
    }
}

void ParticleSpawner::SpawnStep(float dt, const EmitterPlacement& placement, bool spawningPaused)
{
    spawnTimer -= dt;
    if (!spawningPaused && current && !stopped) Spawn(placement);
}
