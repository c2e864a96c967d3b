#include "engine/Log.h"

#include <cstdio>
#include <filesystem>

Log* Log::instance = nullptr;

namespace logdetail {
void Complain(const char* text)
{
    std::fputs(text, stdout);
}

bool Urgent(const char* first)
{
    return first && Urgent(std::string(first));
}

bool Urgent(const std::string& first)
{
    for (const char* mark : {"Error", "!", "###", "~~~", "///", "???"})
        if (first.rfind(mark, 0) == 0) return true;
    return false;
}
}  // namespace logdetail

Log::Log(std::string name) : System("Log"), fileName(std::move(name))
{
    // Each run replaces the previous run's trace.
    file.open(fileName, std::ios::in | std::ios::out | std::ios::trunc);
    instance = this;
}

Log::~Log()
{
    if (instance == this) instance = nullptr;
}

Log* Log::Get()
{
    return instance;
}

std::unique_ptr<Log> Log::Create(std::string name)
{
    return std::make_unique<Log>(std::move(name));
}

bool Log::Usable()
{
    if (file) return true;
    // Once: an unwritable log would otherwise flood the terminal with a line per trace line.
    if (!complained) logdetail::Complain("the file doesn't exist\n");
    complained = true;
    return false;
}

void Log::AfterLine(bool urgent)
{
    if (urgent) file.flush();
    if (++linesSinceSizeCheck < kLinesPerSizeCheck) return;
    linesSinceSizeCheck = 0;
    RotateIfLarge();
}

void Log::Flush()
{
    if (file) file.flush();
}

void Log::EndStartup()
{
    inStartup = false;
}

void Log::KeepStartupLine(const std::string& line)
{
    if (startupLines.size() + line.size() + 1 > kMaxStartupBytes) return;
    startupLines += line;
    startupLines += '\n';
}

void Log::RotateIfLarge()
{
    std::streamoff size = file.tellp();
    if (size < rotateBytes) return;
    file.close();
    std::error_code ec;
    std::filesystem::path path(fileName);
    std::filesystem::path old = path.parent_path() / (path.stem().string() + ".old" + path.extension().string());
    std::filesystem::rename(path, old, ec);
    file.clear();
    file.open(fileName, std::ios::in | std::ios::out | std::ios::trunc);
    file << startupLines;
}

void Log::Init()
{
    print("Log System: Init");
}

void Log::Exit()
{
    print("Log System: Exit");
    if (!file) return;
    file.close();
    if (file.is_open()) file.setstate(std::ios::failbit);
    std::cout << "LOG FILE [" << fileName << "] WAS CLOSED!\n";
    std::cout.flush();
}
