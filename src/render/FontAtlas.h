#pragma once
#include <string>

struct TextureData;

// The font's own atlas texture ("./Assets/<name>.png", one frame, clamped, mipmapped), made
// outside the texture library. nullptr without a GL context.
TextureData* CreateFontAtlas(const std::string& textureName);
void DestroyFontAtlas(TextureData*& atlas);
