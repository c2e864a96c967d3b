#include "app/CommandLine.h"

#include <charconv>
#include <functional>
#include <limits>

#include "scenes/SceneIndex.h"

namespace {

// Stores an option's value into the options; returns what is wrong with the value, empty when good.
using Apply = std::function<std::string(Options&, const std::string& value)>;

struct OptionRow {
    const char* name;
    const char* value;  // what the value is called in the help, "" for a switch without one
    const char* help;
    Apply apply;
};

Apply Switch(bool Options::*field)
{
    return [field](Options& o, const std::string&) {
        o.*field = true;
        return std::string();
    };
}

template <typename T>
Apply WholeNumber(std::optional<T> Options::*field, T lo, T hi)
{
    return [field, lo, hi](Options& o, const std::string& text) {
        T value{};
        const char* end = text.data() + text.size();
        auto [ptr, ec] = std::from_chars(text.data(), end, value);
        if (text.empty() || ec != std::errc() || ptr != end || value < lo || value > hi)
            return "'" + text + "' (expected a whole number from " + std::to_string(lo) + " to " +
                   std::to_string(hi) + ")";
        o.*field = value;
        return std::string();
    };
}

Apply Word(std::optional<std::string> Options::*field)
{
    return [field](Options& o, const std::string& text) {
        o.*field = text;
        return std::string();
    };
}

// Every option, in the order the help lists them.
const std::vector<OptionRow>& OptionTable()
{
    static const std::vector<OptionRow> rows = {
        {"--help", "", "show this help and exit", Switch(&Options::help)},
        {"--version", "", "print the version and exit", Switch(&Options::version)},
        {"--windowed", "", "play this run in a window (the saved setting is kept)", Switch(&Options::windowed)},
        {"--seed", "N", "seed the random source with N instead of the time",
         WholeNumber(&Options::seed, 0u, std::numeric_limits<unsigned>::max())},
        {"--frames", "N", "shut down in order after N frames",
         WholeNumber(&Options::frames, 1L, std::numeric_limits<long>::max())},
        {"--scene", "INDEX", "start in scene INDEX (0-13) instead of the intro",
         WholeNumber(&Options::scene, 0, kSceneCount - 1)},
        {"--level", "NAME", "with --scene 1: the level the battle loads", Word(&Options::level)},
        {"--cpu", "D", "with --scene 1: side 2 is played by the computer at difficulty D\n"
                       "(0 easy, 1 medium, 2 hard, 3 impossible)",
         WholeNumber(&Options::cpu, 0, 3)},
        {"--autoplay", "", "with --scene 1: the computer plays both sides, from the welcome\n"
                           "to the victory screen (at the difficulty of --cpu, else easy)",
         Switch(&Options::autoplay)},
        {"--setup", "KEY=VALUE,...",
         "fill the battle set-up before the first scene, to test the battle\n"
         "and the victory screens (--scene 1, 7 or 12). Keys: level (a plain\n"
         "name), winner (-1 to 9), turns (0 or more), par (0 or more),\n"
         "campaign (0/1), tutorial (0/1), cpu (0/1), divine (0/1),\n"
         "duplication (0/1), faction1 (1-10), faction2 (1-10),\n"
         "difficulty (0-3), color1 (0-7), color2 (0-7); 0/1 may also be\n"
         "written false/true. --level NAME is the same as level=NAME.",
         Word(&Options::setup)},
        {"--check-data", "", "load every data file, print each problem, exit 1 if any", Switch(&Options::checkData)},
        {"--no-gl", "", "with --check-data: skip the checks that need a display", Switch(&Options::noGl)},
    };
    return rows;
}

const OptionRow* FindOption(const std::string& arg)
{
    const std::string name = arg == "-h" ? "--help" : arg;
    for (const OptionRow& row : OptionTable())
        if (name == row.name) return &row;
    return nullptr;
}

// Options that only make sense together.
std::string CheckCombinations(const Options& o)
{
    if (o.level && o.scene.value_or(-1) != kSceneGameMap)
        return "--level NAME goes with --scene " + std::to_string(kSceneGameMap) + " (the battle)";
    if ((o.cpu || o.autoplay) && o.scene.value_or(-1) != kSceneGameMap)
        return std::string(o.cpu ? "--cpu D" : "--autoplay") + " goes with --scene " + std::to_string(kSceneGameMap) +
               " (the battle)";
    if (o.noGl && !o.checkData) return "--no-gl goes with --check-data";
    return {};
}

}  // namespace

ParseOutcome ParseCommandLine(const std::vector<std::string>& args)
{
    ParseOutcome result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionRow* row = FindOption(args[i]);
        if (!row) {
            result.error = "unknown option: " + args[i];
            return result;
        }
        std::string value;
        if (*row->value) {
            if (i + 1 >= args.size()) {
                result.error = std::string(row->name) + " needs a value";
                return result;
            }
            value = args[++i];
        }
        std::string problem = row->apply(result.options, value);
        if (!problem.empty()) {
            result.error = "bad value for " + std::string(row->name) + ": " + problem;
            return result;
        }
    }
    result.error = CheckCombinations(result.options);
    return result;
}

std::string UsageText()
{
    std::string text = "Usage: primalites [options]\n"
                       "\n"
                       "Primalites, a turn-based tactics game of wizards and elemental tokens.\n"
                       "\n"
                       "Options:\n";
    // Help lines start in column 19; a long option name gets its help on the lines below it.
    const std::string indent(19, ' ');
    for (const OptionRow& row : OptionTable()) {
        std::string left = "  " + std::string(row.name) + (*row.value ? std::string(" ") + row.value : "");
        text += left.size() < indent.size() ? left + std::string(indent.size() - left.size(), ' ') : left + "\n" + indent;
        for (char c : std::string(row.help)) text += c == '\n' ? "\n" + indent : std::string(1, c);
        text += "\n";
    }
    text += "\n"
            "Scenes: 0 main menu, 1 battle, 2 particle test, 3 spell card test, 4 render test,\n"
            "5 settings, 6 how to play, 7 victory, 8 intro, 9 game setup, 10 credits,\n"
            "11 campaign, 12 campaign victory, 13 statistics.\n"
           "\n"
           "Battle controls: left click selects a wizard, walks, picks a card and casts;\n"
           "a right click without dragging backs out of aiming or walking. Esc pauses,\n"
           "F party mode, C map view. Tab jumps to the next wizard with AP left, 1-9 pick\n"
           "a card of the selected wizard, Enter ends the turn (or answers the question on\n"
           "screen). While aiming, hovering a target previews the hit chance, damage or\n"
           "healing with the tile bonus, statuses and the health left. M shows the CHEAT MENU.\n";
    return text;
}
