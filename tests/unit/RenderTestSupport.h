#pragma once
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/Log.h"

// Captures the trace lines printed while it lives, so tests can check the decorated messages.
class LogCapture {
public:
    explicit LogCapture(const std::string& fileName) : path(fileName), log(Log::Create(fileName)) {}
    std::string Text()
    {
        log->file.flush();
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Has(const std::string& line) { return Text().find(line) != std::string::npos; }
    int Count(const std::string& line)
    {
        std::string text = Text();
        int n = 0;
        for (auto at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++n;
        return n;
    }

private:
    std::string path;
    std::unique_ptr<Log> log;
};

inline std::string RenderFixture(const std::string& relative)
{
    return std::string(TEST_DATA_DIR) + "/render/" + relative;
}

// A PNG signature and header claiming width x height, with no pixel data: size guards must answer
// from the header alone.
inline std::string HeaderOnlyPng(unsigned width, unsigned height)
{
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (unsigned v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>((v >> shift) & 0xff);
    png += std::string("\x08\x06\0\0\0\0\0\0\0", 9);  // 8-bit RGBA, then an unchecked CRC
    return png;
}
