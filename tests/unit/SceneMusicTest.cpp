// A scene's own music follows the music setting, focus and minimising.
#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "audio/SoundSystem.h"
#include "meta/Config.h"
#include "meta/SceneMusic.h"

namespace {

class SceneMusicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = soundtest::ScratchDir("scenemusic");
        home = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        log = std::make_unique<soundtest::CapturedLog>(dir);
        soundtest::WriteTone(dir, "long.wav", 5.0);
        soundtest::WriteText(dir / "Data" / "AudioAssets.json", R"({"audioAssets": [{"name": "VictoryMusic", "filePath": "long.wav"}]})");
        global.Init();
        savedMusic = UserConfig.music;
    }
    void TearDown() override
    {
        UserConfig.music = savedMusic;
        log.reset();
        std::filesystem::current_path(home);
        std::filesystem::remove_all(dir);
    }
    bool Paused()
    {
        bool paused = false;
        music.sound()->Layer()->GetPaused(music.sound()->ChannelOf("VictoryMusic"), paused);
        return paused;
    }

    std::filesystem::path dir, home;
    std::unique_ptr<soundtest::CapturedLog> log;
    SoundSystem global;
    SceneMusic music;
    bool savedMusic = true;
};

}  // namespace

TEST_F(SceneMusicTest, SilentSettingStartsPausedAndTheSettingResumes)
{
    UserConfig.music = false;
    music.Start("VictoryMusic", 0.5f, global);
    ASSERT_TRUE(music.sound()->ChannelOf("VictoryMusic")) << "the channel exists while paused";
    EXPECT_TRUE(Paused());
    EXPECT_FALSE(global.ChannelOf("VictoryMusic")) << "the scene plays in its own copy";
    float volume = 0.0f;
    music.sound()->Layer()->GetVolume(music.sound()->ChannelOf("VictoryMusic"), volume);
    EXPECT_FLOAT_EQ(volume, 0.5f);
    music.OnFocus(true);
    music.OnIconify(false);
    EXPECT_TRUE(Paused()) << "focus and restore do not override the setting";
    UserConfig.music = true;
    music.OnSettingChanged();
    EXPECT_FALSE(Paused());
}

TEST_F(SceneMusicTest, FocusAndMinimisingPauseOnlyWhileMusicIsOn)
{
    UserConfig.music = true;
    music.Start("VictoryMusic", 0.5f, global);
    EXPECT_FALSE(Paused());
    music.OnFocus(false);
    EXPECT_TRUE(Paused());
    music.OnFocus(true);
    EXPECT_FALSE(Paused());
    music.OnIconify(true);
    EXPECT_TRUE(Paused());
    music.OnIconify(false);
    EXPECT_FALSE(Paused());
    music.Stop();
    EXPECT_EQ(music.sound(), nullptr);
    music.OnSettingChanged();  // nothing left to act on
}
