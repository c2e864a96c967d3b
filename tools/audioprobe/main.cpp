// audioprobe: drives the game's sound system outside the game, for tests of the real output.
//   audioprobe play GAME_DIR NAME PLAY_SECONDS PAUSED_SECONDS
//       loads GAME_DIR's asset list, plays NAME looped at full volume, pauses it after
//       PLAY_SECONDS and keeps the device open PAUSED_SECONDS longer.
//   audioprobe level WAV FROM TO
//       prints the RMS level in dBFS of the file between the two times (seconds).
//   audioprobe bounds WAV
//       prints the times (seconds) of the first and last sample above -60 dBFS and the length.
//       A busy machine starves the mixer thread, so the capture's timeline drifts from the wall
//       clock: tests find the sound in the file instead of assuming where it is.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <sndfile.h>

#include "audio/SoundSystem.h"
#include "engine/Log.h"

namespace {

int Play(const std::string& gameDir, const std::string& name, double playSeconds, double pausedSeconds)
{
    std::filesystem::current_path(gameDir);
    auto log = Log::Create("audioprobe-log.txt");
    {
        SoundSystem sounds;
        sounds.Init();
        if (!sounds.Audible()) {
            std::fprintf(stderr, "audioprobe: no audio device\n");
            return 1;
        }
        sounds.PlayLooped(name);
        auto until = [&](double seconds) {
            auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
            while (std::chrono::steady_clock::now() < end) {
                sounds.Update(0.01f);
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        };
        until(playSeconds);
        sounds.SetPaused(name, true);
        until(pausedSeconds);
    }  // closing the device finishes the output file
    log->file.flush();
    return 0;
}

int Level(const std::string& path, double from, double to)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) {
        std::fprintf(stderr, "audioprobe: cannot read %s\n", path.c_str());
        return 1;
    }
    sf_count_t first = static_cast<sf_count_t>(from * info.samplerate);
    sf_count_t last = std::min<sf_count_t>(info.frames, static_cast<sf_count_t>(to * info.samplerate));
    if (first >= last || sf_seek(file, first, SEEK_SET) < 0) {
        std::fprintf(stderr, "audioprobe: %s holds %.2f s, not %.2f..%.2f\n", path.c_str(),
                     static_cast<double>(info.frames) / info.samplerate, from, to);
        sf_close(file);
        return 1;
    }
    std::vector<float> frames(static_cast<std::size_t>(last - first) * info.channels);
    sf_count_t got = sf_readf_float(file, frames.data(), last - first);
    sf_close(file);
    double sum = 0.0;
    for (sf_count_t i = 0; i < got * info.channels; ++i) sum += double(frames[i]) * frames[i];
    double rms = got > 0 ? std::sqrt(sum / (got * info.channels)) : 0.0;
    std::printf("%.1f\n", 20.0 * std::log10(rms + 1e-10));
    return 0;
}

int Bounds(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) {
        std::fprintf(stderr, "audioprobe: cannot read %s\n", path.c_str());
        return 1;
    }
    std::vector<float> frames(static_cast<std::size_t>(info.frames) * info.channels);
    const sf_count_t got = sf_readf_float(file, frames.data(), info.frames);
    sf_close(file);
    constexpr float kAudible = 0.001f;  // -60 dBFS
    sf_count_t first = -1, last = -1;
    for (sf_count_t i = 0; i < got * info.channels; ++i) {
        if (std::fabs(frames[i]) < kAudible) continue;
        if (first < 0) first = i / info.channels;
        last = i / info.channels;
    }
    const double rate = info.samplerate;
    std::printf("%.3f %.3f %.3f\n", first < 0 ? -1.0 : first / rate, last < 0 ? -1.0 : last / rate, got / rate);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "play" && argc == 6) return Play(argv[2], argv[3], std::atof(argv[4]), std::atof(argv[5]));
    if (mode == "bounds" && argc == 3) return Bounds(argv[2]);
    if (mode == "level" && argc == 5) return Level(argv[2], std::atof(argv[3]), std::atof(argv[4]));
    std::fprintf(stderr, "usage: audioprobe play GAME_DIR NAME PLAY_S PAUSED_S | audioprobe level WAV FROM TO | audioprobe bounds WAV\n");
    return 2;
}
