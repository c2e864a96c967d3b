#include "render/TextureCheck.h"

#include <algorithm>
#include <filesystem>

#include "engine/DataCheck.h"
#include "engine/ImageFile.h"
#include "engine/RegularFile.h"
#include "engine/Json.h"

namespace texturecheck {
namespace fs = std::filesystem;

namespace {
const std::string kPrefix = "Textures: ";

// Names that stand for "no texture" or are resolved by the map loader, not files.
bool IsPlaceholder(const std::string& name)
{
    return name.empty() || name == "None" || name == "none" || name == "Elemental";
}

// Collects every string value stored under `key` anywhere in the document (without recursion).
void CollectKey(const json::Value& root, const char* key, std::vector<std::string>& out)
{
    std::vector<const json::Value*> stack{&root};
    while (!stack.empty()) {
        const json::Value* v = stack.back();
        stack.pop_back();
        if (v->IsArray()) {
            for (const auto& child : v->GetArray()) stack.push_back(&child);
        } else if (v->IsObject()) {
            for (const auto& m : v->GetObject()) {
                if (m.value.IsString() && std::string(m.name.GetString()) == key) out.emplace_back(m.value.GetString());
                stack.push_back(&m.value);
            }
        }
    }
}

std::vector<fs::path> JsonFiles(const fs::path& dir)
{
    std::vector<fs::path> files;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return files;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_regular_file(ec) && it->path().extension() == ".json") files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}
}  // namespace

std::set<std::string> ListedTextures(const std::string& listPath, std::vector<std::string>& problems)
{
    std::set<std::string> names;
    json::Document doc;
    json::Result r = json::ParseFile(listPath, doc);
    if (!r.ok()) {
        problems.push_back(kPrefix + listPath + ": " + r.message);
        return names;
    }
    const json::Value* list = nullptr;
    if (json::GetArray(doc, "textures", list) != json::Field::Ok) {
        problems.push_back(kPrefix + listPath + ": no \"textures\" array");
        return names;
    }
    for (const auto& entry : list->GetArray()) {
        std::string name;
        if (entry.IsString()) name = entry.GetString();
        else if (entry.IsObject() && json::GetString(entry, "name", name) == json::Field::Ok) {}
        else {
            problems.push_back(kPrefix + listPath + ": an entry is neither a name nor an object with a \"name\"");
            continue;
        }
        names.insert(name);
    }
    return names;
}

std::vector<Reference> ReferencedTextures(const std::string& dataDir, std::vector<std::string>& problems)
{
    std::vector<Reference> refs;
    for (const fs::path& file : JsonFiles(dataDir)) {
        std::string rel = fs::relative(file, dataDir).generic_string();
        json::Document doc;
        json::Result r = json::ParseFile(file.string(), doc);
        if (!r.ok()) continue;  // each file's own check reports files that do not parse
        std::vector<std::string> names;
        bool byName = false;
        if (rel.rfind("Levels/", 0) == 0) {
            CollectKey(doc, "biome", names);
            CollectKey(doc, "object", names);
        } else if (rel.rfind("Particles/", 0) == 0) {
            CollectKey(doc, "texture", names);
        } else if (rel == "GuideMaster.json") {
            std::vector<std::string> links;
            CollectKey(doc, "Link", links);
            for (const auto& l : links) names.push_back("How To Play/" + l);
            byName = true;
        } else if (rel != "TextureMaster.json" && json::Find(doc, "textures")) {
            std::vector<std::string> listProblems;
            for (const auto& n : ListedTextures(file.string(), listProblems)) names.push_back(n);
            problems.insert(problems.end(), listProblems.begin(), listProblems.end());
            byName = true;
        }
        for (auto& n : names)
            if (!IsPlaceholder(n)) refs.push_back({rel, n, byName});
    }
    return refs;
}

bool CheckDecodes(const std::string& path, std::vector<std::string>& problems)
{
    image::Decoded picture = image::Decode(path, false);
    if (!picture.ok()) problems.push_back(kPrefix + path + " cannot be decoded: " + picture.error);
    return picture.ok();
}

std::vector<std::string> Check(const std::string& root)
{
    std::vector<std::string> problems;
    std::string data = root + "/Data", assets = root + "/Assets/";
    std::set<std::string> listed = ListedTextures(data + "/TextureMaster.json", problems);
    for (const auto& name : listed) {
        if (!files::IsRegular(assets + name + ".png"))
            problems.push_back(kPrefix + "\"" + name + "\" is listed in TextureMaster but ./Assets/" + name + ".png is missing");
        else
            CheckDecodes(assets + name + ".png", problems);
    }
    if (!files::IsRegular(assets + "default.png"))
        problems.push_back(kPrefix + "the fallback ./Assets/default.png is missing");
    else if (!listed.count("default"))
        CheckDecodes(assets + "default.png", problems);
    std::vector<Reference> refs = ReferencedTextures(data, problems);
    // A name is known when TextureMaster lists it or another texture list loads its image.
    std::set<std::string> known = listed;
    for (const Reference& ref : refs) {
        if (!ref.loadedByName || known.count(ref.name) || !files::IsRegular(assets + ref.name + ".png")) continue;
        known.insert(ref.name);
        CheckDecodes(assets + ref.name + ".png", problems);
    }
    for (const Reference& ref : refs) {
        if (known.count(ref.name)) continue;
        problems.push_back(kPrefix + ref.file + " uses the texture \"" + ref.name + "\", which " +
                           (ref.loadedByName ? "has no image ./Assets/" + ref.name + ".png" : "no texture list provides"));
    }
    return problems;
}

namespace {
const bool registered = datacheck::Register("Textures", [](datacheck::Problems& p) {
    for (auto& line : Check(".")) p.Add(std::move(line));
});
}  // namespace

}  // namespace texturecheck
