#include "spells/SpellBook.h"

#include "engine/Log.h"
#include "engine/Random.h"
#include "spells/SpellWords.h"

namespace {

std::size_t Slot(ElementType element)
{
    return static_cast<std::size_t>(element);
}

// "fire" -> "Fire": the list files carry the element word capitalised.
std::string Capitalised(const char* word)
{
    std::string text = word;
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

}  // namespace

SpellBook::SpellBook(std::string folder) : folder(std::move(folder)) {}

const Spell* SpellBook::Add(const std::string& definitionName)
{
    auto spell = std::make_unique<Spell>();
    if (!LoadSpellDefinition(*spell, definitionName, folder)) return nullptr;
    if (!spellwords::IsElement(static_cast<int>(spell->element))) {
        print("Spellbook received bad data, die.");
        return nullptr;
    }
    const Spell* other = Find(spell->name);
    if (other && other->element != spell->element) {
        print("! - Spellbook already holds ", spell->name, " under another element; ", definitionName, " not added");
        return nullptr;
    }
    Table& table = tables[Slot(spell->element)];
    std::unique_ptr<Spell>& entry = table[spell->name];
    if (entry) retired.push_back(std::move(entry));
    entry = std::move(spell);
    return entry.get();
}

int SpellBook::AddList(const json::Value& list)
{
    const json::Value* names = nullptr;
    if (json::GetArray(list, "spell_name", names) != json::Field::Ok) return 0;
    int added = 0;
    for (const json::Value& name : names->GetArray())
        if (name.IsString() && Add(name.GetString())) ++added;
    return added;
}

std::string SpellBook::ListPath(ElementType element) const
{
    return folder + "SpellList_" + Capitalised(spellwords::ElementWord(element)) + ".json";
}

json::Result SpellBook::AddListFile(ElementType element)
{
    json::Document doc;
    json::Result result = json::ParseFile(ListPath(element), doc);
    if (result.ok()) AddList(doc);
    return result;
}

const Spell* SpellBook::Get(ElementType element, const std::string& name) const
{
    if (!spellwords::IsElement(static_cast<int>(element))) return nullptr;
    const Table& table = tables[Slot(element)];
    auto it = table.find(name);
    return it == table.end() ? nullptr : it->second.get();
}

const Spell* SpellBook::Find(const std::string& name) const
{
    for (const Table& table : tables) {
        auto it = table.find(name);
        if (it != table.end()) return it->second.get();
    }
    return nullptr;
}

const Spell* SpellBook::Random(ElementType element) const
{
    return RandomOf({element});
}

const Spell* SpellBook::RandomOf(const std::vector<ElementType>& elements) const
{
    std::vector<const Spell*> pool;
    for (ElementType element : elements)
        for (const Spell* spell : Spells(element))
            if (spell->name != kCantripName) pool.push_back(spell);
    if (pool.empty()) return nullptr;
    return pool[RandomU32() % pool.size()];
}

std::vector<const Spell*> SpellBook::Spells(ElementType element) const
{
    std::vector<const Spell*> spells;
    if (!spellwords::IsElement(static_cast<int>(element))) return spells;
    for (const auto& [name, spell] : tables[Slot(element)]) spells.push_back(spell.get());
    return spells;
}

std::vector<const Spell*> SpellBook::All() const
{
    std::vector<const Spell*> spells;
    for (int e = 0; e < kElementCount; ++e)
        for (const Spell* spell : Spells(static_cast<ElementType>(e))) spells.push_back(spell);
    return spells;
}

int SpellBook::Count() const
{
    int count = 0;
    for (const Table& table : tables) count += static_cast<int>(table.size());
    return count;
}

void SpellBook::Clear()
{
    for (Table& table : tables) table.clear();
    retired.clear();
}
