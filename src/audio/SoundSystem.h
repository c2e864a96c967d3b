#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "audio/AudioLayer.h"
#include "engine/System.h"

namespace audio {
// 64-bit FNV-1a: the game's hash for name-keyed tables.
struct NameHash {
    std::size_t operator()(std::string_view name) const
    {
        std::uint64_t hash = 14695981039346656037ull;
        for (unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
        return static_cast<std::size_t>(hash);
    }
};
}  // namespace audio

// Named sounds and music. The global instance loads every sound of the asset list at Init;
// everything else plays sounds by name. Scenes with music keep a copy: the copy shares the output
// and the sounds but records its plays in its own channel table.
// Callers check the music and sound-effect settings before they play anything.
class SoundSystem : public System {
public:
    static constexpr int kChannels = 512;
    static constexpr const char* kAssetFile = "Data/AudioAssets.json";

    // `deviceName` picks an output device; empty means the default one.
    explicit SoundSystem(std::string deviceName = "");
    SoundSystem(const SoundSystem& other);
    SoundSystem& operator=(const SoundSystem& other);
    ~SoundSystem() override;

    // The global instance, created on first use (start-up hands it to the engine's system list).
    static SoundSystem& Instance();

    void Init() override;
    void Update(float dt) override;
    void Render() override {}
    void Exit() override {}

    bool LoadAudioAssets(const std::string& path);
    audio::Sound* FindSound(const std::string& name);
    void Play(const std::string& name);
    void PlayLooped(const std::string& name);
    void SetPaused(const std::string& name, bool paused);
    void Stop(const std::string& name);
    void SetVolume(const std::string& name, float volume);

    // For tests and tools: the channel recorded for a name (null when none) and the shared layer.
    audio::Channel ChannelOf(const std::string& name) const;
    const std::shared_ptr<audio::AudioLayer>& Layer() const { return system; }
    // True when sound reaches an output device. Without one nothing plays, but names are still
    // looked up, so an unknown name is reported on every machine.
    bool Audible() const { return system && system->Ready(); }
    // What Update does with the layer's answer: a failure is reported once until an update succeeds.
    void ReportUpdate(audio::Result result);

    friend std::unique_ptr<System> CreateSoundSystem();

private:
    void StartChannel(const std::string& name, audio::Sound* sound);
    // The channel Stop/SetVolume act on, or nullptr once the reason was logged.
    const audio::Channel* ControlledChannel(const std::string& name);

    std::string deviceName;
    std::shared_ptr<audio::AudioLayer> system;
    std::unordered_map<std::string, audio::Sound*, audio::NameHash> sounds;
    std::unordered_map<std::string, audio::Channel, audio::NameHash> channels;
    bool updateFailing = false;
};

// Hands the global instance over to the engine's system list (called once at start-up).
std::unique_ptr<System> CreateSoundSystem();
