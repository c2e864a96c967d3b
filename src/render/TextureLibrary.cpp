#include "render/TextureLibrary.h"

#include <algorithm>
#include <cstdio>

#include <glad/gl.h>

#include "engine/GlContext.h"
#include "engine/ImageFile.h"
#include "engine/Log.h"
#include "engine/RegularFile.h"
#include "render/TextureList.h"

TextureData::~TextureData()
{
    if (id && gl_context::Available()) glDeleteTextures(1, &id);
}

std::uint32_t TextureLibrary::UploadFormat(int fileChannels)
{
    return fileChannels == 3 ? GL_RGB : GL_RGBA;
}

bool TextureLibrary::add_texture(const std::string& name, bool repeat, int rows, int columns, bool mipmap)
{
    std::string path = assetDirectory + name + ".png";
    if (!files::IsRegular(path)) {
        print("! - add_texture() Could Not Find File");
        return false;
    }
    // Sprites and fonts hold the entry by pointer, so a name added again is refilled in place.
    std::unique_ptr<TextureData>& slot = textures[name];
    if (!slot) slot = std::make_unique<TextureData>();
    TextureData& texture = *slot;
    if (texture.id && gl_context::Available()) glDeleteTextures(1, &texture.id);
    texture.id = 0;
    texture.width = texture.height = texture.channels = 0;
    texture.name = name;
    texture.repeat = repeat;
    // A sheet has at least one cell each way and never more cells than an image can have pixels,
    // so the shaders' rows x columns stays a positive int.
    texture.rows = std::clamp(rows, 1, kMaxDimension);
    texture.columns = std::clamp(columns, 1, kMaxDimension);
    upload(texture, path, mipmap);
    return true;
}

void TextureLibrary::upload(TextureData& texture, const std::string& path, bool mipmap)
{
    // PNG rows are stored top first; OpenGL wants the bottom row first.
    image::Decoded picture = image::Decode(path, true, MaxTextureSide());
    if (!picture.ok()) {
        print("Cannot load texture");
        print(picture.error);
    } else {
        texture.width = picture.width;
        texture.height = picture.height;
        texture.channels = picture.channels;
    }
    if (gl_context::Available()) {
        glGenTextures(1, &texture.id);
        glBindTexture(GL_TEXTURE_2D, texture.id);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        if (picture.ok()) {
            glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(UploadFormat(picture.channels)), picture.width,
                         picture.height, 0, GL_RGBA, GL_UNSIGNED_BYTE, picture.pixels.get());
            if (mipmap) glGenerateMipmap(GL_TEXTURE_2D);
        }
        GLint wrap = texture.repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmap ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
}

int TextureLibrary::MaxTextureSide()
{
    // The GPU's own limit once there is one; the sheet limit without a context.
    if (!gl_context::Available()) return kMaxDimension;
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    return side > 0 ? side : kMaxDimension;
}

TextureData* TextureLibrary::find(const std::string& name) const
{
    auto it = textures.find(name);
    return it == textures.end() ? nullptr : it->second.get();
}

TextureData* TextureLibrary::grab_texture(const std::string& name)
{
    if (TextureData* texture = find(name)) return texture;
    print("!! - grab_texture() Could Not Find Texture: ", name);
    if (TextureData* fallback = find("default")) return fallback;
    return &missing;
}

void TextureLibrary::loadList(const std::string& listName)
{
    std::string path = dataDirectory + listName + ".json";
    TextureList list = TextureList::FromFile(path);
    if (list.status == TextureList::Status::NotFound) {
        print("!!! - TextureLibrary Could Not Find json File ", path);
        return;
    }
    if (list.status == TextureList::Status::Unparsable) {
        print("!!! - TextureLibrary Could Not Parse json File ");
        return;
    }
    for (int i = 0; i < list.invalidEntries; ++i) print("!!! - TextureLibrary Found An Invalid Texture ");
    for (const auto& entry : list.entries) add_texture(entry.name, entry.repeat, entry.rows, entry.columns, entry.mipmap);
}

std::uint32_t TextureLibrary::whiteTexture()
{
    if (white || !gl_context::Available()) return white;
    const unsigned char pixel[4] = {255, 255, 255, 255};
    glGenTextures(1, &white);
    glBindTexture(GL_TEXTURE_2D, white);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    return white;
}

TextureLibrary::~TextureLibrary()
{
    if (white && gl_context::Available()) glDeleteTextures(1, &white);
}
