#pragma once
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/Json.h"
#include "spells/Spell.h"
#include "spells/SpellTypes.h"

// Every spell of one battle, per element and by name. Spells are built in place and never copied
// or moved: the pointers hands and cards hold stay valid for the book's whole life, even when a
// later definition of the same name replaces a spell (the replaced one is kept, unlisted).
class SpellBook {
public:
    // folder holds "Objects/", "Scripts/" and the "SpellList_<Element>.json" files.
    explicit SpellBook(std::string folder = kSpellFolder);
    SpellBook(const SpellBook&) = delete;
    SpellBook& operator=(const SpellBook&) = delete;

    // Loads a definition and files it under its own name and element. Returns the filed spell, or
    // nullptr after a log line: a definition that failed to load, an element outside 0..4, or a
    // name already filed under another element (names are unique across the book).
    const Spell* Add(const std::string& definitionName);

    // Adds every string of the document's "spell_name" array, in order; other entries are skipped,
    // and a document without that array adds nothing. Returns the number of spells filed.
    int AddList(const json::Value& list);
    // Reads "SpellList_<Element>.json" from the folder and adds it. The caller logs a failure.
    json::Result AddListFile(ElementType element);
    // The list file's path for an element ("<folder>SpellList_Fire.json").
    std::string ListPath(ElementType element) const;

    // The spell of that element with exactly that name, or nullptr.
    const Spell* Get(ElementType element, const std::string& name) const;
    // The spell of that name in any element, or nullptr.
    const Spell* Find(const std::string& name) const;
    // A random spell of the element other than "Cantrip" (index RandomU32() mod count in name
    // order), or nullptr when there is none.
    const Spell* Random(ElementType element) const;
    // Like Random, drawing from every element in the list together.
    const Spell* RandomOf(const std::vector<ElementType>& elements) const;

    // The spells of an element in name order (byte-wise).
    std::vector<const Spell*> Spells(ElementType element) const;
    // Every filed spell, element by element, each in name order.
    std::vector<const Spell*> All() const;
    int Count() const;
    void Clear();

    const std::string& Folder() const { return folder; }

private:
    using Table = std::map<std::string, std::unique_ptr<Spell>>;
    std::string folder;
    std::array<Table, kElementCount> tables;
    // Spells replaced by a later definition of the same name: kept so no pointer dangles.
    std::vector<std::unique_ptr<Spell>> retired;
};
