#include "audio/AudioLayer.h"

#include <cmath>

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <sndfile.h>

#include "engine/RegularFile.h"

namespace audio {
namespace {

ALCdevice* Dev(void* p) { return static_cast<ALCdevice*>(p); }
ALCcontext* Ctx(void* p) { return static_cast<ALCcontext*>(p); }

// Several layers may live at once (tests do this); OpenAL has one current context per process.
void Bind(void* context)
{
    if (context && alcGetCurrentContext() != Ctx(context)) alcMakeContextCurrent(Ctx(context));
}

ALint SourceState(ALuint source)
{
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

struct SndFile {
    SNDFILE* file = nullptr;
    SF_INFO info{};
    bool missing = true;  // not opened as a regular file (else the format was not understood)
    // Opened through the regular-file guard: a FIFO under a sound's name must not stall start-up.
    explicit SndFile(const std::string& path)
    {
        int fd = files::OpenRegular(path);
        if (fd >= 0) file = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);
        if (!file && fd >= 0) missing = false;
    }
    ~SndFile() { if (file) sf_close(file); }
};

Result CheckHeader(const SF_INFO& info)
{
    if (info.channels < 1 || info.channels > 2) return kErrFormat;
    if (info.samplerate < 8000 || info.samplerate > 192000) return kErrFormat;
    if (info.frames <= 0 || info.frames > kMaxSoundFrames) return kErrFormat;
    return kOk;
}

}  // namespace

Result DecodeFile(const std::string& path, SoundInfo& info, std::vector<short>* pcm)
{
    info = SoundInfo{};
    SndFile in(path);
    if (!in.file) return in.missing ? kErrFileNotFound : kErrFormat;
    if (Result r = CheckHeader(in.info); r != kOk) return r;
    info.channels = in.info.channels;
    info.sampleRate = in.info.samplerate;
    info.frames = in.info.frames;
    if (!pcm) return kOk;
    pcm->assign(static_cast<std::size_t>(in.info.frames) * in.info.channels, 0);
    sf_count_t got = sf_readf_short(in.file, pcm->data(), in.info.frames);
    if (got != in.info.frames || sf_error(in.file) != SF_ERR_NO_ERROR) return kErrFormat;
    return kOk;
}

const char* ResultText(Result result)
{
    switch (result) {
    case kOk: return "ok";
    case kErrNotReady: return "no audio output";
    case kErrAlreadyReady: return "already initialised";
    case kErrInvalidHandle: return "invalid channel handle";
    case kErrInvalidParam: return "invalid parameter";
    case kErrFileNotFound: return "file not found or unreadable";
    case kErrFormat: return "unsupported or damaged audio data";
    case kErrMemory: return "out of audio memory";
    case kErrNoChannel: return "no free channel";
    case kErrDevice: return "audio device error";
    }
    return "unknown result";
}

Result Sound::SetMode(unsigned newMode)
{
    if (newMode & ~unsigned(kModeLoopNormal)) return kErrInvalidParam;
    mode = newMode;
    return kOk;
}

Result AudioLayer::Create(std::shared_ptr<AudioLayer>& out)
{
    out.reset(new AudioLayer());
    return kOk;
}

AudioLayer::~AudioLayer()
{
    if (!context) return;
    Bind(context);
    for (auto& slot : slots) {
        alSourceStop(slot.source);
        alDeleteSources(1, &slot.source);
    }
    for (auto& sound : sounds) {
        if (sound->buffer) alDeleteBuffers(1, &sound->buffer);
    }
    if (alcGetCurrentContext() == Ctx(context)) alcMakeContextCurrent(nullptr);
    alcDestroyContext(Ctx(context));
    alcCloseDevice(Dev(device));
}

Result AudioLayer::Init(int maxChannels, const std::string& deviceName)
{
    if (context) return kErrAlreadyReady;
    if (maxChannels < 1 || maxChannels > 4096) return kErrInvalidParam;
    device = alcOpenDevice(deviceName.empty() ? nullptr : deviceName.c_str());
    if (!device) return kErrDevice;
    // OpenAL Soft defaults to 256 sources; ask for the whole pool, a few of them stereo (music).
    ALCint stereo = maxChannels >= 64 ? maxChannels / 8 : 1;
    ALCint attrs[] = {ALC_MONO_SOURCES, maxChannels - stereo, ALC_STEREO_SOURCES, stereo, 0};
    context = alcCreateContext(Dev(device), attrs);
    if (!context) {
        alcCloseDevice(Dev(device));
        device = nullptr;
        return kErrDevice;
    }
    Bind(context);
    slots.reserve(maxChannels);
    for (int i = 0; i < maxChannels; ++i) {
        Slot slot;
        alGetError();
        alGenSources(1, &slot.source);
        if (alGetError() != AL_NO_ERROR) break;
        slots.push_back(slot);
    }
    return slots.empty() ? kErrDevice : kOk;
}

Result AudioLayer::CreateSound(const std::string& path, unsigned mode, Sound*& out)
{
    out = nullptr;
    if (mode & ~unsigned(kModeLoopNormal)) return kErrInvalidParam;
    SoundInfo info;
    std::vector<short> pcm;
    if (Result r = DecodeFile(path, info, context ? &pcm : nullptr); r != kOk) return r;
    auto sound = std::make_unique<Sound>();
    sound->mode = mode;
    sound->channels = info.channels;
    sound->sampleRate = info.sampleRate;
    sound->frames = info.frames;
    if (context) {
        Bind(context);
        alGetError();
        alGenBuffers(1, &sound->buffer);
        if (alGetError() != AL_NO_ERROR) return kErrMemory;
        ALenum format = info.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
        alBufferData(sound->buffer, format, pcm.data(), static_cast<ALsizei>(pcm.size() * sizeof(short)),
                     info.sampleRate);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &sound->buffer);
            return kErrMemory;
        }
    }
    out = sound.get();
    sounds.push_back(std::move(sound));
    return kOk;
}

int AudioLayer::FreeSlot()
{
    const std::uint32_t count = static_cast<std::uint32_t>(slots.size());
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t index = (nextSlot + i) % count;
        Slot& slot = slots[index];
        if (slot.live && SourceState(slot.source) == AL_STOPPED) slot.live = false;
        if (!slot.live) {
            nextSlot = (index + 1) % count;
            return static_cast<int>(index);
        }
    }
    return -1;
}

Result AudioLayer::PlaySound(Sound* sound, bool paused, Channel& out)
{
    out = Channel{};
    if (!context) return kErrNotReady;
    if (!sound || !sound->buffer) return kErrInvalidParam;
    Bind(context);
    int index = FreeSlot();
    if (index < 0) return kErrNoChannel;
    Slot& slot = slots[index];
    alSourceStop(slot.source);
    alSourcei(slot.source, AL_BUFFER, static_cast<ALint>(sound->buffer));
    alSourcei(slot.source, AL_LOOPING, (sound->mode & kModeLoopNormal) ? AL_TRUE : AL_FALSE);
    alSourcef(slot.source, AL_GAIN, 1.0f);
    alSourcei(slot.source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(slot.source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alGetError();
    alSourcePlay(slot.source);
    if (paused) alSourcePause(slot.source);
    if (alGetError() != AL_NO_ERROR) return kErrDevice;
    slot.volume = 1.0f;
    slot.live = true;
    if (++slot.generation == 0) slot.generation = 1;
    out = Channel{static_cast<std::uint32_t>(index), slot.generation};
    return kOk;
}

AudioLayer::Slot* AudioLayer::Live(Channel channel)
{
    if (!context || !channel || channel.slot >= slots.size()) return nullptr;
    Slot& slot = slots[channel.slot];
    if (!slot.live || slot.generation != channel.generation) return nullptr;
    Bind(context);
    if (SourceState(slot.source) == AL_STOPPED) {
        slot.live = false;
        return nullptr;
    }
    return &slot;
}

Result AudioLayer::Update()
{
    if (!context) return kErrNotReady;
    ALCint connected = ALC_TRUE;
    if (alcIsExtensionPresent(Dev(device), "ALC_EXT_disconnect"))
        alcGetIntegerv(Dev(device), ALC_CONNECTED, 1, &connected);
    return connected ? kOk : kErrDevice;
}

Result AudioLayer::IsPlaying(Channel channel, bool& playing)
{
    playing = false;
    if (!context) return kErrNotReady;
    if (!Live(channel)) return kErrInvalidHandle;
    playing = true;
    return kOk;
}

Result AudioLayer::SetPaused(Channel channel, bool paused)
{
    Slot* slot = Live(channel);
    if (!slot) return context ? kErrInvalidHandle : kErrNotReady;
    ALint state = SourceState(slot->source);
    if (paused && state == AL_PLAYING) alSourcePause(slot->source);
    if (!paused && state == AL_PAUSED) alSourcePlay(slot->source);
    return kOk;
}

Result AudioLayer::GetPaused(Channel channel, bool& paused)
{
    paused = false;
    Slot* slot = Live(channel);
    if (!slot) return context ? kErrInvalidHandle : kErrNotReady;
    paused = SourceState(slot->source) == AL_PAUSED;
    return kOk;
}

Result AudioLayer::Stop(Channel channel)
{
    Slot* slot = Live(channel);
    if (!slot) return context ? kErrInvalidHandle : kErrNotReady;
    alSourceStop(slot->source);
    slot->live = false;
    return kOk;
}

Result AudioLayer::GetVolume(Channel channel, float& volume)
{
    Slot* slot = Live(channel);
    if (!slot) return context ? kErrInvalidHandle : kErrNotReady;
    volume = slot->volume;
    return kOk;
}

Result AudioLayer::SetVolume(Channel channel, float volume)
{
    Slot* slot = Live(channel);
    if (!slot) return context ? kErrInvalidHandle : kErrNotReady;
    if (!std::isfinite(volume) || volume < 0.0f || volume > 16.0f) return kErrInvalidParam;
    // OpenAL caps a source's gain at 1; louder requests play at full volume.
    slot->volume = volume;
    alSourcef(slot->source, AL_GAIN, volume);
    return kOk;
}

Result AudioLayer::GetPosition(Channel channel, std::int64_t& frame)
{
    frame = 0;
    Slot* slot = Live(channel);
    if (!slot) return context ? kErrInvalidHandle : kErrNotReady;
    ALint offset = 0;
    alGetSourcei(slot->source, AL_SAMPLE_OFFSET, &offset);
    frame = offset;
    return kOk;
}

}  // namespace audio
