#include "meta/RecordFile.h"

#include <fstream>
#include <iostream>
#include <system_error>

#include <rapidjson/prettywriter.h>

#include "meta/AtomicFile.h"

namespace fs = std::filesystem;

namespace recordfile {
namespace {

// Collects the writer's output up to a limit and only counts the rest, so a hostile kept member
// that would balloon under indentation costs no memory.
struct CappedStream {
    using Ch = char;
    std::string text;
    std::size_t limit = kMaxBytes;
    bool overflow = false;
    void Put(char c)
    {
        if (text.size() < limit) text.push_back(c);
        else overflow = true;
    }
    void Flush() {}
};

void ReportWriteFailure(const fs::path& file, const std::string& why)
{
    std::cerr << "Error: Could not open " << file.filename().string() << " for writing" << std::endl;
    std::cerr << "(" << why << ")" << std::endl;
}

// The old content is set aside before it is replaced, so a broken file is never silently lost.
void KeepBadCopy(const fs::path& file, const char* reason)
{
    std::error_code ec;
    if (fs::file_size(file, ec) == 0 || ec) return;  // nothing worth keeping
    fs::path copy = file;
    copy += ".bad";
    std::string error;
    std::string name = file.filename().string();
    if (atomicfile::KeepCopy(file, copy, error))
        std::cerr << "Error: " << name << " " << reason << "; the old file is kept as " << copy.filename().string()
                  << std::endl;
    else
        std::cerr << "Error: " << name << " " << reason << " and could not be kept (" << error << ")" << std::endl;
}

// True when the file already holds exactly text. Saves happen at every scene switch; an unchanged
// record then costs a read instead of two disk syncs and a rename.
bool Holds(const fs::path& file, const std::string& text)
{
    std::error_code ec;
    if (fs::file_size(file, ec) != text.size() || ec) return false;
    std::ifstream in(file, std::ios::binary);
    std::string current(text.size(), '\0');
    return in.read(current.data(), static_cast<std::streamsize>(current.size())) && current == text;
}

}  // namespace

State Read(const fs::path& file, json::Document& doc)
{
    // Only a regular file is opened: a folder in its place is no file, and a pipe would block.
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        doc.SetNull();
        return State::Missing;
    }
    json::Result result = json::ParseFile(file.string(), doc, kMaxBytes);
    if (result.status == json::Status::NotFound) return State::Missing;
    if (!result.ok() || !doc.IsObject()) return State::Unparsable;
    return State::Ok;
}

void Merge(json::Document& doc, std::span<const Member> members)
{
    if (!doc.IsObject()) doc.SetObject();
    for (const Member& member : members) {
        json::Value value;
        if (member.flag) value.SetBool(*member.flag);
        else value.SetInt(*member.number);
        auto it = doc.FindMember(member.key);
        if (it != doc.MemberEnd()) it->value = value;
        else doc.AddMember(json::Value(rapidjson::StringRef(member.key)), value, doc.GetAllocator());
    }
}

std::optional<std::string> Serialize(const json::Value& value)
{
    // Accept recurses once per nesting level; the reader refuses anything deeper than
    // json::kMaxDepth, so that is as deep as this ever goes.
    CappedStream stream;
    stream.limit = kMaxBytes - 1;
    rapidjson::PrettyWriter<CappedStream> writer(stream);
    writer.SetIndent(' ', 4);
    value.Accept(writer);
    if (stream.overflow) return std::nullopt;
    stream.text.push_back('\n');
    return std::move(stream.text);
}

bool Save(const fs::path& file, std::span<const Member> members)
{
    json::Document doc;
    State state = Read(file, doc);
    if (state == State::Missing) {
        std::cerr << "Error: Could not open " << file.filename().string() << std::endl;
        return false;
    }
    bool keepOld = state == State::Unparsable;
    if (keepOld) doc.SetObject();
    Merge(doc, members);
    std::optional<std::string> text = Serialize(doc);
    if (!text) {
        // Only members this game does not know can make it this large; they go with the old file.
        doc.SetObject();
        Merge(doc, members);
        text = Serialize(doc);
        KeepBadCopy(file, "has grown too large");
    } else if (keepOld) {
        KeepBadCopy(file, "could not be parsed");
    } else if (Holds(file, *text)) {
        return true;
    }
    std::string error;
    if (!text || !atomicfile::Replace(file, *text, error)) {
        ReportWriteFailure(file, text ? error : "too large");
        return false;
    }
    return true;
}

bool Create(const fs::path& file, std::span<const Member> members)
{
    json::Document doc;
    doc.SetObject();
    Merge(doc, members);
    std::optional<std::string> text = Serialize(doc);
    std::string error;
    if (!text || !atomicfile::CreateNew(file, *text, error)) {
        ReportWriteFailure(file, text ? error : "too large");
        return false;
    }
    return true;
}

}  // namespace recordfile
