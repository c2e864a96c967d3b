#include "spells/Spell.h"

#include <algorithm>

#include "engine/Json.h"
#include "engine/Log.h"
#include "spells/ScriptParser.h"
#include "spells/SpellLimits.h"
#include "spells/SpellWords.h"

Spell::Spell() : backedOut(std::make_unique<bool>(false)) {}

const std::vector<SpellCommand>& Spell::Commands(CommandType kind) const
{
    switch (kind) {
    case CommandType::Enemy: return enemyCommands;
    case CommandType::Ally: return allyCommands;
    case CommandType::Tile: return tileCommands;
    case CommandType::Self: break;
    }
    return selfCommands;
}

std::vector<SpellCommand>& Spell::Commands(CommandType kind)
{
    return const_cast<std::vector<SpellCommand>&>(static_cast<const Spell&>(*this).Commands(kind));
}

bool Spell::HasAnyCommand() const
{
    return !selfCommands.empty() || !enemyCommands.empty() || !allyCommands.empty() || !tileCommands.empty();
}

bool IsValidSpellName(const std::string& name)
{
    if (name.empty() || name.size() > 64) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == ' ' ||
               c == '-';
    });
}

int CountHeldSpells(const std::vector<const Spell*>& hand)
{
    return static_cast<int>(
        std::count_if(hand.begin(), hand.end(), [](const Spell* s) { return s && s->name != kCantripName; }));
}

namespace spelllimits {

std::int32_t ClampLogged(std::int64_t value, Bounds bounds, const std::string& spellName, const std::string& what)
{
    const std::int64_t held = std::clamp<std::int64_t>(value, bounds.lo, bounds.hi);
    if (held != value) print("! - Spell ", spellName, ": ", what, " ", value, " is out of range, using ", held);
    return static_cast<std::int32_t>(held);
}

}  // namespace spelllimits

namespace {

// One of the four numbers: missing or not an integer gives 99, then it is held to its bounds.
std::int32_t ReadNumber(const json::Value& doc, const char* key, spelllimits::Bounds bounds, const std::string& spell)
{
    int value = 99;
    if (json::GetInt(doc, key, value) != json::Field::Ok) value = 99;
    return spelllimits::ClampLogged(value, bounds, spell, key);
}

void ReadString(const json::Value& doc, const char* key, std::string& field)
{
    std::string value;
    if (json::GetString(doc, key, value) == json::Field::Ok) field = std::move(value);
}

void ReadBool(const json::Value& doc, const char* key, bool& field, bool fallback)
{
    if (json::GetBool(doc, key, field) != json::Field::Ok) field = fallback;
}

void ReadScript(const json::Value& doc, Spell& spell, const std::string& folder)
{
    std::string script;
    if (json::GetString(doc, "script", script) != json::Field::Ok) return;
    ParseSpellScript(spell, script, folder);
}

}  // namespace

bool LoadSpellDefinition(Spell& spell, const std::string& definitionName, const std::string& folder)
{
    if (!IsValidSpellName(definitionName)) {
        print("!!! - Spell name refused: ", definitionName);
        return false;
    }
    const std::string path = folder + "Objects/" + definitionName + ".json";
    json::Document doc;
    const json::Result parsed = json::ParseFile(path, doc);
    if (parsed.status == json::Status::NotFound) {
        print("!!! - Spell Could Not Find json File: ", path);
        return false;
    }
    if (!parsed.ok()) {
        print("!!! - Spell Could Not Parse json File ");
        return false;
    }
    return ReadSpellDefinition(spell, doc, path, folder);
}

bool ReadSpellDefinition(Spell& spell, const json::Value& doc, const std::string& path, const std::string& folder)
{
    if (!doc.IsObject()) {
        print("!!! - Spell Could Not Parse json File ");
        return false;
    }
    std::string name;
    if (json::GetString(doc, "name", name) != json::Field::Ok) {
        print("!!! - Spell definition has no name: ", path);
        return false;
    }
    if (!IsValidSpellName(name)) {
        print("!!! - Spell name refused: ", name);
        return false;
    }
    spell.name = name;
    std::string element;
    if (json::GetString(doc, "element", element) == json::Field::Ok) spell.element = spellwords::ElementFromWord(element);
    spell.cost = ReadNumber(doc, "cost", spelllimits::kCost, name);
    spell.range = ReadNumber(doc, "range", spelllimits::kRange, name);
    spell.size = ReadNumber(doc, "size", spelllimits::kSize, name);
    spell.hitChance = ReadNumber(doc, "hit chance", spelllimits::kHitChance, name);
    ReadScript(doc, spell, folder);
    ReadString(doc, "spell_sprite", spell.spellSprite);
    ReadBool(doc, "use_element_color", spell.useElementColor, true);
    ReadBool(doc, "spinning", spell.spinning, false);
    ReadString(doc, "trail_effect", spell.trailEffect);
    ReadString(doc, "hit_effect", spell.hitEffect);
    ReadString(doc, "cast_sound", spell.castSound);
    ReadString(doc, "hit_sound", spell.hitSound);
    return true;
}
