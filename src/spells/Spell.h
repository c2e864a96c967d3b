#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/Json.h"
#include "spells/SpellTypes.h"

// What one script line does. Commands are plain data: the spell that holds them runs them at a
// cast, so nothing points back into a spell object that could move.
enum class CommandKind : std::int32_t { Damage = 0, Inflict = 1, Create = 2, Reroll = 3, Cleanse = 4 };

struct SpellCommand {
    CommandKind kind = CommandKind::Damage;
    std::int32_t number = 0;                  // damage amount, duration, lifetime or reroll target
    std::int32_t word = 0;                    // element, inflict type or create type (0 for the rest)
    CommandType section = CommandType::Self;  // the script section the line came from
};

// One spell: its numbers and presentation from the definition file, and what its script does.
// Spells live in the SpellBook, built in place and never copied or moved, so every hand and card
// can hold a plain pointer and all of them share one `backedOut` flag.
class Spell : public SpellEffects {
public:
    Spell();
    Spell(const Spell&) = delete;
    Spell& operator=(const Spell&) = delete;
    Spell(Spell&&) = delete;
    Spell& operator=(Spell&&) = delete;

    std::string name = "ERROR";
    ElementType element = ElementType::Normal;
    std::int32_t cost = 0;
    std::int32_t range = 0;
    std::int32_t size = 0;  // a tile is in the area when its distance from the target is below size
    std::int32_t hitChance = 0;
    std::string description = "ERROR";
    std::string flavor;

    bool useElementColor = true;
    bool spinning = false;
    std::string spellSprite;
    std::string trailEffect;
    std::string hitEffect;
    std::string castSound;
    std::string hitSound;

    std::vector<SpellCommand> selfCommands;
    std::vector<SpellCommand> enemyCommands;
    std::vector<SpellCommand> allyCommands;
    std::vector<SpellCommand> tileCommands;

    // Set by a failed reroll, consumed by the next command any run of this spell reaches. Owned by
    // the spell and reachable through a const Spell (hands hold const pointers).
    const std::unique_ptr<bool> backedOut;

    // The command list run for a target kind.
    const std::vector<SpellCommand>& Commands(CommandType kind) const;
    std::vector<SpellCommand>& Commands(CommandType kind);
    // True when the script has any command in the "on self" or "on ally" section: the caster's own
    // tile is then a valid target (the caster counts as its own ally).
    bool TargetsOwnTile() const { return !selfCommands.empty() || !allyCommands.empty(); }
    bool HasAnyCommand() const;
};

// The name of the one spell every side is handed for free; never drawn at random, never counted
// towards a hand's size.
inline constexpr const char* kCantripName = "Cantrip";

// Where spell content lives, relative to the working folder.
inline constexpr const char* kSpellFolder = "./Data/Spells/";

// Loads the definition `<folder>Objects/<definitionName>.json` into a freshly constructed spell,
// parsing its script. Returns false (after its log line) when the definition must not be filed:
// a refused name, a missing or unparsable file, or no "name".
bool LoadSpellDefinition(Spell& spell, const std::string& definitionName, const std::string& folder = kSpellFolder);

// The same for a definition already parsed (path only names it in log lines).
bool ReadSpellDefinition(Spell& spell, const json::Value& doc, const std::string& path,
                         const std::string& folder = kSpellFolder);

// Definition and script names become file names: only letters, digits, '_', ' ' and '-' are
// allowed, 1 to 64 characters, so no name can reach outside the spell folders.
bool IsValidSpellName(const std::string& name);

// Number of spells in a hand that count towards its limit: all but "Cantrip".
int CountHeldSpells(const std::vector<const Spell*>& hand);
