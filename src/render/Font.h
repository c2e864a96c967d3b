#pragma once
#include <memory>
#include <string>
#include <unordered_map>

#include "engine/Json.h"
#include "render/TextureLibrary.h"

// One character of a bitmap font, in fractions of the atlas size (see tools/fontgen): the cell's
// top-left corner (y measured from the top of the image), its size, and the height of the
// baseline above the cell's bottom edge.
struct Glyph {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    double baseline = 0.0;
};

// A bitmap font: glyphs by character and the atlas texture they live in.
class Font {
public:
    Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Adds the atlas "./Assets/Fonts/<name>.png" to `atlases` (one frame, clamped, mipmapped; the
    // upload needs a GL context) and reads the glyph table "./Data/Fonts/<name>.json".
    bool Load(const std::string& name, TextureLibrary* atlases);
    // Fills the glyph table from a parsed description; one log line per rejected character.
    // Returns the number of rejected characters.
    int ReadGlyphs(const json::Value& root);

    // The glyph of c; a character the font lacks is added with all values 0 (an empty cell).
    const Glyph& GetGlyph(char c);
    bool HasGlyph(char c) const { return glyphs.count(c) != 0; }
    size_t GlyphCount() const { return glyphs.size(); }

    std::unordered_map<char, Glyph> glyphs;
    TextureData* atlas = nullptr;  // owned by the font library's own atlas store
};

// Fonts by name, owned for the whole run by the scene system.
class FontLibrary {
public:
    FontLibrary() = default;
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // Loads "./Data/Fonts/<name>.json" into a new font stored under name (replacing an older one).
    void add_font(const std::string& name);
    // The stored font, or nullptr after logging the failed lookup.
    Font* grab_font(const std::string& name);
    // grab_font, and on a miss add_font then grab_font again (what every text does).
    Font* GetOrLoad(const std::string& name);
    void Clear() { fonts.clear(); }

    // The library texts use: the scene system's once it registered it, else a process-wide one
    // (so texts work in tools and tests without a scene system).
    static FontLibrary& Active();
    static void SetActive(FontLibrary* library);

private:
    // The atlases belong to the fonts, not to the scene system's texture library.
    TextureLibrary atlases;
    std::unordered_map<std::string, std::unique_ptr<Font>> fonts;
};
