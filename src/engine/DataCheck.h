#pragma once
#include <functional>
#include <string>
#include <vector>

// `--check-data`: every loader registers a check that loads its files and reports each problem
// as one line. The checks are run by the start-up code (app/DataCheckRunner), without a window
// unless a check needs OpenGL (shaders), which then gets a hidden context.
//
// To add a check, put one line at file scope in the .cpp that holds it (the game is one object
// library, so nothing drops the file):
//     const bool registered = datacheck::Register("Levels", CheckLevels);
// Pass `true` as third argument when the check needs an OpenGL context.
namespace datacheck {

struct Problems {
    std::vector<std::string> lines;
    void Add(std::string line) { lines.push_back(std::move(line)); }
};

using Check = std::function<void(Problems&)>;

struct Entry {
    std::string name;
    Check check;
    bool needsGl = false;
};

// Registers a check; checks run in name order. Returns true so it can initialise a constant.
bool Register(const std::string& name, Check check, bool needsGl = false);

// Every registered check, in name order.
std::vector<Entry> Registered();

}  // namespace datacheck
