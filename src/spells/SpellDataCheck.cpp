#include "spells/SpellDataCheck.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <map>

#include "battle/Map.h"
#include "engine/DataCheck.h"
#include "engine/Json.h"
#include "render/ParticleEffect.h"
#include "render/TextureList.h"
#include "spells/ScriptParser.h"
#include "spells/SpellLimits.h"
#include "spells/SpellWords.h"

namespace spellcheck {
namespace {

const std::string kPrefix = "Spells: ";

// The keys every shipped definition writes out, with the JSON type each must have.
enum class Kind { String, Integer, Bool };
const std::vector<std::pair<const char*, Kind>> kKeys = {
    {"name", Kind::String},         {"element", Kind::String},      {"cost", Kind::Integer},
    {"range", Kind::Integer},       {"size", Kind::Integer},        {"hit chance", Kind::Integer},
    {"script", Kind::String},       {"spell_sprite", Kind::String}, {"use_element_color", Kind::Bool},
    {"spinning", Kind::Bool},       {"trail_effect", Kind::String}, {"hit_effect", Kind::String},
    {"cast_sound", Kind::String},   {"hit_sound", Kind::String}};

bool HasType(const json::Value& v, Kind kind)
{
    switch (kind) {
    case Kind::String: return v.IsString();
    case Kind::Integer: return v.IsInt();
    case Kind::Bool: return v.IsBool();
    }
    return false;
}

class Checker {
public:
    Checker(const std::string& folder, const KnownNames& known, std::vector<std::string>& problems)
        : folder(folder), known(known), problems(problems)
    {
    }

    void Run()
    {
        for (int e = 0; e < kElementCount; ++e) List(static_cast<ElementType>(e));
    }

private:
    void Add(const std::string& line) { problems.push_back(kPrefix + line); }

    void List(ElementType element)
    {
        const std::string word = spellwords::ElementWord(element);
        std::string file = "SpellList_" + word + ".json";
        file[10] = static_cast<char>(file[10] - 'a' + 'A');
        json::Document doc;
        json::Result parsed = json::ParseFile(folder + file, doc);
        if (!parsed.ok()) return Add(file + ": " + parsed.message);
        const json::Value* names = nullptr;
        if (json::GetArray(doc, "spell_name", names) != json::Field::Ok) return Add(file + ": no \"spell_name\" array");
        int others = 0;
        bool cantrip = false, fireball = false;
        for (const json::Value& v : names->GetArray()) {
            if (!v.IsString()) {
                Add(file + ": an entry of \"spell_name\" is not a string");
                continue;
            }
            const std::string name = v.GetString();
            cantrip |= name == "Cantrip";
            fireball |= name == "Fireball";
            others += name != "Cantrip";
            if (!listed.emplace(name, file).second) {
                Add(file + ": " + name + " is listed again (first in " + listed[name] + ")");
                continue;
            }
            Definition(name, element, file);
        }
        const int wanted = element == ElementType::Normal ? 2 : 4;
        if (others < wanted)
            Add(file + ": " + std::to_string(others) + " spells besides Cantrip, at least " + std::to_string(wanted) +
                " wanted");
        if (element == ElementType::Normal && !cantrip) Add(file + ": must list \"Cantrip\"");
        if (element == ElementType::Fire && !fireball) Add(file + ": must list \"Fireball\"");
    }

    void Definition(const std::string& name, ElementType listElement, const std::string& list)
    {
        if (!IsValidSpellName(name)) return Add(list + ": invalid spell name \"" + name + "\"");
        const std::string file = "Objects/" + name + ".json";
        json::Document doc;
        json::Result parsed = json::ParseFile(folder + file, doc);
        if (!parsed.ok() || !doc.IsObject()) return Add(file + ": " + (parsed.ok() ? "not an object" : parsed.message));
        for (const auto& [key, kind] : kKeys) {
            const json::Value* v = json::Find(doc, key);
            if (!v) Add(file + ": missing \"" + key + "\"");
            else if (!HasType(*v, kind)) Add(file + ": \"" + key + "\" has the wrong type");
        }
        Text(doc, "name", name, file);
        Text(doc, "script", name, file);
        std::string element;
        json::GetString(doc, "element", element);
        if (spellwords::ElementFromWord(element) != listElement || (element != "normal" && listElement == ElementType::Normal))
            Add(file + ": element \"" + element + "\" does not match " + list);
        Numbers(doc, file);
        Presentation(doc, file);
        Script(name, doc);
    }

    void Text(const json::Value& doc, const char* key, const std::string& wanted, const std::string& file)
    {
        std::string value;
        if (json::GetString(doc, key, value) == json::Field::Ok && value != wanted)
            Add(file + ": \"" + key + "\" is \"" + value + "\", expected \"" + wanted + "\"");
    }

    void Numbers(const json::Value& doc, const std::string& file)
    {
        const std::pair<const char*, spelllimits::Bounds> numbers[] = {
            {"cost", spelllimits::kCost}, {"range", spelllimits::kRange}, {"size", {1, spelllimits::kSize.hi}},
            {"hit chance", spelllimits::kHitChance}};
        for (const auto& [key, bounds] : numbers) {
            int value = 0;
            if (json::GetInt(doc, key, value) != json::Field::Ok) continue;
            if (value < bounds.lo || value > bounds.hi)
                Add(file + ": \"" + key + "\" " + std::to_string(value) + " outside " + std::to_string(bounds.lo) +
                    ".." + std::to_string(bounds.hi));
        }
    }

    void Known(const json::Value& doc, const char* key, const std::set<std::string>& names, const std::string& what,
               const std::string& file)
    {
        std::string value;
        if (json::GetString(doc, key, value) == json::Field::Ok && !names.count(value))
            Add(file + ": \"" + key + "\" names \"" + value + "\", which is not " + what);
    }

    void Presentation(const json::Value& doc, const std::string& file)
    {
        Known(doc, "spell_sprite", known.textures, "a texture", file);
        Known(doc, "trail_effect", known.trailEffects, "an effect of Spellshot", file);
        Known(doc, "hit_effect", known.hitEffects, "an effect of Tile_Effects", file);
        Known(doc, "cast_sound", known.sounds, "a sound of the audio list", file);
        Known(doc, "hit_sound", known.sounds, "a sound of the audio list", file);
    }

    void Script(const std::string& name, const json::Value& doc)
    {
        const std::string file = "Scripts/" + name + ".txt";
        const std::filesystem::path path = folder + file;
        std::error_code error;
        const auto bytes = std::filesystem::file_size(path, error);
        if (error) return Add(file + ": missing");
        if (bytes > kMaxScriptBytes) return Add(file + ": larger than 64 KiB");
        Spell spell;
        spell.name = name;
        json::GetInt(doc, "size", spell.size);
        std::string element;
        json::GetString(doc, "element", element);
        spell.element = spellwords::ElementFromWord(element);
        std::vector<std::string> notes;
        ParseSpellScriptText(spell, ReadAll(path), &notes);
        for (const std::string& note : notes) Add(file + ": " + note);
        if (!spell.HasAnyCommand()) Add(file + ": no command");
        if (spell.description.empty() || spell.description == "ERROR") Add(file + ": no \"description\" text");
        if (spell.flavor.empty()) Add(file + ": no \"flavor\" text");
        Commands(spell, file);
    }

    void Commands(const Spell& spell, const std::string& file)
    {
        for (int k = 0; k < 4; ++k) {
            for (const SpellCommand& c : spell.Commands(static_cast<CommandType>(k))) {
                if (c.kind == CommandKind::Damage && c.word != static_cast<int>(spell.element))
                    Add(file + ": a damage line names another element than the spell's");
                if (c.kind == CommandKind::Create) Lifetime(c, file);
                if ((c.kind == CommandKind::Inflict || c.kind == CommandKind::Create) && c.word == 0)
                    Add(file + ": an " + std::string(c.kind == CommandKind::Inflict ? "inflict" : "create") +
                        " line with an unknown word");
            }
        }
        if (spell.createsObjects && !spell.selfCommands.empty())
            Add(file + ": warning: self lines run again for every created tile");
    }

    // An object outliving its health would still lose at least 1 a round and vanish before its
    // lifetime: the number on the card would lie.
    void Lifetime(const SpellCommand& c, const std::string& file)
    {
        const std::int32_t health = Map::CreationHealth(static_cast<CreateType>(c.word));
        if (health > 0 && (c.number < 1 || c.number > health))
            Add(file + ": a create line's lifetime " + std::to_string(c.number) + " is outside 1.." +
                std::to_string(health));
    }

    static std::string ReadAll(const std::filesystem::path& path);

    const std::string& folder;
    const KnownNames& known;
    std::vector<std::string>& problems;
    std::map<std::string, std::string> listed;  // every name across the lists, with its list
};

std::string Checker::ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> EffectNames(const char* particleFile)
{
    std::set<std::string> names;
    ParticleFile file;
    if (LoadParticleFile(particleFile, file))
        for (const auto& effect : file.effects) names.insert(effect.name);
    return names;
}

void CheckShippedSpells(datacheck::Problems& problems)
{
    std::vector<std::string> lines;
    CheckSpells(kSpellFolder, ReadKnownNames(), lines);
    for (std::string& line : lines) problems.Add(std::move(line));
}

const bool registered = datacheck::Register("Spells", CheckShippedSpells);

}  // namespace

KnownNames ReadKnownNames()
{
    KnownNames known;
    for (const TextureListEntry& entry : TextureList::FromFile("./Data/TextureMaster.json").entries)
        known.textures.insert(entry.name);
    known.trailEffects = EffectNames("Spellshot");
    known.hitEffects = EffectNames("Tile_Effects");
    json::Document doc;
    const json::Value* assets = nullptr;
    if (json::ParseFile("./Data/AudioAssets.json", doc).ok() &&
        json::GetArray(doc, "audioAssets", assets) == json::Field::Ok) {
        for (const json::Value& asset : assets->GetArray()) {
            std::string name;
            if (json::GetString(asset, "name", name) == json::Field::Ok) known.sounds.insert(name);
        }
    }
    return known;
}

void CheckSpells(const std::string& folder, const KnownNames& known, std::vector<std::string>& problems)
{
    Checker(folder, known, problems).Run();
}

}  // namespace spellcheck
