#pragma once
#include <cstddef>
#include <string>

#include <rapidjson/document.h>

// The one JSON reader every loader uses. Parsing is iterative (no recursion, so hostile nesting
// cannot overflow the stack), files are capped in size and nesting depth, and the typed getters
// tell a missing member from one of the wrong type.
namespace json {

constexpr std::size_t kMaxFileBytes = 4u * 1024u * 1024u;
constexpr int kMaxDepth = 128;

enum class Status { Ok, NotFound, TooLarge, Malformed, TooDeep };

struct Result {
    Status status = Status::Ok;
    std::string message;  // human-readable reason when not Ok
    bool ok() const { return status == Status::Ok; }
};

using Value = rapidjson::Value;
using Document = rapidjson::Document;

Result ParseFile(const std::string& path, Document& doc, std::size_t maxBytes = kMaxFileBytes);
Result ParseText(const std::string& text, Document& doc, std::size_t maxBytes = kMaxFileBytes);

// Deepest nesting of arrays/objects in v (a scalar is depth 0), computed without recursion.
int Depth(const Value& v);

enum class Field { Ok, Absent, WrongType };

// Integers must fit in 32 bits; anything else numeric is WrongType.
Field GetInt(const Value& obj, const char* key, int& out);
// Any JSON number within the float range (beyond it is WrongType, not an infinity).
Field GetFloat(const Value& obj, const char* key, float& out);
// Any JSON number.
Field GetDouble(const Value& obj, const char* key, double& out);
Field GetBool(const Value& obj, const char* key, bool& out);
Field GetString(const Value& obj, const char* key, std::string& out);
Field GetArray(const Value& obj, const char* key, const Value*& out);
Field GetObject(const Value& obj, const char* key, const Value*& out);

// Looks a member up without throwing or asserting; nullptr when obj is not an object or has no such member.
const Value* Find(const Value& obj, const char* key);

}  // namespace json
