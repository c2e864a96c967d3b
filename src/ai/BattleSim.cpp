#include "ai/BattleSim.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <streambuf>

#include "ai/AiMatch.h"
#include "battle/BattleHarness.h"
#include "engine/Log.h"

namespace {

bool ReadNumber(const std::string& text, long lo, long hi, long& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && value >= lo && value <= hi;
}

// Swallows what the battle writes to standard output (click results and the like).
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c == traits_type::eof() ? 0 : c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// The shipped levels with two sides, in name order.
std::vector<std::string> TwoSidedLevels(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".json") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    std::vector<std::string> playable;
    for (const std::string& name : names) {
        HarnessOptions options;
        options.levelFolder = folder;
        BattleHarness harness(options);
        if (harness.Load(name) && harness.GetMap().playerCount >= 2) playable.push_back(name);
    }
    return playable;
}

float Percentile99(std::vector<float>& values)
{
    if (values.empty()) return 0.0f;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

struct Totals {
    int battles = 0;
    int finished = 0;
    int wins[3] = {0, 0, 0};  // draws, side 1, side 2
    int maxRounds = 0;
    bool sound = true;
    std::vector<float> micros;
};

void PlayOne(const BattleSimOptions& options, const std::string& level, unsigned seed, Totals& totals,
             std::ostream& out)
{
    AiMatchSettings settings;
    settings.level = level;
    settings.levelFolder = options.levelFolder;
    settings.seed = seed;
    settings.difficulty2 = options.difficulty;
    settings.difficulty1 = options.difficulty1.value_or(options.difficulty);
    settings.report = options.reports ? &out : nullptr;
    AiMatchResult result = PlayAiMatch(settings);
    ++totals.battles;
    if (result.finished) {
        ++totals.finished;
        ++totals.wins[result.winner == 1 || result.winner == 2 ? result.winner : 0];
    }
    totals.maxRounds = std::max(totals.maxRounds, result.rounds);
    totals.micros.insert(totals.micros.end(), result.decideMicros.begin(), result.decideMicros.end());
    const char* winner = !result.finished ? "none" : result.winner == 1 ? "1" : result.winner == 2 ? "2" : "draw";
    out << "level: " << level << " seed: " << seed << " winner: " << winner << " rounds: " << result.rounds
        << " decisions: " << result.decisions << '\n';
    if (!result.loaded) out << "  level did not load as a two-sided battle\n";
    for (const std::string& line : result.broken) out << "  invariant broken: " << line << '\n';
    if (!result.loaded || !result.broken.empty() || !result.finished) totals.sound = false;
    out.flush();
}

}  // namespace

std::string BattleSimUsage()
{
    return "Usage: battle-sim [--battles N] [--seed S] [--level NAME] [--difficulty D]\n"
           "                  [--difficulty1 D] [--reports] [--levels DIR] [--log FILE]\n"
           "Plays seeded computer-against-computer battles without a window: every shipped\n"
           "two-sided level in turn (one battle each unless --battles N), battle i with seed S + i.\n"
           "  --difficulty D   both sides at D (0 easy, 1 medium, 2 hard, 3 impossible)\n"
           "  --difficulty1 D  side 1 at D instead (to compare difficulties)\n"
           "  --reports        print every decision report\n"
           "Exit status 0 only when every battle ended within 200 rounds with the battle's\n"
           "invariants held after every action.\n";
}

std::string ParseBattleSimArgs(const std::vector<std::string>& args, BattleSimOptions& options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") return "help";
        if (name == "--reports") {
            options.reports = true;
            continue;
        }
        if (i + 1 >= args.size()) return "unknown option or missing value: " + name;
        const std::string& value = args[++i];
        long number = 0;
        if (name == "--battles" && ReadNumber(value, 1, 1000000, number))
            options.battles = static_cast<int>(number);
        else if (name == "--seed" && ReadNumber(value, 0, 4294967295L, number))
            options.seed = static_cast<unsigned>(number);
        else if (name == "--difficulty" && ReadNumber(value, 0, 3, number))
            options.difficulty = static_cast<int>(number);
        else if (name == "--difficulty1" && ReadNumber(value, 0, 3, number))
            options.difficulty1 = static_cast<int>(number);
        else if (name == "--level")
            options.level = value;
        else if (name == "--levels")
            options.levelFolder = value.empty() || value.back() == '/' ? value : value + "/";
        else if (name == "--log")
            options.log = value;
        else
            return "bad option or value: " + name + " " + value;
    }
    return {};
}

int RunBattleSim(const BattleSimOptions& options, std::ostream& out)
{
    std::ostream lines(out.rdbuf());
    NullBuffer silence;
    std::streambuf* shown = std::cout.rdbuf(&silence);
    std::unique_ptr<Log> log = Log::Create(options.log);
    std::vector<std::string> levels = options.level ? std::vector<std::string>{*options.level} : TwoSidedLevels(options.levelFolder);
    Totals totals;
    if (!levels.empty()) {
        const int count = options.battles.value_or(static_cast<int>(levels.size()));
        for (int i = 0; i < count; ++i)
            PlayOne(options, levels[static_cast<std::size_t>(i) % levels.size()], options.seed + static_cast<unsigned>(i),
                    totals, lines);
    }
    std::cout.rdbuf(shown);
    const float p99 = Percentile99(totals.micros);
    lines << "battles: " << totals.battles << " finished: " << totals.finished << " side1: " << totals.wins[1]
          << " side2: " << totals.wins[2] << " draws: " << totals.wins[0] << " max_rounds: " << totals.maxRounds
          << " decide_p99_us: " << static_cast<long>(std::ceil(p99)) << std::endl;
    if (totals.battles == 0) return 2;
    return totals.sound ? 0 : 1;
}
