#include "meta/SaveFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace savefolder {

std::optional<std::string> ProcessEnv(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::string(value);
}

namespace {
fs::path& RememberedStart()
{
    static fs::path folder;
    return folder;
}
}  // namespace

void RememberStartFolder(const fs::path& folder)
{
    RememberedStart() = folder;
}

fs::path StartFolder()
{
    if (!RememberedStart().empty()) return RememberedStart();
    std::error_code ec;
    return fs::current_path(ec);
}

fs::path Locate(const EnvLookup& env, const fs::path& startFolder)
{
    if (auto profile = env("USERPROFILE")) return startFolder / *profile / "My Games" / "Primalites";
    // Relative values are to be ignored, as the XDG rules say; they would depend on the current folder.
    if (auto data = env("XDG_DATA_HOME"); data && fs::path(*data).is_absolute()) return fs::path(*data) / "Primalites";
    if (auto home = env("HOME"); home && fs::path(*home).is_absolute())
        return fs::path(*home) / ".local" / "share" / "Primalites";
    throw std::runtime_error("Documents directory not found");
}

void Ensure(const fs::path& folder)
{
    if (fs::exists(folder)) {
        if (!fs::is_directory(folder))
            throw fs::filesystem_error("create_directories", folder, std::make_error_code(std::errc::not_a_directory));
        return;
    }
    fs::create_directories(folder);
}

}  // namespace savefolder
