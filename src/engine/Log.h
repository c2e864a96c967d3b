#pragma once
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/System.h"

// The trace log. Lines go to "Log.txt" beside the executable; a print never throws and falls back
// to a fixed complaint on standard output when the log is missing or its stream has failed (said
// once, not for every later line). Lines are buffered: the start-up code flushes at the end of
// every frame, and an error line ("Error", "!", "###", "~~~", "///", "???") is flushed at once, so
// the lines before a crash are on disk.
class Log : public System {
public:
    // Files larger than this are rotated to "Log.old.txt" so the trace never fills a disk.
    static constexpr std::streamoff kRotateBytes = 8LL * 1024 * 1024;
    // The size is asked for (a seek) once per this many lines, not on every line.
    static constexpr int kLinesPerSizeCheck = 256;
    // At most this much of the start-up trace is kept to head every rotated file.
    static constexpr std::size_t kMaxStartupBytes = 64 * 1024;

    explicit Log(std::string fileName = "Log.txt");
    ~Log() override;

    void Init() override;
    void Exit() override;

    // The live instance, or nullptr before the engine created it / after it was destroyed.
    static Log* Get();
    // Creates the instance (the engine's systems list then owns it).
    static std::unique_ptr<Log> Create(std::string fileName = "Log.txt");

    std::fstream file;
    std::string fileName;
    std::streamoff rotateBytes = kRotateBytes;

    template <typename... Parts>
    void Print(const Parts&... parts);
    // Writes the buffered lines to the file.
    void Flush();
    // Start-up is over: the lines so far are repeated at the head of every rotated file, so the
    // missing-file and device errors of start-up survive a long run.
    void EndStartup();

private:
    void RotateIfLarge();
    void AfterLine(bool urgent);
    void KeepStartupLine(const std::string& line);
    bool WritePart(const char* text);
    template <typename T>
    bool WritePart(const T& part);
    bool Usable();
    static Log* instance;
    int linesSinceSizeCheck = 0;
    bool complained = false;
    bool inStartup = true;
    std::string startupLines;
};

namespace logdetail {
void Complain(const char* text);

// Whether a line starting with this part belongs to an error family and must reach the disk now.
bool Urgent(const char* first);
bool Urgent(const std::string& first);
template <typename T>
bool Urgent(const T&)
{
    return false;
}

template <typename... Parts>
std::string Joined(const Parts&... parts)
{
    std::ostringstream line;
    (line << ... << parts);
    return line.str();
}

template <typename First, typename... Rest>
bool UrgentLine(const First& first, const Rest&...)
{
    return Urgent(first);
}
inline bool UrgentLine()
{
    return false;
}
}  // namespace logdetail

template <typename T>
bool Log::WritePart(const T& part)
{
    if (!Usable()) return false;
    file << part;
    return true;
}

inline bool Log::WritePart(const char* text)
{
    if (!Usable()) return false;
    file << (text ? text : "");
    return true;
}

template <typename... Parts>
void Log::Print(const Parts&... parts)
{
    // Each part re-checks the stream: a failure mid-line keeps the beginning in the file and
    // replaces the rest of the line with one complaint.
    bool ok = (WritePart(parts) && ...);
    if (ok) {
        file.put('\n');
        if (inStartup) KeepStartupLine(logdetail::Joined(parts...));
        AfterLine(logdetail::UrgentLine(parts...));
    }
}

// Appends one trace line made of the parts, written one after another without separators.
template <typename... Parts>
void print(const Parts&... parts)
{
    try {
        Log* log = Log::Get();
        if (!log) {
            logdetail::Complain("log system wasn't initialized properly\n");
            return;
        }
        log->Print(parts...);
    } catch (...) {
        // A trace line is never worth stopping the game for.
    }
}
