#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Every content name table (textures, programs, emitters ...) hashes its keys with 64-bit FNV-1a.
// The hasher is transparent so a per-frame lookup by string_view or C string allocates nothing.
struct NameHash {
    using is_transparent = void;

    static constexpr std::uint64_t kOffsetBasis = 0xcbf29ce484222325ULL;
    static constexpr std::uint64_t kPrime = 0x100000001b3ULL;

    static constexpr std::uint64_t Fnv1a(std::string_view text)
    {
        std::uint64_t hash = kOffsetBasis;
        for (unsigned char c : text) {
            hash ^= c;
            hash *= kPrime;
        }
        return hash;
    }

    std::size_t operator()(std::string_view text) const { return static_cast<std::size_t>(Fnv1a(text)); }
    std::size_t operator()(const std::string& text) const { return operator()(std::string_view(text)); }
    std::size_t operator()(const char* text) const { return operator()(std::string_view(text)); }
};
