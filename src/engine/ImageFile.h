#pragma once
#include <memory>
#include <string>

// PNG decoding for textures, font atlases, the window icon and `--check-data`, with one set of
// guards: only regular files are opened, and an image above the pixel budget is refused from its
// header, before the decoder allocates for it (a 1 MB file can claim a 1 GiB picture).
namespace image {

// The largest picture decoded: 4096 x 4096 pixels (the biggest shipped image is 1024 x 1024).
constexpr long long kMaxPixels = 4096LL * 4096LL;
// The reason given for a picture above the budget or above the GPU's texture size.
inline constexpr const char* kTooLarge = "image too large";

struct Decoded {
    std::unique_ptr<unsigned char, void (*)(void*)> pixels{nullptr, nullptr};  // RGBA8
    int width = 0;
    int height = 0;
    int channels = 0;  // channels of the file
    std::string error;  // empty on success
    bool ok() const { return pixels != nullptr; }
};

// Decodes `path` to 8-bit RGBA; `flipRows` puts the bottom row first (what OpenGL wants).
// `maxSide` (0: no limit) refuses an image wider or taller, e.g. the GPU's largest texture.
Decoded Decode(const std::string& path, bool flipRows, int maxSide = 0);

}  // namespace image
