#include "engine/Json.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

#include <rapidjson/error/en.h>

#include "engine/RegularFile.h"

namespace json {

namespace {
constexpr unsigned kParseFlags = rapidjson::kParseIterativeFlag;
}

int Depth(const Value& root)
{
    std::vector<std::pair<const Value*, int>> stack{{&root, 0}};
    int deepest = 0;
    while (!stack.empty()) {
        auto [v, depth] = stack.back();
        stack.pop_back();
        if (v->IsArray()) {
            deepest = std::max(deepest, depth + 1);
            for (const auto& child : v->GetArray()) stack.emplace_back(&child, depth + 1);
        } else if (v->IsObject()) {
            deepest = std::max(deepest, depth + 1);
            for (const auto& member : v->GetObject()) stack.emplace_back(&member.value, depth + 1);
        }
    }
    return deepest;
}

Result ParseText(const std::string& text, Document& doc, std::size_t maxBytes)
{
    doc.SetNull();
    if (text.size() > maxBytes) return {Status::TooLarge, "file larger than " + std::to_string(maxBytes) + " bytes"};
    doc.Parse<kParseFlags>(text.data(), text.size());
    if (doc.HasParseError()) {
        std::string why = rapidjson::GetParseError_En(doc.GetParseError());
        why += " at offset " + std::to_string(doc.GetErrorOffset());
        doc.SetNull();
        return {Status::Malformed, why};
    }
    if (Depth(doc) > kMaxDepth) {
        doc.SetNull();
        return {Status::TooDeep, "nested deeper than " + std::to_string(kMaxDepth) + " levels"};
    }
    return {};
}

Result ParseFile(const std::string& path, Document& doc, std::size_t maxBytes)
{
    doc.SetNull();
    // Only regular files: a folder would read as garbage and a pipe could block the game.
    std::string text;
    switch (files::ReadRegular(path, text, maxBytes)) {
    case files::ReadStatus::Ok: break;
    case files::ReadStatus::CannotOpen: return {Status::NotFound, "cannot open " + path};
    case files::ReadStatus::TooLarge:
        return {Status::TooLarge, "file larger than " + std::to_string(maxBytes) + " bytes"};
    case files::ReadStatus::ReadError: return {Status::NotFound, "cannot read " + path};
    }
    return ParseText(text, doc, maxBytes);
}

const Value* Find(const Value& obj, const char* key)
{
    if (!obj.IsObject()) return nullptr;
    auto it = obj.FindMember(key);
    return it == obj.MemberEnd() ? nullptr : &it->value;
}

Field GetInt(const Value& obj, const char* key, int& out)
{
    const Value* v = Find(obj, key);
    if (!v) return Field::Absent;
    if (!v->IsInt()) return Field::WrongType;
    out = v->GetInt();
    return Field::Ok;
}

Field GetDouble(const Value& obj, const char* key, double& out)
{
    const Value* v = Find(obj, key);
    if (!v) return Field::Absent;
    if (!v->IsNumber()) return Field::WrongType;
    out = v->GetDouble();
    return Field::Ok;
}

Field GetFloat(const Value& obj, const char* key, float& out)
{
    double d = 0.0;
    Field f = GetDouble(obj, key, d);
    if (f != Field::Ok) return f;
    if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max())) return Field::WrongType;
    out = static_cast<float>(d);
    return Field::Ok;
}

Field GetBool(const Value& obj, const char* key, bool& out)
{
    const Value* v = Find(obj, key);
    if (!v) return Field::Absent;
    if (!v->IsBool()) return Field::WrongType;
    out = v->GetBool();
    return Field::Ok;
}

Field GetString(const Value& obj, const char* key, std::string& out)
{
    const Value* v = Find(obj, key);
    if (!v) return Field::Absent;
    if (!v->IsString()) return Field::WrongType;
    out.assign(v->GetString(), v->GetStringLength());
    return Field::Ok;
}

Field GetArray(const Value& obj, const char* key, const Value*& out)
{
    const Value* v = Find(obj, key);
    if (!v) return Field::Absent;
    if (!v->IsArray()) return Field::WrongType;
    out = v;
    return Field::Ok;
}

Field GetObject(const Value& obj, const char* key, const Value*& out)
{
    const Value* v = Find(obj, key);
    if (!v) return Field::Absent;
    if (!v->IsObject()) return Field::WrongType;
    out = v;
    return Field::Ok;
}

}  // namespace json
