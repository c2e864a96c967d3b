#include "engine/Random.h"

#include <cstdlib>

std::uint32_t RandomU32()
{
    std::uint32_t value = 0;
    for (int byte = 0; byte < 4; ++byte) {
        const auto part = static_cast<std::uint32_t>(std::rand() % 255);
        value |= part << (8 * byte);
    }
    return value;
}

std::int32_t RandomInt(std::int32_t lo, std::int32_t hi)
{
    if (hi <= lo) return lo;
    // Span in 64 bits: hi - lo + 1 can exceed the 32-bit range.
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
    return static_cast<std::int32_t>(lo + static_cast<std::int64_t>(RandomU32() % span));
}

void SeedRandom(unsigned seed)
{
    std::srand(seed);
}
