#include "engine/CommandLine.h"

#include <charconv>
#include <limits>

#include "scenes/SceneIndex.h"

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& out, T lo, T hi)
{
    T value{};
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return false;
    if (value < lo || value > hi) return false;
    out = value;
    return true;
}

struct Parser {
    const std::vector<std::string>& args;
    std::size_t i = 0;
    ParseOutcome result;

    bool Value(const std::string& option, std::string& out)
    {
        if (i + 1 >= args.size()) {
            result.error = option + " needs a value";
            return false;
        }
        out = args[++i];
        return true;
    }

    bool Text(const std::string& option, std::optional<std::string>& slot)
    {
        std::string text;
        if (!Value(option, text)) return false;
        slot = text;
        return true;
    }

    template <typename T>
    bool Number(const std::string& option, std::optional<T>& slot, T lo, T hi)
    {
        std::string text;
        if (!Value(option, text)) return false;
        T value{};
        if (!ParseNumber(text, value, lo, hi)) {
            result.error = "bad value for " + option + ": '" + text + "' (expected a whole number from " +
                           std::to_string(lo) + " to " + std::to_string(hi) + ")";
            return false;
        }
        slot = value;
        return true;
    }

    bool One()
    {
        const std::string& arg = args[i];
        Options& o = result.options;
        if (arg == "--help" || arg == "-h") return o.help = true;
        if (arg == "--version") return o.version = true;
        if (arg == "--windowed") return o.windowed = true;
        if (arg == "--check-data") return o.checkData = true;
        if (arg == "--seed") return Number(arg, o.seed, 0u, std::numeric_limits<unsigned>::max());
        if (arg == "--frames") return Number(arg, o.frames, 1L, std::numeric_limits<long>::max());
        if (arg == "--scene") return Number(arg, o.scene, 0, kSceneCount - 1);
        if (arg == "--level") return Text(arg, o.level);
        if (arg == "--setup") return Text(arg, o.setup);
        result.error = "unknown option: " + arg;
        return false;
    }
};

}  // namespace

ParseOutcome ParseCommandLine(const std::vector<std::string>& args)
{
    Parser parser{args, 0, {}};
    for (parser.i = 0; parser.i < args.size(); ++parser.i) {
        if (!parser.One()) return parser.result;
    }
    const Options& o = parser.result.options;
    if (o.level && o.scene.value_or(-1) != kSceneGameMap)
        parser.result.error = "--level NAME goes with --scene " + std::to_string(kSceneGameMap) + " (the battle)";
    return parser.result;
}

std::string UsageText()
{
    return "Usage: primalites [options]\n"
           "\n"
           "Primalites, a turn-based tactics game of wizards and elemental tokens.\n"
           "\n"
           "Options:\n"
           "  --help           show this help and exit\n"
           "  --version        print the version and exit\n"
           "  --windowed       play this run in a window (the saved setting is kept)\n"
           "  --seed N         seed the random source with N instead of the time\n"
           "  --frames N       shut down in order after N frames\n"
           "  --scene INDEX    start in scene INDEX (0-13) instead of the intro\n"
           "  --level NAME     with --scene 1: the level the battle loads\n"
           "  --setup KEY=VALUE,...\n"
           "                   fill the battle set-up before the first scene, to test the battle\n"
           "                   and the victory screens (--scene 1, 7 or 12). Keys: level (a plain\n"
           "                   name), winner (-1 to 9), turns (0 or more), par (0 or more),\n"
           "                   campaign (0/1), tutorial (0/1), cpu (0/1), divine (0/1),\n"
           "                   duplication (0/1), faction1 (1-10), faction2 (1-10),\n"
           "                   difficulty (0-3), color1 (0-7), color2 (0-7); 0/1 may also be\n"
           "                   written false/true. --level NAME is the same as level=NAME.\n"
           "  --check-data     load every data file, print each problem, exit 1 if any\n"
           "\n"
           "Scenes: 0 main menu, 1 battle, 2 particle test, 3 spell card test, 4 render test,\n"
           "5 settings, 6 how to play, 7 victory, 8 intro, 9 game setup, 10 credits,\n"
           "11 campaign, 12 campaign victory, 13 statistics.\n";
}
