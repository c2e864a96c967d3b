#include "spells/ScriptParser.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <type_traits>

#include "engine/Log.h"
#include "spells/SpellLimits.h"
#include "spells/SpellWords.h"

namespace {

enum class Section { None, Self, Enemy, Ally, Tile, Flavor, Description };

// Header texts in the order they are tried; the first found anywhere in the line wins.
constexpr std::array<std::pair<const char*, Section>, 6> kHeaders = {{{"on self", Section::Self},
                                                                      {"on enemy", Section::Enemy},
                                                                      {"on ally", Section::Ally},
                                                                      {"on tile", Section::Tile},
                                                                      {"flavor", Section::Flavor},
                                                                      {"description", Section::Description}}};

Section HeaderOf(const std::string& line)
{
    for (const auto& [text, section] : kHeaders)
        if (line.find(text) != std::string::npos) return section;
    return Section::None;
}

CommandType CommandTypeOf(Section s)
{
    switch (s) {
    case Section::Enemy: return CommandType::Enemy;
    case Section::Ally: return CommandType::Ally;
    case Section::Tile: return CommandType::Tile;
    default: return CommandType::Self;
    }
}

struct Word {
    const char* text;
    CommandKind kind;
};

// The command words each section accepts, in the order they are tried.
std::vector<Word> WordsFor(CommandType section)
{
    const Word damage{"damage", CommandKind::Damage}, inflict{"inflict", CommandKind::Inflict},
        create{"create", CommandKind::Create}, reroll{"reroll", CommandKind::Reroll},
        cleanse{"cleanse", CommandKind::Cleanse};
    switch (section) {
    case CommandType::Self: return {damage, inflict, reroll, cleanse};
    case CommandType::Enemy: return {damage, inflict, reroll};
    case CommandType::Ally: return {damage, inflict, reroll, cleanse};
    case CommandType::Tile: return {damage, inflict, create, reroll};
    }
    return {};
}

std::vector<std::string> Tokens(const std::string& line)
{
    std::vector<std::string> tokens;
    std::size_t at = 0;
    const char* blanks = " \t\r\n\v\f";
    while ((at = line.find_first_not_of(blanks, at)) != std::string::npos) {
        std::size_t end = line.find_first_of(blanks, at);
        tokens.push_back(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
        at = end;
    }
    return tokens;
}

// An optional sign and digits only; anything else reads as 0. Values beyond 32 bits are held at
// the 32-bit limits (the command's own bounds narrow them further).
std::int64_t NumberToken(const std::vector<std::string>& tokens, std::size_t index, bool& plain)
{
    plain = index < tokens.size();
    if (!plain) return 0;
    const std::string& t = tokens[index];
    std::size_t at = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    if (at == t.size()) {
        plain = false;
        return 0;
    }
    std::int64_t value = 0;
    for (; at < t.size(); ++at) {
        if (t[at] < '0' || t[at] > '9') {
            plain = false;
            return 0;
        }
        if (value <= std::numeric_limits<std::int32_t>::max()) value = value * 10 + (t[at] - '0');
    }
    value = std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max() + std::int64_t{1});
    return t[0] == '-' ? -value : std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max());
}

std::string WordToken(const std::vector<std::string>& tokens, std::size_t index)
{
    return index < tokens.size() ? tokens[index] : std::string();
}

class Parser {
public:
    Parser(Spell& spell, std::vector<std::string>* notes) : spell(spell), notes(notes) {}

    void Run(const std::string& text)
    {
        std::istringstream in(text);
        std::string line;
        Section open = Section::None;
        std::string body;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (open == Section::None) {
                open = HeaderOf(line);
                body.clear();
            } else if (line.empty()) {
                Close(open, body);
                open = Section::None;
            } else if (open == Section::Flavor || open == Section::Description) {
                body += line + '\n';
            } else {
                CommandLine(CommandTypeOf(open), line);
            }
        }
        Close(open, body);
    }

private:
    void Close(Section open, const std::string& body)
    {
        if (open == Section::Flavor) spell.flavor = body;
        if (open == Section::Description) spell.description = body;
    }

    void Note(const std::string& text)
    {
        if (notes) notes->push_back(text);
    }

    void CommandLine(CommandType section, const std::string& line)
    {
        if (notes) CheckBodyLine(line);
        for (const Word& word : WordsFor(section)) {
            if (line.find(word.text) == std::string::npos) continue;
            Add(section, word.kind, Tokens(line), line);
            return;
        }
        Note("line matches no command of its section: \"" + line + "\"");
    }

    // What the game tolerates but an author most likely did not mean.
    void CheckBodyLine(const std::string& line)
    {
        if (HeaderOf(line) != Section::None) Note("section header inside a body: \"" + line + "\"");
        int words = 0;
        for (const char* word : {"damage", "inflict", "create", "reroll", "cleanse"})
            words += line.find(word) != std::string::npos;
        if (words > 1) Note("more than one command word in \"" + line + "\"");
    }

    template <typename Enum>
    std::int32_t WordArgument(const std::vector<std::string>& tokens, Enum (*lookup)(const std::string&),
                              const std::string& line)
    {
        const std::string word = WordToken(tokens, 1);
        const auto value = static_cast<std::int32_t>(lookup(word));
        const bool named = value != 0 || (std::is_same_v<Enum, ElementType> && word == "normal");
        if (!named) Note("unknown word \"" + word + "\" in \"" + line + "\"");
        return value;
    }

    std::int32_t Number(const std::vector<std::string>& tokens, std::size_t index, spelllimits::Bounds bounds,
                        const std::string& what, const std::string& line)
    {
        bool plain = false;
        std::int64_t value = NumberToken(tokens, index, plain);
        if (!plain) Note("missing or malformed number in \"" + line + "\"");
        return spelllimits::ClampLogged(value, bounds, spell.name, what);
    }

    void Add(CommandType section, CommandKind kind, const std::vector<std::string>& tokens, const std::string& line)
    {
        SpellCommand c{kind, 0, 0, section};
        switch (kind) {
        case CommandKind::Damage:
            c.word = WordArgument(tokens, spellwords::ElementFromWord, line);
            c.number = Number(tokens, 2, spelllimits::kAmount, "damage amount", line);
            break;
        case CommandKind::Inflict:
            c.word = WordArgument(tokens, spellwords::InflictFromWord, line);
            c.number = Number(tokens, 2, spelllimits::kDuration, "inflict duration", line);
            break;
        case CommandKind::Create:
            c.word = WordArgument(tokens, spellwords::CreateFromWord, line);
            c.number = Number(tokens, 2, spelllimits::kLifetime, "create lifetime", line);
            break;
        case CommandKind::Reroll:
            c.number = Number(tokens, 1, spelllimits::kRerollNeeded, "reroll needed", line);
            break;
        case CommandKind::Cleanse: break;
        }
        spell.Commands(section).push_back(c);
        Summarise(c);
    }

    void Summarise(const SpellCommand& c)
    {
        const bool self = c.section == CommandType::Self, enemy = c.section == CommandType::Enemy,
                   ally = c.section == CommandType::Ally;
        if (c.kind == CommandKind::Damage) {
            const bool positive = c.number >= 1;
            spell.damagesEnemy |= enemy && positive;
            spell.healsEnemy |= enemy && !positive;
            spell.harmsSelf |= self && !positive;
            spell.healsSelf |= self && positive;
            spell.harmsAlly |= ally && !positive;
            spell.healsAlly |= ally && positive;
            // Bounded amounts and the size cap keep these sums far from overflow.
            if (self && !positive) spell.selfDamageTotal += -c.number;
            if (enemy) spell.enemyDamageTotal += c.number;
        } else if (c.kind == CommandKind::Inflict || c.kind == CommandKind::Cleanse) {
            spell.afflictsEnemy |= enemy && c.kind == CommandKind::Inflict;
            spell.changesSelfStatus |= self;
            spell.changesAllyStatus |= ally;
        } else if (c.kind == CommandKind::Create) {
            SummariseCreate(static_cast<CreateType>(c.word));
        }
    }

    void SummariseCreate(CreateType type)
    {
        spell.createsObjects = true;
        spell.createArea = 4 * spell.size - 3;
        switch (type) {
        case CreateType::Boulder: spell.createsObstacle = true; break;
        case CreateType::Caltrop:
        case CreateType::HotCoal: spell.createsHazard = true; break;
        case CreateType::Primalite:
        case CreateType::FireTile:
        case CreateType::AetherTile:
        case CreateType::Ambrosia: spell.createsBoon = true; break;
        case CreateType::None: break;
        }
    }

    Spell& spell;
    std::vector<std::string>* notes;
};

}  // namespace

void ParseSpellScriptText(Spell& spell, const std::string& text, std::vector<std::string>* notes)
{
    Parser(spell, notes).Run(text);
}

bool ParseSpellScript(Spell& spell, const std::string& scriptName, const std::string& folder)
{
    if (!IsValidSpellName(scriptName)) {
        print("!!! - Spell name refused: ", scriptName);
        return false;
    }
    const std::string path = folder + "Scripts/" + scriptName + ".txt";
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        print("Spell could not open script ", path);
        return false;
    }
    // Read at most one byte past the cap: enough to know the file is too large.
    std::string text;
    char buffer[4096];
    while (text.size() <= kMaxScriptBytes && in.read(buffer, sizeof buffer).gcount() > 0)
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxScriptBytes) {
        print("!!! - Spell script too large: ", path);
        return false;
    }
    ParseSpellScriptText(spell, text);
    return true;
}
