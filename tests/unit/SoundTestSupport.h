#pragma once
// Shared pieces of the sound tests: a scratch folder with generated tone files, a log that can
// be read back, and waiting on the real-time mixer.
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sndfile.h>

#include "engine/Log.h"

namespace soundtest {

inline std::filesystem::path ScratchDir(const std::string& name)
{
    auto dir = std::filesystem::temp_directory_path() / ("primalites_" + name + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// A sine tone of `seconds` at 44.1 kHz with `channels` channels, as 16-bit WAV.
inline std::string WriteTone(const std::filesystem::path& dir, const std::string& name, double seconds, int channels = 1)
{
    std::string path = (dir / name).string();
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    std::vector<float> frames(static_cast<std::size_t>(seconds * 44100) * channels);
    for (std::size_t i = 0; i < frames.size(); ++i) frames[i] = 0.5f * std::sin(i / channels * 2 * M_PI * 440.0 / 44100);
    sf_writef_float(file, frames.data(), static_cast<sf_count_t>(frames.size() / channels));
    sf_close(file);
    return path;
}

inline void WriteText(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// Owns the process's log for one test and reads back what was written.
class CapturedLog {
public:
    explicit CapturedLog(const std::filesystem::path& dir) : path((dir / "Log.txt").string()), log(Log::Create(path)) {}
    std::vector<std::string> Lines()
    {
        log->file.flush();
        std::ifstream in(path);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    bool Has(const std::string& line)
    {
        for (const auto& l : Lines())
            if (l == line) return true;
        return false;
    }
    std::size_t Count() { return Lines().size(); }

private:
    std::string path;
    std::unique_ptr<Log> log;
};

// Polls `done` until it holds or `seconds` pass; the mixer runs in real time on its own thread.
inline bool WaitFor(const std::function<bool()>& done, double seconds)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return done();
}

}  // namespace soundtest
