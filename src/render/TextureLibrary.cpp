#include "render/TextureLibrary.h"

#include <algorithm>
#include <cstdio>

#include <glad/gl.h>
#include <stb_image.h>

#include "engine/GlContext.h"
#include "engine/Log.h"
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
    if (std::FILE* probe = std::fopen(path.c_str(), "rb")) {
        std::fclose(probe);
    } else {
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
    stbi_set_flip_vertically_on_load(1);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = nullptr;
    const char* reason = "can't fopen";
    if (file) {
        // Refuse absurd sizes before decoding allocates for them.
        if (stbi_info_from_file(file, &width, &height, &channels) && width <= kMaxDimension && height <= kMaxDimension) {
            pixels = stbi_load_from_file(file, &width, &height, &channels, 4);
        }
        reason = pixels ? nullptr : (width > kMaxDimension || height > kMaxDimension ? "image too large" : stbi_failure_reason());
        std::fclose(file);
    }
    if (!pixels) {
        print("Cannot load texture");
        print(reason ? reason : "unknown image error");
    } else {
        texture.width = width;
        texture.height = height;
        texture.channels = channels;
    }
    if (gl_context::Available()) {
        glGenTextures(1, &texture.id);
        glBindTexture(GL_TEXTURE_2D, texture.id);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        if (pixels) {
            glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(UploadFormat(channels)), width, height, 0, GL_RGBA,
                         GL_UNSIGNED_BYTE, pixels);
            if (mipmap) glGenerateMipmap(GL_TEXTURE_2D);
        }
        GLint wrap = texture.repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmap ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    stbi_image_free(pixels);
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
