#include "render/Font.h"

#include "engine/DataCheck.h"
#include "engine/ImageFile.h"
#include "engine/Log.h"
#include "engine/RegularFile.h"

namespace {

const char* const kNumberKeys[] = {"x", "y", "width", "height", "baseline"};

// A glyph member is accepted only when complete: "text" a non-empty string and every number
// written with a fraction or exponent (integers are rejected, they mark a hand-edited table).
bool ReadGlyph(const json::Value& member, char& key, Glyph& glyph)
{
    if (!member.IsObject()) return false;
    std::string text;
    if (json::GetString(member, "text", text) != json::Field::Ok || text.empty()) return false;
    double values[5] = {};
    for (int i = 0; i < 5; ++i) {
        const json::Value* v = json::Find(member, kNumberKeys[i]);
        if (!v || !v->IsDouble()) return false;
        values[i] = v->GetDouble();
    }
    key = text[0];
    glyph = Glyph{values[0], values[1], values[2], values[3], values[4]};
    return true;
}

}  // namespace

int Font::ReadGlyphs(const json::Value& root)
{
    if (!root.IsObject()) return 0;
    int rejected = 0;
    for (int c = 32; c <= 126; ++c) {
        const char name[2] = {static_cast<char>(c), '\0'};
        const json::Value* member = json::Find(root, name);
        if (!member) continue;
        char key = 0;
        Glyph glyph;
        if (ReadGlyph(*member, key, glyph)) {
            glyphs[key] = glyph;
        } else {
            print("!!! - FONTREAD Had an UNEXPECTED error parsing json file ");
            ++rejected;
        }
    }
    return rejected;
}

bool Font::Load(const std::string& name, TextureLibrary* atlases)
{
    if (atlases) {
        const std::string atlasName = "Fonts/" + name;
        atlases->add_texture(atlasName, false, 1, 1, true);
        atlas = atlases->find(atlasName);
    }
    const std::string path = "./Data/Fonts/" + name + ".json";
    json::Document doc;
    json::Result result = json::ParseFile(path, doc);
    if (result.status == json::Status::NotFound) {
        print("!!! - FONT Could Not Find json File ");
        return false;
    }
    if (!result.ok()) {
        print("!!! - FONT Could Not Parse json File ");
        return false;
    }
    ReadGlyphs(doc);
    return true;
}

const Glyph& Font::GetGlyph(char c)
{
    return glyphs[c];  // a missing character becomes an all-zero glyph, as the layout expects
}

// ---- FontLibrary -------------------------------------------------------------------------------

namespace {
FontLibrary* activeLibrary = nullptr;
}

FontLibrary::~FontLibrary()
{
    if (activeLibrary == this) activeLibrary = nullptr;
}

void FontLibrary::add_font(const std::string& name)
{
    if (!files::IsRegular("./Data/Fonts/" + name + ".json")) {
        print("! - add_font() Could Not Find File");
        return;
    }
    // Texts hold their font by pointer, so a name loaded again is refilled in place.
    std::unique_ptr<Font>& slot = fonts[name];
    if (!slot) slot = std::make_unique<Font>();
    slot->glyphs.clear();
    slot->Load(name, &atlases);
}

Font* FontLibrary::grab_font(const std::string& name)
{
    auto it = fonts.find(name);
    if (it == fonts.end()) {
        print("!! - grab_font() Could Not Find Font");
        return nullptr;
    }
    return it->second.get();
}

Font* FontLibrary::GetOrLoad(const std::string& name)
{
    if (fonts.count(name)) return fonts[name].get();
    grab_font(name);  // logs the miss, as every text's first lookup does
    add_font(name);
    return grab_font(name);
}

FontLibrary& FontLibrary::Active()
{
    static FontLibrary fallback;
    return activeLibrary ? *activeLibrary : fallback;
}

void FontLibrary::SetActive(FontLibrary* library)
{
    activeLibrary = library;
}

// ---- --check-data ------------------------------------------------------------------------------

namespace {

void CheckFonts(datacheck::Problems& problems)
{
    const char* const fontNames[] = {"Alagard"};
    for (const char* name : fontNames) {
        const std::string path = std::string("./Data/Fonts/") + name + ".json";
        json::Document doc;
        json::Result result = json::ParseFile(path, doc);
        if (!result.ok()) {
            problems.Add("Font " + std::string(name) + ": " + path + ": " + result.message);
            continue;
        }
        Font font;
        int rejected = font.ReadGlyphs(doc);
        if (rejected > 0) problems.Add("Font " + std::string(name) + ": " + std::to_string(rejected) + " malformed glyphs");
        for (int c = 32; c <= 126; ++c) {
            if (!font.HasGlyph(static_cast<char>(c))) {
                problems.Add("Font " + std::string(name) + ": no glyph for '" + std::string(1, static_cast<char>(c)) + "'");
            }
        }
        const std::string atlasPath = std::string("./Assets/Fonts/") + name + ".png";
        if (!files::IsRegular(atlasPath)) {
            problems.Add("Font " + std::string(name) + ": atlas " + atlasPath + " is missing");
        } else if (image::Decoded atlas = image::Decode(atlasPath, false); !atlas.ok()) {
            problems.Add("Font " + std::string(name) + ": atlas " + atlasPath + " cannot be decoded: " + atlas.error);
        }
    }
}

const bool registered = datacheck::Register("Fonts", CheckFonts);

}  // namespace
