#pragma once
#include <string>
#include <vector>

// One texture named by a texture list ("./Data/<list>.json", {"textures": [...]}). An element is
// either a plain name (clamped single image) or {"name", "repeat", "columns", "rows", "mipmap"}.
struct TextureListEntry {
    std::string name = "default";
    bool repeat = false;
    int rows = 1;
    int columns = 1;
    bool mipmap = false;
};

struct TextureList {
    enum class Status { Ok, NotFound, Unparsable };
    Status status = Status::Ok;
    std::vector<TextureListEntry> entries;
    int invalidEntries = 0;  // elements that are neither a string nor an object

    static TextureList FromFile(const std::string& path);
    static TextureList FromText(const std::string& text);
};
