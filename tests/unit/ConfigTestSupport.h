#pragma once
// Helpers shared by the configuration and profile tests: a scratch folder, file text, member order.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Json.h"

namespace configtest {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "primalites-config.XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::filesystem::path path;
};

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name(name)
    {
        if (const char* old = std::getenv(name)) previous = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (previous) setenv(name, previous->c_str(), 1);
        else unsetenv(name);
    }

private:
    const char* name;
    std::optional<std::string> previous;
};

inline void WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

inline std::string ReadText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Member names of the JSON object in file, in file order; empty when it does not parse.
inline std::vector<std::string> MemberKeys(const std::filesystem::path& file)
{
    json::Document doc;
    std::vector<std::string> keys;
    if (!json::ParseFile(file.string(), doc).ok() || !doc.IsObject()) return keys;
    for (const auto& member : doc.GetObject()) keys.emplace_back(member.name.GetString());
    return keys;
}

inline const std::vector<std::string> kConfigFileOrder{"FULLSCREEN", "RESOLUTION", "SENSITIVITY",
                                                        "MUSIC",      "SFX",        "HEALTHBARS",
                                                        "HIGHCONTRAST", "LOWFPS",   "HARDWARECURSOR"};

}  // namespace configtest
