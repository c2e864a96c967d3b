#include "engine/DataCheck.h"

#include <cstdio>
#include <map>

#include "engine/Window.h"

namespace datacheck {
namespace {
struct Entry {
    Check check;
    bool needsGl = false;
};
std::multimap<std::string, Entry>& Registry()
{
    // A multimap: two checks that happen to share a name both run.
    static std::multimap<std::string, Entry> registry;
    return registry;
}
}  // namespace

bool Register(const std::string& name, Check check, bool needsGl)
{
    Registry().emplace(name, Entry{std::move(check), needsGl});
    return true;
}

int RunAll()
{
    Problems problems;
    bool wantGl = false;
    for (auto& [name, entry] : Registry()) wantGl = wantGl || entry.needsGl;
    bool haveGl = wantGl && CreateHiddenGlContext();
    for (auto& [name, entry] : Registry()) {
        if (!entry.check) continue;
        if (entry.needsGl && !haveGl) {
            std::fprintf(stderr, "%s: skipped, no display for an OpenGL context\n", name.c_str());
            continue;
        }
        entry.check(problems);
    }
    if (haveGl) DestroyHiddenGlContext();
    for (const auto& line : problems.lines) std::printf("%s\n", line.c_str());
    if (problems.lines.empty()) std::printf("All game data is in order.\n");
    return static_cast<int>(problems.lines.size());
}

}  // namespace datacheck
