#include "app/DataCheckRunner.h"

#include <cstdio>

#include "engine/Log.h"
#include "engine/Window.h"

namespace datacheck {

Outcome Run(const std::vector<Entry>& checks, bool haveGl, bool skippingAllowed)
{
    Outcome outcome;
    Problems problems;
    std::vector<std::string> skippedLines;
    for (const Entry& entry : checks) {
        if (!entry.check) continue;
        if (entry.needsGl && !haveGl) {
            ++outcome.skipped;
            skippedLines.push_back(entry.name + ": not checked, no display for an OpenGL context" +
                                   (skippingAllowed ? " (--no-gl)" : "; run with a display, or add --no-gl"));
            continue;
        }
        entry.check(problems);
    }
    outcome.problems = static_cast<int>(problems.lines.size());
    outcome.lines = std::move(problems.lines);
    outcome.lines.insert(outcome.lines.end(), skippedLines.begin(), skippedLines.end());
    if (outcome.ExitCode(skippingAllowed) == 0)
        outcome.lines.push_back(outcome.skipped ? "All game data that could be checked is in order."
                                                : "All game data is in order.");
    return outcome;
}

int RunAll(bool noGl)
{
    // The loaders log as they load; those lines belong in no report, and the last game's
    // Log.txt stays as it was.
    std::unique_ptr<Log> quiet = Log::Create("/dev/null");
    std::vector<Entry> checks = Registered();
    bool wantGl = false;
    for (const Entry& entry : checks) wantGl = wantGl || entry.needsGl;
    const bool haveGl = wantGl && !noGl && CreateHiddenGlContext();
    Outcome outcome = Run(checks, haveGl, noGl);
    if (haveGl) DestroyHiddenGlContext();
    quiet.reset();
    for (const std::string& line : outcome.lines) std::printf("%s\n", line.c_str());
    return outcome.ExitCode(noGl);
}

}  // namespace datacheck
