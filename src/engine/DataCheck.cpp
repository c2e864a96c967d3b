#include "engine/DataCheck.h"

#include <algorithm>

namespace datacheck {
namespace {
std::vector<Entry>& Registry()
{
    static std::vector<Entry> registry;
    return registry;
}
}  // namespace

bool Register(const std::string& name, Check check, bool needsGl)
{
    Registry().push_back(Entry{name, std::move(check), needsGl});
    return true;
}

std::vector<Entry> Registered()
{
    // Two checks that happen to share a name both run, in the order they registered.
    std::vector<Entry> entries = Registry();
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

}  // namespace datacheck
