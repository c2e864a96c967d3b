#include "audio/SoundSystem.h"

#include "engine/Json.h"
#include "engine/Log.h"

namespace {
// The global instance until start-up hands it to the engine, and a plain pointer to it after.
std::unique_ptr<SoundSystem> unclaimed;
SoundSystem* global = nullptr;
}  // namespace

SoundSystem::SoundSystem(std::string device) : System("SoundSystem"), deviceName(std::move(device)) {}

SoundSystem::SoundSystem(const SoundSystem& other)
    : System("SoundSystem"), deviceName(other.deviceName), system(other.system), sounds(other.sounds),
      channels(other.channels)
{
}

SoundSystem& SoundSystem::operator=(const SoundSystem& other)
{
    deviceName = other.deviceName;
    system = other.system;
    sounds = other.sounds;
    channels = other.channels;
    return *this;
}

SoundSystem::~SoundSystem()
{
    if (global == this) global = nullptr;
}

SoundSystem& SoundSystem::Instance()
{
    if (!global) {
        unclaimed = std::make_unique<SoundSystem>();
        global = unclaimed.get();
    }
    return *global;
}

std::unique_ptr<System> CreateSoundSystem()
{
    SoundSystem::Instance();
    if (unclaimed) return std::move(unclaimed);
    // Already handed out: a second list entry must not own (and later delete) the same instance.
    return std::make_unique<System>("SoundSystem (duplicate)");
}

void SoundSystem::Init()
{
    if (audio::AudioLayer::Create(system) != audio::kOk) {
        print("Error: Failed to create FMOD System ");
    } else if (system->Init(kChannels, deviceName) != audio::kOk) {
        print("Error: Failed to Initialize FMOD System ");
    }
    if (!LoadAudioAssets(kAssetFile)) print("Error: Loading sound into the FMOD System ");
}

void SoundSystem::Update(float)
{
    if (Audible()) ReportUpdate(system->Update());
}

void SoundSystem::ReportUpdate(audio::Result result)
{
    // A lost device (unplugged headphones) fails every frame until it comes back: one line per
    // outage, not sixty a second.
    bool failed = result != audio::kOk;
    if (failed && !updateFailing) print("Error: Failed to update FMOD System");
    updateFailing = failed;
}

bool SoundSystem::LoadAudioAssets(const std::string& path)
{
    json::Document doc;
    json::Result parsed = json::ParseFile(path, doc);
    if (parsed.status == json::Status::NotFound) {
        print("audio file didnt open");
        return false;
    }
    if (!parsed.ok()) {
        print("parse error");
        return false;
    }
    const json::Value* list = nullptr;
    if (json::GetArray(doc, "audioAssets", list) != json::Field::Ok) {
        print("Error: Invalid JSON structure check formatting!.");
        return false;
    }
    for (const json::Value& asset : list->GetArray()) {
        std::string name, filePath;
        if (json::GetString(asset, "name", name) != json::Field::Ok ||
            json::GetString(asset, "filePath", filePath) != json::Field::Ok) {
            print("Error: Invalid asset data in JSON file.");
            return false;
        }
        audio::Sound* sound = nullptr;
        if (!system || system->CreateSound(filePath, audio::kModeDefault, sound) != audio::kOk) {
            print("Error: Failed to load sound ", filePath);
            return false;
        }
        sounds[name] = sound;
    }
    return true;
}

audio::Sound* SoundSystem::FindSound(const std::string& name)
{
    auto found = sounds.find(name);
    if (found == sounds.end()) {
        print("Error: Sound not found: ", name);
        return nullptr;
    }
    return found->second;
}

void SoundSystem::StartChannel(const std::string& name, audio::Sound* sound)
{
    audio::Channel channel;
    if (system->PlaySound(sound, false, channel) != audio::kOk) {
        print("Error: Failed to play sound ", name);
        return;
    }
    channels[name] = channel;
}

void SoundSystem::Play(const std::string& name)
{
    audio::Sound* sound = FindSound(name);
    if (sound && Audible()) StartChannel(name, sound);
}

void SoundSystem::PlayLooped(const std::string& name)
{
    audio::Sound* sound = FindSound(name);
    if (!sound || !Audible()) return;
    if (sound->SetMode(audio::kModeLoopNormal) != audio::kOk) {
        print("Error: Failed to set sound to loop ", name);
        return;
    }
    StartChannel(name, sound);
}

void SoundSystem::SetPaused(const std::string& name, bool paused)
{
    if (!Audible()) {
        // Nothing was ever played without a device: only an unknown name is worth a line.
        if (!sounds.contains(name)) print("Error: Sound ", name, " not found.");
        return;
    }
    auto found = channels.find(name);
    if (found == channels.end()) {
        print("Error: Sound ", name, " not found.");
        return;
    }
    bool playing = false;
    system->IsPlaying(found->second, playing);
    if (playing) {
        system->SetPaused(found->second, paused);
    } else {
        print("Warning: Sound ", name, " is not currently playing.");
    }
}

const audio::Channel* SoundSystem::ControlledChannel(const std::string& name)
{
    if (!Audible()) {
        // Nothing was ever played without a device: only an unknown name is worth a line.
        if (!sounds.contains(name)) print("Error: Sound not found or not playing: ", name);
        return nullptr;
    }
    auto found = channels.find(name);
    if (found == channels.end() || !found->second) {
        print("Error: Sound not found or not playing: ", name);
        return nullptr;
    }
    return &found->second;
}

void SoundSystem::Stop(const std::string& name)
{
    const audio::Channel* channel = ControlledChannel(name);
    if (channel && system->Stop(*channel) != audio::kOk) print("Error: Failed to stop sound ", name);
}

void SoundSystem::SetVolume(const std::string& name, float volume)
{
    const audio::Channel* channel = ControlledChannel(name);
    if (!channel) return;
    float before = 1.0f;
    if (system->GetVolume(*channel, before) != audio::kOk) {
        print("Error: Failed to get volume for sound ", name);
        return;
    }
    if (system->SetVolume(*channel, volume) != audio::kOk) {
        print("Error: Failed to set volume for sound ", name);
        system->SetVolume(*channel, before);
    }
}

audio::Channel SoundSystem::ChannelOf(const std::string& name) const
{
    auto found = channels.find(name);
    return found == channels.end() ? audio::Channel{} : found->second;
}
