#include "engine/DataCheck.h"

#include <cstdio>
#include <map>

namespace datacheck {
namespace {
struct Entry {
    Check check;
    bool needsGl = false;
};
std::map<std::string, Entry>& Registry()
{
    static std::map<std::string, Entry> registry;
    return registry;
}
}  // namespace

bool Register(const std::string& name, Check check, bool needsGl)
{
    Registry()[name] = Entry{std::move(check), needsGl};
    return true;
}

int RunAll()
{
    Problems problems;
    for (auto& [name, entry] : Registry()) {
        if (entry.check) entry.check(problems);
    }
    for (const auto& line : problems.lines) std::printf("%s\n", line.c_str());
    if (problems.lines.empty()) std::printf("All game data is in order.\n");
    return static_cast<int>(problems.lines.size());
}

}  // namespace datacheck
