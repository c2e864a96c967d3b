#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The game's own small audio layer: decoded sounds in memory (libsndfile) played on a fixed pool
// of channels (OpenAL Soft sources). Every call returns a result code where 0 is success, so the
// sound system can report failures the same way whatever the output library.
namespace audio {

enum Result : int {
    kOk = 0,
    kErrNotReady = 1,       // no output device: the layer was never initialised or it failed
    kErrAlreadyReady = 2,
    kErrInvalidHandle = 3,  // a channel that ended, was stopped, or was handed to a newer play
    kErrInvalidParam = 4,
    kErrFileNotFound = 5,
    kErrFormat = 6,
    kErrMemory = 7,
    kErrNoChannel = 8,      // every channel of the pool is busy
    kErrDevice = 9,
};

const char* ResultText(Result result);

// Sound modes (bit flags); loop mode applies to plays started after it is set.
enum Mode : unsigned { kModeDefault = 0, kModeLoopNormal = 2 };

// Longest sound the layer decodes; longer files are refused rather than eating the memory.
constexpr std::int64_t kMaxSoundFrames = 48000LL * 60 * 10;

class AudioLayer;

struct SoundInfo {
    int channels = 0;
    int sampleRate = 0;
    std::int64_t frames = 0;
};

// Opens an audio file and checks its header; with `pcm` it also decodes every frame into it as
// interleaved 16-bit samples (a file that ends early is a format error).
Result DecodeFile(const std::string& path, SoundInfo& info, std::vector<short>* pcm);

// A decoded sound. Owned by its layer; handles stay valid for the layer's lifetime.
class Sound {
public:
    Result SetMode(unsigned newMode);
    unsigned GetMode() const { return mode; }
    int Channels() const { return channels; }
    int SampleRate() const { return sampleRate; }
    std::int64_t Frames() const { return frames; }

private:
    friend class AudioLayer;
    std::uint32_t buffer = 0;  // OpenAL buffer name; 0 when no device (the sound is silent)
    unsigned mode = kModeDefault;
    int channels = 0;
    int sampleRate = 0;
    std::int64_t frames = 0;
};

// A channel handle is a value: the pool slot and the generation of the play it was handed out
// for. Reusing a slot bumps its generation, so an old handle can never reach a newer sound.
struct Channel {
    std::uint32_t slot = 0;
    std::uint32_t generation = 0;  // 0 is the null handle
    explicit operator bool() const { return generation != 0; }
    bool operator==(const Channel&) const = default;
};

class AudioLayer {
public:
    static Result Create(std::shared_ptr<AudioLayer>& out);
    ~AudioLayer();
    AudioLayer(const AudioLayer&) = delete;
    AudioLayer& operator=(const AudioLayer&) = delete;

    // Opens the named output device (empty: the default one) and a pool of `maxChannels`.
    Result Init(int maxChannels, const std::string& deviceName = "");
    bool Ready() const { return context != nullptr; }
    int ChannelCount() const { return static_cast<int>(slots.size()); }

    // Decodes a WAV/Ogg Vorbis/... file into memory. Without a device only the header is checked
    // and the sound is silent, so asset lists are still validated on machines with no sound card.
    Result CreateSound(const std::string& path, unsigned mode, Sound*& out);
    Result PlaySound(Sound* sound, bool paused, Channel& out);
    Result Update();

    // Channel controls. A paused channel counts as playing; an ended one is an invalid handle.
    Result IsPlaying(Channel channel, bool& playing);
    Result SetPaused(Channel channel, bool paused);
    Result GetPaused(Channel channel, bool& paused);
    Result Stop(Channel channel);
    Result GetVolume(Channel channel, float& volume);
    Result SetVolume(Channel channel, float volume);
    // Play position in frames of the channel's sound (wraps for loops).
    Result GetPosition(Channel channel, std::int64_t& frame);

private:
    AudioLayer() = default;
    struct Slot {
        std::uint32_t source = 0;
        std::uint32_t generation = 0;
        float volume = 1.0f;
        bool live = false;  // handed out and not yet known to have ended
    };
    Slot* Live(Channel channel);
    int FreeSlot();

    void* device = nullptr;   // ALCdevice*
    void* context = nullptr;  // ALCcontext*
    std::vector<Slot> slots;
    std::vector<std::unique_ptr<Sound>> sounds;
    std::uint32_t nextSlot = 0;
};

}  // namespace audio
