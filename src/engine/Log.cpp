#include "engine/Log.h"

#include <cstdio>
#include <filesystem>

Log* Log::instance = nullptr;

namespace logdetail {
void Complain(const char* text)
{
    std::fputs(text, stdout);
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
    logdetail::Complain("the file doesn't exist\n");
    return false;
}

void Log::RotateIfLarge()
{
    std::streamoff size = file.tellp();
    if (size < kRotateBytes) return;
    file.close();
    std::error_code ec;
    std::filesystem::path path(fileName);
    std::filesystem::path old = path.parent_path() / (path.stem().string() + ".old" + path.extension().string());
    std::filesystem::rename(path, old, ec);
    file.clear();
    file.open(fileName, std::ios::in | std::ios::out | std::ios::trunc);
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
