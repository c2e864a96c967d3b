#include <gtest/gtest.h>
#include <unistd.h>

#include "SoundTestSupport.h"
#include "audio/AudioLayer.h"

using namespace audio;

namespace {

class SoundLayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = soundtest::ScratchDir("layer");
        shortTone = soundtest::WriteTone(dir, "short.wav", 0.05);
        longTone = soundtest::WriteTone(dir, "long.wav", 5.0, 2);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::shared_ptr<AudioLayer> Open(int channels)
    {
        std::shared_ptr<AudioLayer> layer;
        EXPECT_EQ(AudioLayer::Create(layer), kOk);
        EXPECT_EQ(layer->Init(channels), kOk);
        return layer;
    }
    // Starts the five-second tone on a fresh channel.
    Channel PlayLong(AudioLayer& layer, bool paused)
    {
        Sound* tone = nullptr;
        EXPECT_EQ(layer.CreateSound(longTone, kModeDefault, tone), kOk);
        Channel ch;
        EXPECT_EQ(layer.PlaySound(tone, paused, ch), kOk);
        return ch;
    }
    static bool Playing(AudioLayer& layer, Channel ch)
    {
        bool playing = false;
        layer.IsPlaying(ch, playing);
        return playing;
    }

    std::filesystem::path dir;
    std::string shortTone, longTone;
};

TEST_F(SoundLayer, FinishedChannelIsStaleAndHarmless)
{
    auto layer = Open(1);
    Sound* blip = nullptr;
    Sound* tone = nullptr;
    ASSERT_EQ(layer->CreateSound(shortTone, kModeDefault, blip), kOk);
    ASSERT_EQ(layer->CreateSound(longTone, kModeDefault, tone), kOk);
    Channel old;
    ASSERT_EQ(layer->PlaySound(blip, false, old), kOk);
    ASSERT_TRUE(soundtest::WaitFor([&] { return !Playing(*layer, old); }, 3.0)) << "a 50 ms sound never ended";

    bool playing = true;
    EXPECT_EQ(layer->IsPlaying(old, playing), kErrInvalidHandle);
    EXPECT_FALSE(playing);

    // The only channel of the pool is reused; the old handle must not reach the new sound.
    Channel fresh;
    ASSERT_EQ(layer->PlaySound(tone, false, fresh), kOk);
    EXPECT_EQ(fresh.slot, old.slot);
    EXPECT_NE(fresh.generation, old.generation);
    EXPECT_EQ(layer->Stop(old), kErrInvalidHandle);
    EXPECT_EQ(layer->SetPaused(old, true), kErrInvalidHandle);
    EXPECT_EQ(layer->SetVolume(old, 0.0f), kErrInvalidHandle);
    float volume = 0.0f;
    EXPECT_EQ(layer->GetVolume(fresh, volume), kOk);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    bool paused = true;
    EXPECT_EQ(layer->GetPaused(fresh, paused), kOk);
    EXPECT_FALSE(paused);
    EXPECT_TRUE(Playing(*layer, fresh));

    EXPECT_EQ(layer->Stop(fresh), kOk);
    EXPECT_FALSE(Playing(*layer, fresh));
    EXPECT_EQ(layer->Stop(fresh), kErrInvalidHandle) << "a stopped channel is gone";
}

TEST_F(SoundLayer, FiveHundredTwelveSoundsPlayAtOnce)
{
    auto layer = Open(512);
    ASSERT_EQ(layer->ChannelCount(), 512) << "the device must give the whole pool, not its default 256";
    Sound* tone = nullptr;
    ASSERT_EQ(layer->CreateSound(longTone, kModeDefault, tone), kOk);
    std::vector<Channel> channels(512);
    for (auto& ch : channels) ASSERT_EQ(layer->PlaySound(tone, false, ch), kOk);
    for (const auto& ch : channels) EXPECT_TRUE(Playing(*layer, ch));
    Channel extra;
    EXPECT_EQ(layer->PlaySound(tone, false, extra), kErrNoChannel);
    EXPECT_FALSE(extra);
    // Freeing one channel makes room again.
    EXPECT_EQ(layer->Stop(channels[100]), kOk);
    EXPECT_EQ(layer->PlaySound(tone, false, extra), kOk);
}

TEST_F(SoundLayer, LoopModeAppliesToLaterPlays)
{
    auto layer = Open(4);
    Sound* blip = nullptr;
    ASSERT_EQ(layer->CreateSound(shortTone, kModeDefault, blip), kOk);
    EXPECT_EQ(blip->SetMode(7), kErrInvalidParam);
    ASSERT_EQ(blip->SetMode(kModeLoopNormal), kOk);
    Channel ch;
    ASSERT_EQ(layer->PlaySound(blip, false, ch), kOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(Playing(*layer, ch)) << "a looping 50 ms sound still plays after 300 ms";
}

TEST_F(SoundLayer, PauseHoldsThePosition)
{
    auto layer = Open(4);
    Channel ch = PlayLong(*layer, true);
    std::int64_t before = -1, after = -1;
    layer->GetPosition(ch, before);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    layer->GetPosition(ch, after);
    EXPECT_EQ(before, after) << "a channel started paused does not advance";
    EXPECT_TRUE(Playing(*layer, ch)) << "paused counts as playing";
    ASSERT_EQ(layer->SetPaused(ch, false), kOk);
    EXPECT_TRUE(soundtest::WaitFor([&] { layer->GetPosition(ch, after); return after > before; }, 2.0));
}

TEST_F(SoundLayer, VolumeRejectsNonsense)
{
    auto layer = Open(4);
    Channel ch = PlayLong(*layer, false);
    EXPECT_EQ(layer->SetVolume(ch, 0.25f), kOk);
    EXPECT_EQ(layer->SetVolume(ch, -1.0f), kErrInvalidParam);
    EXPECT_EQ(layer->SetVolume(ch, std::nanf("")), kErrInvalidParam);
    float volume = 0.0f;
    EXPECT_EQ(layer->GetVolume(ch, volume), kOk);
    EXPECT_FLOAT_EQ(volume, 0.25f);
}

TEST_F(SoundLayer, BadFilesAreRefused)
{
    auto layer = Open(4);
    Sound* sound = reinterpret_cast<Sound*>(1);
    EXPECT_EQ(layer->CreateSound((dir / "missing.wav").string(), kModeDefault, sound), kErrFileNotFound);
    EXPECT_EQ(sound, nullptr);
    soundtest::WriteText(dir / "text.wav", "this is not audio at all, just some words");
    EXPECT_NE(layer->CreateSound((dir / "text.wav").string(), kModeDefault, sound), kOk);
    soundtest::WriteTone(dir, "empty.wav", 0.0);
    EXPECT_EQ(layer->CreateSound((dir / "empty.wav").string(), kModeDefault, sound), kErrFormat);
    std::string surround = soundtest::WriteTone(dir, "surround.wav", 0.1, 3);
    EXPECT_EQ(layer->CreateSound(surround, kModeDefault, sound), kErrFormat);
    // A file cut short: the header promises more frames than follow it; only what is there plays.
    std::string cut = soundtest::WriteTone(dir, "cut.wav", 1.0);
    std::filesystem::resize_file(cut, 4000);
    SoundInfo info;
    std::vector<short> pcm;
    EXPECT_EQ(DecodeFile(cut, info, &pcm), kOk);
    EXPECT_LT(info.frames, 2000);
    EXPECT_EQ(pcm.size(), static_cast<std::size_t>(info.frames));
    EXPECT_EQ(layer->PlaySound(nullptr, false, *std::make_unique<Channel>()), kErrInvalidParam);
}

TEST_F(SoundLayer, WithoutADeviceEverythingIsQuietlyRefused)
{
    std::shared_ptr<AudioLayer> layer;
    ASSERT_EQ(AudioLayer::Create(layer), kOk);
    EXPECT_EQ(layer->Init(512, "No Such Sound Card"), kErrDevice);
    EXPECT_FALSE(layer->Ready());
    Sound* tone = nullptr;
    EXPECT_EQ(layer->CreateSound(longTone, kModeDefault, tone), kOk) << "the list is still validated";
    ASSERT_NE(tone, nullptr);
    Channel ch;
    EXPECT_EQ(layer->PlaySound(tone, false, ch), kErrNotReady);
    bool playing = true;
    EXPECT_EQ(layer->IsPlaying(ch, playing), kErrNotReady);
    EXPECT_FALSE(playing);
    EXPECT_EQ(layer->Update(), kErrNotReady);
}

}  // namespace
