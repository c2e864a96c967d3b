#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "objects/NameHash.h"

// One uploaded texture. `rows` x `columns` equal cells when it is a sprite sheet (1 x 1 otherwise).
struct TextureData {
    TextureData() = default;
    ~TextureData();
    TextureData(const TextureData&) = delete;
    TextureData& operator=(const TextureData&) = delete;

    std::uint32_t id = 0;  // 0 = nothing uploaded (no context, or the entry that draws nothing)
    bool repeat = false;
    std::int32_t rows = 1;
    std::int32_t columns = 1;
    std::string name;
    int width = 0;  // pixels, 0 when the image could not be decoded
    int height = 0;
    int channels = 0;  // channels of the file (3 = RGB, uploaded opaque)
};

// Textures shared by name for the whole run. "default" is registered first and stands in for any
// name that is not here.
class TextureLibrary {
public:
    TextureLibrary() { textures.rehash(8); }
    TextureLibrary(const TextureLibrary&) = delete;
    TextureLibrary& operator=(const TextureLibrary&) = delete;

    static constexpr const char* kAssetDirectory = "./Assets/";
    static constexpr const char* kDataDirectory = "./Data/";
    static constexpr int kMaxDimension = 16384;

    // Loads "./Assets/<name>.png" and stores it under name; an older entry of that name is refilled
    // in place, so pointers to it stay valid. False and a complaint when the file cannot be
    // opened. Without a GL context the entry is still made.
    bool add_texture(const std::string& name, bool repeat, int rows, int columns, bool mipmap);
    // The entry, or "default" after a complaint; when even "default" is missing, an entry that
    // draws nothing (id 0) so callers never hold a null texture by accident.
    TextureData* grab_texture(const std::string& name);
    // Quiet lookup: nullptr when absent.
    TextureData* find(const std::string& name) const;
    // Adds every texture named by "./Data/<listName>.json".
    void loadList(const std::string& listName);

    // A 1 x 1 opaque white texture, bound for untextured sprites (made on first use).
    std::uint32_t whiteTexture();
    ~TextureLibrary();

    std::size_t size() const { return textures.size(); }

    // The GL internal format for a file with this many channels: RGB files stay opaque.
    static std::uint32_t UploadFormat(int fileChannels);

    // Where files are looked for; tests point these at fixture folders.
    std::string assetDirectory = kAssetDirectory;
    std::string dataDirectory = kDataDirectory;

    // The widest or tallest image the GPU takes (16384 without a context).
    static int MaxTextureSide();

private:
    void upload(TextureData& texture, const std::string& path, bool mipmap);

    std::unordered_map<std::string, std::unique_ptr<TextureData>, NameHash, std::equal_to<>> textures;
    TextureData missing;
    std::uint32_t white = 0;
};
