#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// The folder of the game's own that holds Config.json and Profile.json. The environment is an
// input so the rules are tested without touching the real one.
namespace savefolder {

using EnvLookup = std::function<std::optional<std::string>(const char* name)>;

// The process environment; unset and empty variables both read as absent.
std::optional<std::string> ProcessEnv(const char* name);

// The folder the game was started from. Start-up remembers it before it moves beside the
// executable; until then (tools, tests) it is the current folder.
void RememberStartFolder(const std::filesystem::path& folder);
std::filesystem::path StartFolder();

// "USERPROFILE"/My Games/Primalites when USERPROFILE is set (a relative value is taken from
// `startFolder`, where the player typed it); otherwise the usual place for a game's data:
// $XDG_DATA_HOME/Primalites, or ~/.local/share/Primalites. Throws
// std::runtime_error("Documents directory not found") when none of these can be formed.
std::filesystem::path Locate(const EnvLookup& env, const std::filesystem::path& startFolder = StartFolder());

// Creates folder with its missing parents. Throws std::filesystem::filesystem_error ("exists"
// when its status cannot be read, "create_directories" when it cannot be made).
void Ensure(const std::filesystem::path& folder);

}  // namespace savefolder
