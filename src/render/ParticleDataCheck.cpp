// `--check-data` for the particle files: every file parses, every effect is usable, and every
// effect name the game asks for exists in the file it asks it of.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/DataCheck.h"
#include "render/ParticleEffect.h"
#include "render/ParticlePool.h"
#include "render/TextureList.h"

namespace {

const char* const kDirectory = "./Data/Particles/";

bool Known(const json::Value& effect, const char* key, std::initializer_list<const char*> names)
{
    std::string value;
    if (json::GetString(effect, key, value) != json::Field::Ok) return true;  // absent: the default
    for (const char* name : names) {
        if (value == name) return true;
    }
    return false;
}

// The textures the art generator lists; empty when there is no list to compare with.
const std::set<std::string>& ListedTextures()
{
    static const std::set<std::string> names = [] {
        std::set<std::string> listed;
        for (const auto& entry : TextureList::FromFile("./Data/TextureMaster.json").entries) listed.insert(entry.name);
        return listed;
    }();
    return names;
}

void CheckEffect(const std::string& file, const json::Value& raw, datacheck::Problems& problems)
{
    const Effect e = ReadEffect(raw);
    const std::string where = "Particles " + file + " effect \"" + e.name + "\": ";
    if (!e.texture.empty() && !ListedTextures().empty() && !ListedTextures().count(e.texture))
        problems.Add(where + "texture \"" + e.texture + "\" is not in TextureMaster");
    if (!Known(raw, "position_type", {"Point", "Circle", "Box"})) problems.Add(where + "unknown position_type");
    if (!Known(raw, "launch_type", {"Outward", "Inward", "Forward", "Backward", "Upward", "Downward"}))
        problems.Add(where + "unknown launch_type");
    if (!Known(raw, "spawn_type", {"One_By_One", "N_By_N", "All_At_Once", "Once_All_Done", "One_And_Done"}))
        problems.Add(where + "unknown spawn_type");
    if (e.maxParticles <= 0) problems.Add(where + "max_particles must be at least 1");
    double requested = 0.0;
    if (json::GetDouble(raw, "max_particles", requested) == json::Field::Ok && requested > kMaxPoolParticles)
        problems.Add(where + "max_particles above the limit of " + std::to_string(kMaxPoolParticles));
    if (e.life.max <= 0.0f) problems.Add(where + "life must be above 0");
    if (e.colorPairs.empty()) problems.Add(where + "no usable color_pairs");
    const json::Value* pairs = nullptr;
    if (json::GetArray(raw, "color_pairs", pairs) == json::Field::Ok) {
        for (const json::Value& pair : pairs->GetArray()) {
            if (!pair.IsObject()) problems.Add(where + "a color pair is not an object");
        }
    }
    if (e.spawnType == SpawnType::N_By_N && (e.n < 1 || e.n > e.maxParticles))
        problems.Add(where + "N must be between 1 and max_particles");
}

void CheckFile(const std::string& file, datacheck::Problems& problems)
{
    const std::string path = kDirectory + file + ".json";
    json::Document doc;
    const json::Result result = json::ParseFile(path, doc);
    if (!result.ok()) {
        problems.Add("Particles " + path + ": " + result.message);
        return;
    }
    std::set<std::string> names;
    const json::Value* effects = nullptr;
    if (json::GetArray(doc, "effect", effects) != json::Field::Ok || effects->Empty()) {
        problems.Add("Particles " + file + ": no \"effect\" array");
    } else {
        for (const json::Value& raw : effects->GetArray()) {
            if (!raw.IsObject()) {
                problems.Add("Particles " + file + ": an effect is not an object");
                continue;
            }
            const std::string name = ReadEffect(raw).name;
            if (!names.insert(name).second) problems.Add("Particles " + file + ": effect \"" + name + "\" is defined twice");
            CheckEffect(file, raw, problems);
        }
    }
    auto required = GameParticleEffects().find(file);
    if (required == GameParticleEffects().end()) return;
    for (const std::string& name : required->second) {
        if (!names.count(name)) problems.Add("Particles " + file + ": missing effect \"" + name + "\"");
    }
}

void CheckParticles(datacheck::Problems& problems)
{
    std::set<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(kDirectory, ec)) {
        if (entry.path().extension() == ".json") files.insert(entry.path().stem().string());
    }
    for (const auto& [file, effects] : GameParticleEffects()) {
        if (!files.count(file)) problems.Add("Particles " + file + ": " + kDirectory + file + ".json is missing");
    }
    for (const std::string& file : files) CheckFile(file, problems);
}

const bool registered = datacheck::Register("Particles", CheckParticles);

}  // namespace
