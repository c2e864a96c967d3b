// The projectile images point up: the launch turns a sprite by its flight angle minus 90 degrees,
// so a sprite pointing anywhere else would fly sideways.
#include <stb_image.h>

#include <gtest/gtest.h>

namespace {

TEST(ProjectileArt, HeadUpTrailDown)
{
    for (const char* element : {"Normal", "Fire", "Water", "Earth", "Wind"}) {
        const std::string path = std::string("./Assets/Projectile_") + element + ".png";
        int w = 0, h = 0, channels = 0;
        // Rows as stored (row 0 at the top); the texture library turns the flip on for OpenGL.
        stbi_set_flip_vertically_on_load(0);
        unsigned char* pixels = stbi_load(path.c_str(), &w, &h, &channels, 4);
        stbi_set_flip_vertically_on_load(1);
        ASSERT_NE(pixels, nullptr) << path;
        // The head is the densest opaque part: count strongly opaque pixels per half (row 0 is the top).
        long upper = 0, lower = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (pixels[(y * w + x) * 4 + 3] > 200) (y < h / 2 ? upper : lower) += 1;
        stbi_image_free(pixels);
        EXPECT_GT(upper, lower * 2) << element;
    }
}

}  // namespace
