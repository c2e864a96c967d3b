#include "render/TextureList.h"

#include "engine/Json.h"

namespace {

TextureListEntry EntryFromObject(const json::Value& element)
{
    TextureListEntry entry;
    json::GetString(element, "name", entry.name);
    bool repeat = false;
    entry.repeat = json::GetBool(element, "repeat", repeat) == json::Field::Ok && repeat;
    json::GetInt(element, "columns", entry.columns);
    json::GetInt(element, "rows", entry.rows);
    // Booleans are not accepted for "mipmap"; only a non-zero integer turns mipmaps on.
    int mipmap = 0;
    entry.mipmap = json::GetInt(element, "mipmap", mipmap) == json::Field::Ok && mipmap != 0;
    // A sheet needs at least one cell each way, or the frame arithmetic in the shaders divides by zero.
    if (entry.rows < 1) entry.rows = 1;
    if (entry.columns < 1) entry.columns = 1;
    return entry;
}

TextureList FromParsed(const json::Result& result, const json::Document& doc)
{
    TextureList list;
    const json::Value* textures = nullptr;
    if (result.status == json::Status::NotFound) {
        list.status = TextureList::Status::NotFound;
        return list;
    }
    if (!result.ok() || json::GetArray(doc, "textures", textures) != json::Field::Ok) {
        list.status = TextureList::Status::Unparsable;
        return list;
    }
    for (const auto& element : textures->GetArray()) {
        if (element.IsString()) {
            TextureListEntry entry;
            entry.name = element.GetString();
            list.entries.push_back(entry);
        } else if (element.IsObject()) {
            list.entries.push_back(EntryFromObject(element));
        } else {
            ++list.invalidEntries;
        }
    }
    return list;
}

}  // namespace

TextureList TextureList::FromFile(const std::string& path)
{
    json::Document doc;
    json::Result result = json::ParseFile(path, doc);
    return FromParsed(result, doc);
}

TextureList TextureList::FromText(const std::string& text)
{
    json::Document doc;
    json::Result result = json::ParseText(text, doc);
    return FromParsed(result, doc);
}
