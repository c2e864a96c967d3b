#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "engine/Json.h"

// A small JSON file holding one record (Config.json, Profile.json): one object whose members are
// flags and 32-bit integers, pretty-printed with four-space indentation. Saving keeps the file's
// own member order and every member it does not know, and never leaves a half-written file.
namespace recordfile {

// Larger files are treated as unparsable; nothing this game writes comes close.
constexpr std::size_t kMaxBytes = 1024 * 1024;

// One persisted value: exactly one of flag and number is set.
struct Member {
    const char* key;
    bool* flag = nullptr;
    int* number = nullptr;
};

enum class State { Ok, Missing, Unparsable };

// Reads file into doc. Missing when it is not a regular file or cannot be read; Unparsable when it is not one
// JSON object (too large, malformed, nested too deeply, or another kind of value).
State Read(const std::filesystem::path& file, json::Document& doc);

// Replaces the value of each member that exists and appends the others in the given order.
void Merge(json::Document& doc, std::span<const Member> members);

// Four-space pretty text ending in a line break; nullopt when longer than kMaxBytes, since the
// next start could not read it back.
std::optional<std::string> Serialize(const json::Value& value);

// Writes the members into an existing file. Prints "Error: Could not open <name>" and writes
// nothing when the file cannot be read; an unreadable old content is kept as "<name>.bad".
bool Save(const std::filesystem::path& file, std::span<const Member> members);

// A first start: writes a new file holding the members in order. Never replaces an existing file.
bool Create(const std::filesystem::path& file, std::span<const Member> members);

}  // namespace recordfile
