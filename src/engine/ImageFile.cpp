#include "engine/ImageFile.h"

#include <cstdio>

#include <stb_image.h>

#include "engine/RegularFile.h"

namespace image {

Decoded Decode(const std::string& path, bool flipRows, int maxSide)
{
    Decoded result;
    std::FILE* file = files::OpenRegularStream(path);
    if (!file) {
        result.error = "can't fopen";
        return result;
    }
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_file(file, &width, &height, &channels)) {
        result.error = stbi_failure_reason() ? stbi_failure_reason() : "unknown image error";
    } else if (static_cast<long long>(width) * height > kMaxPixels ||
               (maxSide > 0 && (width > maxSide || height > maxSide))) {
        result.error = kTooLarge;
    } else {
        stbi_set_flip_vertically_on_load(flipRows ? 1 : 0);
        unsigned char* pixels = stbi_load_from_file(file, &width, &height, &channels, 4);
        if (pixels) {
            result.pixels = {pixels, stbi_image_free};
            result.width = width;
            result.height = height;
            result.channels = channels;
        } else {
            result.error = stbi_failure_reason() ? stbi_failure_reason() : "unknown image error";
        }
    }
    std::fclose(file);
    return result;
}

}  // namespace image
