#pragma once
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/Log.h"

// Routes log lines into a temporary file for the life of the object, so a test can count them.
class LogCapture {
public:
    LogCapture()
        : path(std::filesystem::temp_directory_path() /
               ("primalites_log_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".txt")),
          log(Log::Create(path.string()))
    {
    }
    ~LogCapture()
    {
        log.reset();
        std::error_code ec;
        std::filesystem::remove(path, ec);
    }
    std::string Text()
    {
        log->file.flush();
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int Count(const std::string& needle)
    {
        const std::string text = Text();
        int n = 0;
        for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
        return n;
    }

private:
    std::filesystem::path path;
    std::unique_ptr<Log> log;
};
