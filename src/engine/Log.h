#pragma once
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "engine/System.h"

// The trace log. Lines go to "Log.txt" beside the executable; a print never throws and falls back
// to a fixed complaint on standard output when the log is missing or its stream has failed.
class Log : public System {
public:
    // Files larger than this are rotated to "Log.old.txt" so the trace never fills a disk.
    static constexpr std::streamoff kRotateBytes = 8LL * 1024 * 1024;

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

    template <typename... Parts>
    void Print(const Parts&... parts);

private:
    void RotateIfLarge();
    bool WritePart(const char* text);
    template <typename T>
    bool WritePart(const T& part);
    bool Usable();
    static Log* instance;
};

namespace logdetail {
void Complain(const char* text);
}

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
        RotateIfLarge();
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
