#include "render/ParticlePool.h"

#include <algorithm>

void ParticlePool::Reset(int count)
{
    count = std::clamp(count, 0, kMaxPoolParticles);
    particles.assign(static_cast<size_t>(count), Particle{});
    freeQueue.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) freeQueue[static_cast<size_t>(i)] = i;
    head = 0;
    freeCount = count;
}

int ParticlePool::TakeFront()
{
    if (freeCount == 0) return -1;
    int index = freeQueue[static_cast<size_t>(head)];
    head = (head + 1) % Size();
    --freeCount;
    return index;
}

void ParticlePool::ReturnBack(int index)
{
    if (freeCount >= Size()) return;
    freeQueue[static_cast<size_t>((head + freeCount) % Size())] = index;
    ++freeCount;
}

std::uint32_t ParticleRandom::Next32()
{
    // xorshift64*: small, fast and good enough for where a spark flies.
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return static_cast<std::uint32_t>((state * 0x2545F4914F6CDD1Dull) >> 32);
}

float ParticleRandom::Uniform(float a, float b)
{
    const double r = static_cast<double>(Next32()) * (1.0 / 4294967296.0);
    return static_cast<float>(a + r * (static_cast<double>(b) - a));
}
