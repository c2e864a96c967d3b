#pragma once
#include <optional>
#include <string>
#include <vector>

// What the command line asks of this run. To add an option: a field here and one row in the
// option table of CommandLine.cpp (its help line comes from the same row).
struct Options {
    bool help = false;
    bool version = false;
    bool windowed = false;
    bool checkData = false;
    bool noGl = false;  // with --check-data: skipping the checks that need OpenGL is not a failure
    std::optional<unsigned> seed;
    std::optional<long> frames;
    std::optional<int> scene;
    std::optional<std::string> level;
    std::optional<int> cpu;  // `--cpu D`: side 2 is the computer at difficulty D
    bool autoplay = false;   // the computer plays both sides
    // `--setup KEY=VALUE,...`: the battle set-up record's test values (checked by start-up).
    std::optional<std::string> setup;
};

struct ParseOutcome {
    Options options;
    std::string error;  // empty when the command line is valid
};

ParseOutcome ParseCommandLine(const std::vector<std::string>& args);
std::string UsageText();
