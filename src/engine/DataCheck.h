#pragma once
#include <functional>
#include <string>
#include <vector>

// `--check-data`: every loader registers a check that loads its files and reports each problem
// as one line. Checks run without a window unless they ask for a hidden one (shaders).
namespace datacheck {

struct Problems {
    std::vector<std::string> lines;
    void Add(std::string line) { lines.push_back(std::move(line)); }
};

using Check = std::function<void(Problems&)>;

// Registers a check under a name; checks run in name order. Returns true so it can initialise a
// file-scope constant: `static const bool registered = datacheck::Register("Fonts", CheckFonts);`
bool Register(const std::string& name, Check check, bool needsGl = false);

// Runs every check; a hidden GL context is created first when any check needs one and a display
// exists. Prints the problems, one per line, and returns the number found.
int RunAll();

}  // namespace datacheck
