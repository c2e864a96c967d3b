// `--check-data` for the audio asset list: its structure, the names the game asks for, and that
// every listed file decodes completely.
#include <array>
#include <set>
#include <string>

#include "audio/AudioAssetCheck.h"
#include "audio/AudioLayer.h"
#include "audio/SoundSystem.h"
#include "engine/DataCheck.h"
#include "engine/Json.h"

namespace {

constexpr std::array<const char*, 14> kRequiredNames = {
    "MenuMusic", "BattleMusic", "DiscoMusic", "VictoryMusic", "Click", "CardHover", "CardSelect",
    "HitSound", "DeathSound", "SpellMiss", "Walking", "TokenCollect", "Sword_Announcement", "Horn"};

// Everything the game keeps decoded in memory at once.
constexpr std::int64_t kMaxDecodedBytes = 64LL * 1024 * 1024;

}  // namespace

void audio::CheckAssetList(const std::string& file, datacheck::Problems& problems)
{
    json::Document doc;
    json::Result parsed = json::ParseFile(file, doc);
    if (!parsed.ok()) {
        problems.Add(file + ": " + parsed.message);
        return;
    }
    const json::Value* list = nullptr;
    if (json::GetArray(doc, "audioAssets", list) != json::Field::Ok) {
        problems.Add(file + ": the root needs an array \"audioAssets\"");
        return;
    }
    std::set<std::string> names;
    std::int64_t decodedBytes = 0;
    int index = 0;
    for (const json::Value& asset : list->GetArray()) {
        std::string where = file + " entry " + std::to_string(index++);
        std::string name, path;
        if (json::GetString(asset, "name", name) != json::Field::Ok ||
            json::GetString(asset, "filePath", path) != json::Field::Ok) {
            problems.Add(where + ": needs the strings \"name\" and \"filePath\"");
            continue;
        }
        if (!names.insert(name).second) problems.Add(where + ": the name \"" + name + "\" is listed twice");
        audio::SoundInfo info;
        std::vector<short> pcm;
        audio::Result result = audio::DecodeFile(path, info, &pcm);
        if (result != audio::kOk) {
            problems.Add(where + " (\"" + name + "\"): " + path + " does not decode: " + audio::ResultText(result));
            continue;
        }
        decodedBytes += static_cast<std::int64_t>(pcm.size() * sizeof(short));
    }
    for (const char* name : kRequiredNames) {
        if (!names.count(name)) problems.Add(file + ": the game needs a sound named \"" + std::string(name) + "\"");
    }
    if (decodedBytes > kMaxDecodedBytes)
        problems.Add(file + ": the sounds take " + std::to_string(decodedBytes >> 20) + " MiB decoded, more than 64 MiB");
}

namespace {
const bool registered = datacheck::Register(
    "AudioAssets", [](datacheck::Problems& problems) { audio::CheckAssetList(SoundSystem::kAssetFile, problems); });
}  // namespace
