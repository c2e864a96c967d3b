#include <gtest/gtest.h>
#include <unistd.h>

#include "SoundTestSupport.h"
#include "audio/SoundSystem.h"

namespace {

// Each test runs in a scratch folder holding its own "Data/AudioAssets.json" and tone files.
class SoundSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = soundtest::ScratchDir("soundsystem");
        home = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        log = std::make_unique<soundtest::CapturedLog>(dir);
        shortTone = soundtest::WriteTone(dir, "short.wav", 0.05);
        longTone = soundtest::WriteTone(dir, "long.wav", 5.0, 2);
    }
    void TearDown() override
    {
        log.reset();
        std::filesystem::current_path(home);
        std::filesystem::remove_all(dir);
    }

    void WriteAssets(const std::string& json) { soundtest::WriteText(dir / "Data" / "AudioAssets.json", json); }
    void WriteStandardAssets()
    {
        WriteAssets(R"({"audioAssets": [{"name": "Blip", "filePath": "short.wav"},
                                        {"name": "Music", "filePath": "long.wav"}]})");
    }
    bool Playing(SoundSystem& sounds, const std::string& name)
    {
        bool playing = false;
        sounds.Layer()->IsPlaying(sounds.ChannelOf(name), playing);
        return playing;
    }
    bool Paused(SoundSystem& sounds, const std::string& name)
    {
        bool paused = false;
        sounds.Layer()->GetPaused(sounds.ChannelOf(name), paused);
        return paused;
    }
    std::int64_t Position(SoundSystem& sounds, const std::string& name)
    {
        std::int64_t frame = -1;
        sounds.Layer()->GetPosition(sounds.ChannelOf(name), frame);
        return frame;
    }

    std::filesystem::path dir, home;
    std::unique_ptr<soundtest::CapturedLog> log;
    std::string shortTone, longTone;
};

TEST_F(SoundSystemTest, ThirdAssetWithoutPathKeepsTheFirstTwo)
{
    WriteAssets(R"({"audioAssets": [{"name": "Blip", "filePath": "short.wav"},
                                    {"name": "Music", "filePath": "long.wav"},
                                    {"name": "Broken"},
                                    {"name": "Never", "filePath": "short.wav"}]})");
    SoundSystem sounds;
    sounds.Init();
    EXPECT_TRUE(log->Has("Error: Invalid asset data in JSON file."));
    EXPECT_TRUE(log->Has("Error: Loading sound into the FMOD System "));
    EXPECT_NE(sounds.FindSound("Blip"), nullptr);
    EXPECT_NE(sounds.FindSound("Music"), nullptr);
    EXPECT_EQ(sounds.FindSound("Never"), nullptr) << "loading stops at the first bad element";
    EXPECT_TRUE(log->Has("Error: Sound not found: Never"));
}

TEST_F(SoundSystemTest, AssetFileFailuresHaveTheirOwnMessages)
{
    SoundSystem sounds;
    sounds.Init();
    EXPECT_TRUE(log->Has("audio file didnt open"));
    EXPECT_TRUE(log->Has("Error: Loading sound into the FMOD System "));

    soundtest::WriteText(dir / "bad.json", "{\"audioAssets\": [");
    EXPECT_FALSE(sounds.LoadAudioAssets("bad.json"));
    EXPECT_TRUE(log->Has("parse error"));

    for (const char* text : {"[]", "{\"assets\": []}", "{\"audioAssets\": {}}"}) {
        soundtest::WriteText(dir / "shape.json", text);
        std::size_t before = log->Count();
        EXPECT_FALSE(sounds.LoadAudioAssets("shape.json")) << text;
        ASSERT_EQ(log->Count(), before + 1);
        EXPECT_EQ(log->Lines().back(), "Error: Invalid JSON structure check formatting!.") << text;
    }

    soundtest::WriteText(dir / "types.json", R"({"audioAssets": [{"name": 3, "filePath": "short.wav"}]})");
    EXPECT_FALSE(sounds.LoadAudioAssets("types.json"));
    EXPECT_EQ(log->Lines().back(), "Error: Invalid asset data in JSON file.");

    soundtest::WriteText(dir / "missing.json", R"({"audioAssets": [{"name": "Gone", "filePath": "gone.wav"}]})");
    EXPECT_FALSE(sounds.LoadAudioAssets("missing.json"));
    EXPECT_EQ(log->Lines().back(), "Error: Failed to load sound gone.wav");
}

TEST_F(SoundSystemTest, LaterDuplicateNameReplacesTheEarlier)
{
    WriteAssets(R"({"audioAssets": [{"name": "Same", "filePath": "short.wav"},
                                    {"name": "Same", "filePath": "long.wav"}]})");
    SoundSystem sounds;
    sounds.Init();
    ASSERT_NE(sounds.FindSound("Same"), nullptr);
    EXPECT_EQ(sounds.FindSound("Same")->Channels(), 2);
}

TEST_F(SoundSystemTest, UnknownNameOnlyLogs)
{
    WriteStandardAssets();
    SoundSystem sounds;
    sounds.Init();
    sounds.Play("blip");  // names are case-sensitive
    EXPECT_TRUE(log->Has("Error: Sound not found: blip"));
    EXPECT_FALSE(sounds.ChannelOf("blip"));
    sounds.PlayLooped("Nothing");
    EXPECT_TRUE(log->Has("Error: Sound not found: Nothing"));
    EXPECT_EQ(sounds.FindSound("Blip")->GetMode(), audio::kModeDefault);
}

TEST_F(SoundSystemTest, FinishedSoundWarnsWhenPaused)
{
    WriteStandardAssets();
    SoundSystem sounds;
    sounds.Init();
    sounds.Play("Blip");
    ASSERT_TRUE(sounds.ChannelOf("Blip"));
    ASSERT_TRUE(soundtest::WaitFor([&] { return !Playing(sounds, "Blip"); }, 3.0));
    sounds.SetPaused("Blip", true);
    EXPECT_TRUE(log->Has("Warning: Sound Blip is not currently playing."));
    sounds.SetPaused("Music", true);
    EXPECT_TRUE(log->Has("Error: Sound Music not found."));
}

TEST_F(SoundSystemTest, StopOfANameNeverPlayed)
{
    WriteStandardAssets();
    SoundSystem sounds;
    sounds.Init();
    sounds.Stop("Music");
    EXPECT_TRUE(log->Has("Error: Sound not found or not playing: Music"));
    sounds.SetVolume("Music", 0.5f);
    EXPECT_EQ(log->Lines().back(), "Error: Sound not found or not playing: Music");
}

TEST_F(SoundSystemTest, LoopModeStaysForLaterPlays)
{
    WriteStandardAssets();
    SoundSystem sounds;
    sounds.Init();
    sounds.PlayLooped("Blip");
    sounds.Stop("Blip");
    EXPECT_FALSE(Playing(sounds, "Blip"));
    sounds.Play("Blip");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(Playing(sounds, "Blip")) << "a plain Play after PlayLooped loops too";
}

TEST_F(SoundSystemTest, ReplayedNameTracksTheNewestChannel)
{
    WriteStandardAssets();
    SoundSystem sounds;
    sounds.Init();
    sounds.Play("Music");
    audio::Channel first = sounds.ChannelOf("Music");
    sounds.Play("Music");
    EXPECT_NE(sounds.ChannelOf("Music"), first);
    sounds.Stop("Music");
    bool playing = false;
    sounds.Layer()->IsPlaying(first, playing);
    EXPECT_TRUE(playing) << "the earlier channel plays on untracked";
}

TEST_F(SoundSystemTest, SceneMusicStartsPausedAndResumesWhereItWas)
{
    WriteStandardAssets();
    SoundSystem global;
    global.Init();
    // The scene pattern: copy, play looped, set the volume, pause at once when music is off.
    SoundSystem scene = global;
    scene.PlayLooped("Music");
    scene.SetVolume("Music", 0.3f);
    scene.SetPaused("Music", true);
    EXPECT_FALSE(global.ChannelOf("Music")) << "the copy keeps its own channel table";
    ASSERT_TRUE(scene.ChannelOf("Music"));
    EXPECT_TRUE(Paused(scene, "Music"));
    std::int64_t held = Position(scene, "Music");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_EQ(Position(scene, "Music"), held);
    float volume = 0.0f;
    scene.Layer()->GetVolume(scene.ChannelOf("Music"), volume);
    EXPECT_FLOAT_EQ(volume, 0.3f);

    // Music switched on in the settings.
    scene.SetPaused("Music", false);
    EXPECT_FALSE(Paused(scene, "Music"));
    std::int64_t resumed = Position(scene, "Music");
    EXPECT_GE(resumed, held);
    EXPECT_LT(resumed, held + 44100 / 5) << "resumed from where it was, not restarted or skipped ahead";
    ASSERT_TRUE(soundtest::WaitFor([&] { return Position(scene, "Music") > held; }, 2.0));
    scene.Stop("Music");
    EXPECT_FALSE(Playing(scene, "Music"));
}

TEST_F(SoundSystemTest, FailedVolumeChangeRestoresThePrevious)
{
    WriteStandardAssets();
    SoundSystem sounds;
    sounds.Init();
    sounds.Play("Music");
    sounds.SetVolume("Music", 0.4f);
    sounds.SetVolume("Music", -2.0f);
    EXPECT_TRUE(log->Has("Error: Failed to set volume for sound Music"));
    float volume = 0.0f;
    sounds.Layer()->GetVolume(sounds.ChannelOf("Music"), volume);
    EXPECT_FLOAT_EQ(volume, 0.4f);
}

TEST_F(SoundSystemTest, StaleChannelsInOneTableDoNotReachAnothersSound)
{
    WriteStandardAssets();
    SoundSystem sounds;
    sounds.Init();
    SoundSystem other = sounds;
    other.Play("Blip");
    ASSERT_TRUE(soundtest::WaitFor([&] { return !Playing(other, "Blip"); }, 3.0));
    // Enough plays to come round the whole pool onto the finished channel's slot again.
    for (int i = 0; i < SoundSystem::kChannels; ++i) sounds.Play("Music");
    std::size_t before = log->Count();
    other.Stop("Blip");
    other.SetVolume("Blip", 0.0f);
    EXPECT_EQ(log->Count(), before + 2) << "both calls report the finished channel";
    float volume = 0.0f;
    sounds.Layer()->GetVolume(sounds.ChannelOf("Music"), volume);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    for (const auto& line : log->Lines()) EXPECT_EQ(line.find("Failed to play"), std::string::npos) << line;
}

TEST_F(SoundSystemTest, NoDeviceKeepsKnownNamesSilent)
{
    WriteStandardAssets();
    SoundSystem sounds("No Such Sound Card");
    sounds.Init();
    EXPECT_TRUE(log->Has("Error: Failed to Initialize FMOD System "));
    EXPECT_FALSE(sounds.Audible());
    std::size_t before = log->Count();
    sounds.Play("Blip");
    sounds.PlayLooped("Music");
    sounds.SetVolume("Music", 0.1f);
    sounds.SetPaused("Music", true);
    sounds.Stop("Music");
    sounds.Update(0.016f);
    EXPECT_EQ(log->Count(), before) << "nothing was played, so a known name has nothing to report";
}

TEST_F(SoundSystemTest, NoDeviceStillReportsUnknownNames)
{
    WriteStandardAssets();
    SoundSystem sounds("No Such Sound Card");
    sounds.Init();
    ASSERT_FALSE(sounds.Audible());
    sounds.Play("Clik");
    sounds.PlayLooped("MenuMusik");
    sounds.SetPaused("Nope", true);
    sounds.Stop("Never_Played");
    sounds.SetVolume("Never_Played", 0.5f);
    EXPECT_TRUE(log->Has("Error: Sound not found: Clik"));
    EXPECT_TRUE(log->Has("Error: Sound not found: MenuMusik"));
    EXPECT_TRUE(log->Has("Error: Sound Nope not found."));
    EXPECT_EQ(log->Lines().back(), "Error: Sound not found or not playing: Never_Played");
    EXPECT_EQ(log->Lines()[log->Lines().size() - 2], "Error: Sound not found or not playing: Never_Played");
}

TEST_F(SoundSystemTest, LostDeviceIsReportedOncePerOutage)
{
    WriteStandardAssets();
    SoundSystem sounds;
    std::size_t before = log->Count();
    for (int frame = 0; frame < 100; ++frame) sounds.ReportUpdate(audio::kErrDevice);
    EXPECT_EQ(log->Count(), before + 1);
    EXPECT_EQ(log->Lines().back(), "Error: Failed to update FMOD System");
    sounds.ReportUpdate(audio::kOk);
    sounds.ReportUpdate(audio::kErrDevice);
    EXPECT_EQ(log->Count(), before + 2) << "a second outage is a new line";
}

TEST_F(SoundSystemTest, GlobalInstanceIsTheEngineSystem)
{
    std::unique_ptr<System> system = CreateSoundSystem();
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->GetName(), "SoundSystem");
    EXPECT_EQ(system.get(), &SoundSystem::Instance());
    std::unique_ptr<System> again = CreateSoundSystem();
    EXPECT_NE(again.get(), system.get()) << "the instance is owned once";
    system.reset();
    SoundSystem& fresh = SoundSystem::Instance();  // created on first use after the old one is gone
    EXPECT_EQ(&fresh, &SoundSystem::Instance());
    CreateSoundSystem().reset();
}

}  // namespace
