#include "render/FontAtlas.h"

#include "engine/GlContext.h"

TextureData* CreateFontAtlas(const std::string&)
{
    return nullptr;
}

void DestroyFontAtlas(TextureData*& atlas)
{
    atlas = nullptr;
}
