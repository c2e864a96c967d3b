#include "meta/SetupHook.h"

#include <array>
#include <charconv>
#include <functional>
#include <limits>
#include <set>

#include "meta/BattleSetup.h"
#include "meta/Factions.h"

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();

bool ParseInt(std::string_view text, int lo, int hi, int& out)
{
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < lo || value > hi) return false;
    out = value;
    return true;
}

bool ParseBool(std::string_view text, bool& out)
{
    if (text == "1" || text == "true") return out = true, true;
    if (text == "0" || text == "false") return out = false, true;
    return false;
}

// A level is a file name under ./Data/Levels: letters, digits, '_' and '-' only.
bool PlainName(std::string_view text)
{
    if (text.empty() || text.size() > 64) return false;
    for (char c : text) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!ok) return false;
    }
    return true;
}

using Setter = std::function<bool(std::string_view, BattleSetupRecord&)>;

Setter Int(int BattleSetupRecord::*field, int lo, int hi)
{
    return [=](std::string_view v, BattleSetupRecord& s) { return ParseInt(v, lo, hi, s.*field); };
}

Setter Flag(bool BattleSetupRecord::*field)
{
    return [=](std::string_view v, BattleSetupRecord& s) { return ParseBool(v, s.*field); };
}

Setter Color(TeamRgba BattleSetupRecord::*field)
{
    return [=](std::string_view v, BattleSetupRecord& s) {
        int index = 0;
        if (!ParseInt(v, 0, static_cast<int>(kTeamColors.size()) - 1, index)) return false;
        s.*field = kTeamColors[static_cast<std::size_t>(index)];
        return true;
    };
}

struct Key {
    std::string_view name;
    std::string_view expected;
    Setter set;
};

const std::array<Key, 14>& Keys()
{
    using B = BattleSetupRecord;
    static const std::array<Key, 14> keys{{
        {"level", "a plain level name", [](std::string_view v, B& s) { return PlainName(v) && (s.levelName = v, true); }},
        {"winner", "-1 to 9", Int(&B::winner, -1, 9)},
        {"turns", "0 or more", Int(&B::turnsUsed, 0, kIntMax)},
        {"par", "0 or more", Int(&B::parTurns, 0, kIntMax)},
        {"campaign", "0, 1, true or false", Flag(&B::campaignMode)},
        {"tutorial", "0, 1, true or false", Flag(&B::tutorialMode)},
        {"faction1", "1 to 10", Int(&B::player1Faction, 1, kFactionCount)},
        {"faction2", "1 to 10", Int(&B::player2Faction, 1, kFactionCount)},
        {"cpu", "0, 1, true or false", Flag(&B::cpuEnabled)},
        {"difficulty", "0 to 3", Int(&B::aiDifficulty, 0, 3)},
        {"color1", "0 to 7", Color(&B::player1Color)},
        {"color2", "0 to 7", Color(&B::player2Color)},
        {"divine", "0, 1, true or false", Flag(&B::divineIntervention)},
        {"duplication", "0, 1, true or false", Flag(&B::duplicationProtection)},
    }};
    return keys;
}

const Key* FindKey(std::string_view name)
{
    for (const Key& key : Keys())
        if (key.name == name) return &key;
    return nullptr;
}

std::string ApplyOne(std::string_view item, BattleSetupRecord& setup, std::set<std::string_view>& seen)
{
    const std::size_t equals = item.find('=');
    if (equals == std::string_view::npos) return "--setup: '" + std::string(item) + "' is not KEY=VALUE";
    const std::string_view name = item.substr(0, equals);
    const std::string_view value = item.substr(equals + 1);
    const Key* key = FindKey(name);
    if (!key) return "--setup: unknown key '" + std::string(name) + "'";
    if (!seen.insert(key->name).second) return "--setup: '" + std::string(name) + "' is given twice";
    if (!key->set(value, setup))
        return "--setup: bad value for " + std::string(name) + ": '" + std::string(value) + "' (expected " +
               std::string(key->expected) + ")";
    return {};
}

}  // namespace

std::string ApplySetupHook(std::string_view text, BattleSetupRecord& setup)
{
    BattleSetupRecord changed = setup;
    std::set<std::string_view> seen;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        std::string error = ApplyOne(item, changed, seen);
        if (!error.empty()) return error;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    setup = changed;
    return {};
}

std::vector<std::string_view> SetupHookKeys()
{
    std::vector<std::string_view> names;
    for (const Key& key : Keys()) names.push_back(key.name);
    return names;
}

StartSetup CombineStartSetup(const std::optional<std::string>& level, const std::optional<std::string>& setup)
{
    StartSetup start;
    if (level) start.text = "level=" + *level;
    if (setup) start.text += (level ? "," : "") + *setup;
    if (start.text.empty()) return start;
    BattleSetupRecord scratch;
    start.error = ApplySetupHook(start.text, scratch);
    if (level && setup && start.error.find("'level' is given twice") != std::string::npos)
        start.error = "--level NAME and --setup level=NAME cannot both be given";
    else if (level && start.error.rfind("--setup: bad value for level", 0) == 0)
        start.error = "bad value for --level: '" + *level + "' (expected a plain level name)";
    return start;
}
