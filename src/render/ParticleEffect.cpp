#include "render/ParticleEffect.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "engine/FileCache.h"
#include "engine/Log.h"
#include "render/ParticlePool.h"

namespace {

float Bounded(double value, float limit = kParticleValueLimit)
{
    if (!std::isfinite(value)) return 0.0f;
    return static_cast<float>(std::clamp(value, -static_cast<double>(limit), static_cast<double>(limit)));
}

float Number(const json::Value& obj, const char* key, float fallback = 0.0f)
{
    double d = 0.0;
    return json::GetDouble(obj, key, d) == json::Field::Ok ? Bounded(d) : fallback;
}

std::string String(const json::Value& obj, const char* key, std::string fallback = std::string())
{
    std::string s;
    return json::GetString(obj, key, s) == json::Field::Ok ? s : fallback;
}

// A range is one number (min = max) or {"min", "max"}; anything else is 0.
Range ReadRange(const json::Value& obj, const char* key)
{
    const json::Value* v = json::Find(obj, key);
    if (!v) return Range{};
    if (v->IsNumber()) {
        float f = Bounded(v->GetDouble());
        return Range{f, f};
    }
    if (v->IsObject()) return Range{Number(*v, "min"), Number(*v, "max")};
    return Range{};
}

void ReadNumbers(const json::Value& obj, const char* key, float* out, size_t count)
{
    const json::Value* array = nullptr;
    if (json::GetArray(obj, key, array) != json::Field::Ok) return;
    for (size_t i = 0; i < count && i < array->Size(); ++i) {
        if ((*array)[static_cast<rapidjson::SizeType>(i)].IsNumber()) {
            out[i] = Bounded((*array)[static_cast<rapidjson::SizeType>(i)].GetDouble());
        }
    }
}

void ReadColorPairs(const json::Value& obj, std::vector<ColorPair>& pairs)
{
    const json::Value* array = nullptr;
    if (json::GetArray(obj, "color_pairs", array) != json::Field::Ok) return;
    for (const json::Value& entry : array->GetArray()) {
        if (!entry.IsObject()) {
            print("Emitter received a non-object color pair");
            continue;
        }
        ColorPair pair;
        ReadNumbers(entry, "start_color", pair.start.data(), 4);
        ReadNumbers(entry, "end_color", pair.end.data(), 4);
        pairs.push_back(pair);
    }
}

PositionType ReadPositionType(const std::string& s)
{
    if (s == "Circle") return PositionType::Circle;
    if (s == "Box") return PositionType::Box;
    return PositionType::Point;
}

LaunchType ReadLaunchType(const std::string& s)
{
    static const std::pair<const char*, LaunchType> names[] = {
        {"Outward", LaunchType::Outward},   {"Inward", LaunchType::Inward}, {"Backward", LaunchType::Backward},
        {"Upward", LaunchType::Upward},     {"Downward", LaunchType::Downward},
    };
    for (const auto& [name, type] : names) {
        if (s == name) return type;
    }
    return LaunchType::Forward;
}

SpawnType ReadSpawnType(const std::string& s)
{
    static const std::pair<const char*, SpawnType> names[] = {
        {"N_By_N", SpawnType::N_By_N},
        {"All_At_Once", SpawnType::All_At_Once},
        {"Once_All_Done", SpawnType::Once_All_Done},
        {"One_And_Done", SpawnType::One_And_Done},
    };
    for (const auto& [name, type] : names) {
        if (s == name) return type;
    }
    return SpawnType::One_By_One;
}

}  // namespace

Effect ReadEffect(const json::Value& obj)
{
    Effect e;
    if (!obj.IsObject()) return e;
    e.name = String(obj, "name", e.name);
    e.mesh = String(obj, "mesh", e.mesh);
    e.texture = String(obj, "texture");
    ReadColorPairs(obj, e.colorPairs);
    e.positionType = ReadPositionType(String(obj, "position_type"));
    e.launchType = ReadLaunchType(String(obj, "launch_type"));
    e.spawnType = ReadSpawnType(String(obj, "spawn_type"));
    e.n = static_cast<int>(std::clamp(Number(obj, "N", 1.0f), 0.0f, static_cast<float>(kMaxPoolParticles)));
    e.maxParticles = static_cast<int>(std::clamp(Number(obj, "max_particles"), 0.0f, static_cast<float>(kMaxPoolParticles)));
    e.rate = ReadRange(obj, "rate");
    e.rotation = ReadRange(obj, "rotation");
    e.scale = ReadRange(obj, "scale");
    e.speed = ReadRange(obj, "speed");
    e.rotationalVelocity = ReadRange(obj, "rotational_velocity");
    e.life = ReadRange(obj, "life");
    e.scaleMul = std::clamp(Number(obj, "scale_mul"), -kScaleMulLimit, kScaleMulLimit);
    const json::Value* area = nullptr;
    if (json::GetObject(obj, "position", area) == json::Field::Ok) {
        e.xMin = Number(*area, "x_min");
        e.xMax = Number(*area, "x_max");
        e.yMin = Number(*area, "y_min");
        e.yMax = Number(*area, "y_max");
    }
    const json::Value* accel = nullptr;
    if (json::GetObject(obj, "acceleration", accel) == json::Field::Ok) {
        e.accelerationX = Range{Number(*accel, "x_min"), Number(*accel, "x_max")};
        e.accelerationY = Range{Number(*accel, "y_min"), Number(*accel, "y_max")};
    }
    return e;
}

void ReadParticleFile(const json::Value& root, ParticleFile& out)
{
    if (!root.IsObject()) return;
    out.name = String(root, "name", out.name);
    const json::Value* emitter = nullptr;
    if (json::GetObject(root, "emitter", emitter) == json::Field::Ok) {
        EmitterDescription& d = out.emitter;
        json::GetBool(*emitter, "visible", d.visible);
        d.mesh = String(*emitter, "mesh");
        ReadNumbers(*emitter, "scale", d.scale, 2);
        d.rotation = Number(*emitter, "rotation");
        ReadNumbers(*emitter, "color", d.color.data(), 4);
        d.texture = String(*emitter, "texture");
        ReadNumbers(*emitter, "velocity", d.velocity, 2);
        ReadNumbers(*emitter, "acceleration", d.acceleration, 2);
        d.rotVelocity = Number(*emitter, "rotvelocity");
    }
    const json::Value* effects = nullptr;
    if (json::GetArray(root, "effect", effects) == json::Field::Ok) {
        for (const json::Value& entry : effects->GetArray()) {
            if (entry.IsObject()) out.effects.push_back(ReadEffect(entry));
        }
    }
}

bool LoadParticleFile(const std::string& name, ParticleFile& out)
{
    const std::string path = "./Data/Particles/" + name + ".json";
    json::Document doc;
    json::Result result = json::ParseFile(path, doc);
    if (result.status == json::Status::NotFound) {
        print("!!! - Emitter Could Not Find json File ", path);
        return false;
    }
    if (!result.ok()) {
        print("!!! - Emitter Could Not Parse json File ", path);
        return false;
    }
    ReadParticleFile(doc, out);
    return true;
}

const ParticleFile* SharedParticleFile(const std::string& name)
{
    static FileCache<ParticleFile> cache;
    const std::string path = "./Data/Particles/" + name + ".json";
    const auto& entry = cache.Get(path, [](const std::string& file, ParticleFile& out, bool& parsed) {
        json::Document doc;
        json::Result result = json::ParseFile(file, doc);
        parsed = result.ok();
        if (parsed) ReadParticleFile(doc, out);
        return result.status != json::Status::NotFound;
    });
    if (entry.parsed) return &entry.value;
    if (!entry.found) print("!!! - Emitter Could Not Find json File ", path);
    else print("!!! - Emitter Could Not Parse json File ", path);
    return nullptr;
}

const std::map<std::string, std::vector<std::string>>& GameParticleEffects()
{
    static const std::vector<std::string> rains = {"token_rain_fire", "token_rain_water", "token_rain_earth",
                                                   "token_rain_wind", "token_rain_guilded"};
    static const std::map<std::string, std::vector<std::string>> required = {
        {"Tile_Effects", {"Hit_Normal", "Hit_Fire", "Hit_Water", "Hit_Earth", "Hit_Wind", "Hit_Heal", "Hit_Cleanse",
                          "Hit_Create", "flaming"}},
        {"Primalite", {"Shimmer", "Claim_Fire", "Claim_Water", "Claim_Earth", "Claim_Wind"}},
        {"Wizard_Effects", {"burned", "petrified", "confused", "frostbitten", "blinded"}},
        {"Spellshot", {"Cast_Normal", "Cast_Fire", "Cast_Water", "Cast_Earth", "Cast_Wind"}},
        {"firework", {"firework"}},
        {"Token_Rain", {"token_rain_fire", "token_rain_water", "token_rain_earth", "token_rain_wind"}},
        {"token_rain_fire", rains},
        {"token_rain_water", rains},
        {"token_rain_earth", rains},
        {"token_rain_wind", rains},
        {"token_rain_guilded", rains},
    };
    return required;
}
