// The process-wide configuration: start-up loading, SetSetting, the settings hook, save folder
// trouble. The save folder is pointed at a scratch folder through USERPROFILE.
#include <string>

#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "meta/BattleSetup.h"
#include "meta/Config.h"
#include "meta/PlayerProfile.h"
#include "scenes/SceneSystem.h"

using configtest::MemberKeys;
using configtest::ReadText;
using configtest::WriteText;
namespace fs = std::filesystem;

class ConfigSettingsTest : public ::testing::Test {
protected:
    configtest::TempFolder home;
    configtest::ScopedEnv userProfile{"USERPROFILE", home.path.string()};
    fs::path folder = home.path / "My Games" / "Primalites";
    fs::path configFile = folder / "Config.json";
    fs::path profileFile = folder / "Profile.json";
    int hookCalls = 0;

    void SetUp() override
    {
        UserConfig = UserConfigRecord{};
        PlayerProfile = PlayerProfileRecord{};
        debugOn = false;
        SetSettingChangedHook([this] { ++hookCalls; });
    }
    void TearDown() override { SetSettingChangedHook(nullptr); }

    std::string LoadAll()
    {
        testing::internal::CaptureStderr();
        LoadConfigAndProfile(nullptr);
        return testing::internal::GetCapturedStderr();
    }
    bool StoredFlag(const char* key)
    {
        json::Document doc;
        EXPECT_TRUE(json::ParseFile(configFile.string(), doc).ok());
        return doc.IsObject() && doc.HasMember(key) && doc[key].IsTrue();
    }
};

TEST_F(ConfigSettingsTest, FirstStartMakesTheFolderAndBothFiles)
{
    BattleSetup.winner = 1;
    BattleSetup.levelName = "Volcano";
    std::string err = LoadAll();
    EXPECT_EQ(err, "Error: Config file not found. Reverting to default settings.\n"
                   "Player profile could not be found. creating.\n");
    EXPECT_EQ(MemberKeys(configFile), configtest::kConfigFileOrder);
    EXPECT_EQ(MemberKeys(profileFile).size(), 50u);
    EXPECT_EQ(BattleSetup.winner, -1);
    EXPECT_EQ(BattleSetup.levelName, "SquareIsland");
    EXPECT_EQ(BattleSetup.player2Color, kTeamColors[1]);
    EXPECT_EQ(BattleSetup.parTurns, 99);
    // A second start reads them back quietly.
    EXPECT_EQ(LoadAll(), "");
}

TEST_F(ConfigSettingsTest, BrokenConfigStillLoadsTheProfile)
{
    fs::create_directories(folder);
    WriteText(configFile, "{\"FULLSCREEN\": fa");
    WriteText(profileFile, "{\"games_won\": 3}");
    EXPECT_EQ(LoadAll().rfind("Error: Failed to parse Config file.\n", 0), 0u);
    EXPECT_TRUE(UserConfig.fullscreen);
    EXPECT_EQ(PlayerProfile.gamesWon, 3);
}

TEST_F(ConfigSettingsTest, FlagSettingsSaveAndNotifyTheScenes)
{
    LoadAll();
    const char* keys[] = {"FULLSCREEN", "MUSIC", "SFX", "HEALTHBARS", "HIGHCONTRAST", "LOWFPS", "HARDWARECURSOR"};
    for (int id = 0; id <= 6; ++id) {
        bool value = !GetSetting(id);
        hookCalls = 0;
        SetSetting(id, value);
        EXPECT_EQ(GetSetting(id), value) << id;
        EXPECT_EQ(StoredFlag(keys[id]), value) << keys[id];
        EXPECT_EQ(hookCalls, id == kSettingFullscreen ? 0 : 1) << "id " << id;
    }
    EXPECT_EQ(MemberKeys(configFile), configtest::kConfigFileOrder);
}

TEST_F(ConfigSettingsTest, DebugSwitchIsNeverSaved)
{
    LoadAll();
    std::string before = ReadText(configFile);
    fs::file_time_type stamp = fs::last_write_time(configFile);
    SetSetting(kSettingDebug, true);
    EXPECT_TRUE(debugOn);
    EXPECT_TRUE(GetSetting(kSettingDebug));
    EXPECT_EQ(hookCalls, 0);
    EXPECT_EQ(ReadText(configFile), before);
    EXPECT_EQ(fs::last_write_time(configFile), stamp);
}

TEST_F(ConfigSettingsTest, UnknownIdsSaveAndNotifyButStoreNothing)
{
    LoadAll();
    WriteText(configFile, "{\"MUSIC\": true}");
    for (int id : {8, -1, 1000}) {
        hookCalls = 0;
        SetSetting(id, true);
        EXPECT_FALSE(GetSetting(id)) << id;
        EXPECT_EQ(hookCalls, 1) << id;
    }
    EXPECT_EQ(MemberKeys(configFile).size(), 9u) << "the save filled in the missing members";
}

TEST_F(ConfigSettingsTest, DeletedConfigIsNotRecreatedByAChange)
{
    LoadAll();
    fs::remove(configFile);
    testing::internal::CaptureStderr();
    SetSetting(kSettingMusic, false);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Could not open Config.json\n");
    EXPECT_FALSE(fs::exists(configFile));
    EXPECT_FALSE(UserConfig.music) << "the run still uses the change";
}

TEST_F(ConfigSettingsTest, ConfiguredResolutionIsPrintedBackToBack)
{
    UserConfig.resolution = 4;
    testing::internal::CaptureStdout();
    Resolution size = GetConfiguredResolution();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "config returned: 19201080\n");
    EXPECT_EQ(size.width, 1920.0f);
    EXPECT_EQ(size.height, 1080.0f);
}

TEST_F(ConfigSettingsTest, WindowedFlagOverridesTheSettingWithoutChangingIt)
{
    UserConfig.fullscreen = true;
    forceWindowed = true;
    EXPECT_FALSE(FullscreenActive());
    EXPECT_TRUE(GetSetting(kSettingFullscreen));
    forceWindowed = false;
    EXPECT_TRUE(FullscreenActive());
}

TEST_F(ConfigSettingsTest, ChoosingAWindowModeEndsTheWindowedRun)
{
    // As with the P key: `--windowed` holds until the player picks a mode, and the settings
    // screen's full-screen switch must not look dead in such a run.
    LoadAll();
    UserConfig.fullscreen = false;
    forceWindowed = true;
    SetSetting(kSettingFullscreen, true);
    EXPECT_TRUE(FullscreenActive());
    EXPECT_FALSE(forceWindowed);
    forceWindowed = true;
    SetSetting(kSettingMusic, false);
    EXPECT_TRUE(forceWindowed) << "other settings leave the window mode alone";
    forceWindowed = false;
}

TEST_F(ConfigSettingsTest, HardwareCursorSettingPicksTheSystemArrow)
{
    auto* gameImage = reinterpret_cast<GLFWcursor*>(&hookCalls);  // only compared, never used
    SetGameCursor(gameImage);
    EXPECT_EQ(ChosenCursor(), gameImage);
    UserConfig.hardwareCursor = true;
    EXPECT_EQ(ChosenCursor(), nullptr);
    UserConfig.hardwareCursor = false;
    SetGameCursor(nullptr);
    EXPECT_EQ(ChosenCursor(), nullptr) << "without the game's image the arrow stays";
}

TEST_F(ConfigSettingsTest, NoSaveFolderIsReportedOnceAndNothingIsSaved)
{
    configtest::ScopedEnv noProfile("USERPROFILE", std::nullopt);
    configtest::ScopedEnv noData("XDG_DATA_HOME", std::nullopt);
    configtest::ScopedEnv noHome("HOME", std::nullopt);
    UserConfig.music = false;
    EXPECT_EQ(LoadAll(), "Error: Documents directory not found\n");
    EXPECT_TRUE(UserConfig.music) << "the run goes on with defaults";
    testing::internal::CaptureStderr();
    SaveConfig();
    SaveProfile();
    SetSetting(kSettingSfx, false);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(fs::exists(folder));
}

TEST_F(ConfigSettingsTest, UncreatableFolderIsReportedAndSavesResumeOnceItWorks)
{
    WriteText(home.path / "My Games", "a file where the folder should be");
    std::string err = LoadAll();
    EXPECT_EQ(err.rfind("Error: filesystem error: ", 0), 0u) << err;
    EXPECT_NE(err.find("Not a directory"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << "reported once: " << err;

    fs::remove(home.path / "My Games");
    EXPECT_EQ(LoadAll(), "Error: Config file not found. Reverting to default settings.\n"
                         "Player profile could not be found. creating.\n");
}

TEST_F(ConfigSettingsTest, ProfileSavesKeepEveryValue)
{
    LoadAll();
    PlayerProfile.gamesPlayed = 7;
    PlayerProfile.unlockUnderground = true;
    PlayerProfile.level7Complete = 2;
    SaveProfile();
    PlayerProfile = PlayerProfileRecord{};
    LoadAll();
    EXPECT_EQ(PlayerProfile.gamesPlayed, 7);
    EXPECT_TRUE(PlayerProfile.unlockUnderground);
    EXPECT_EQ(PlayerProfile.level7Complete, 2);
}

namespace {
class CountingScene : public Scene {
public:
    explicit CountingScene(int& changes) : Scene("Counting"), changes(changes) {}
    void Load() override {}
    void Init() override {}
    void Update(float) override {}
    void Render() override {}
    void Exit() override {}
    void Unload() override {}
    void OnSettingChanged() override { ++changes; }
    int& changes;
};
}  // namespace

TEST_F(ConfigSettingsTest, CursorSettingReachesTheCurrentAndTheSuspendedScene)
{
    int below = 0, above = 0;
    {
        SceneSystem scenes;
        std::vector<std::unique_ptr<Scene>> list;
        list.push_back(std::make_unique<CountingScene>(below));
        list.push_back(std::make_unique<CountingScene>(above));
        scenes.InitWith(std::move(list), 0);
        ASSERT_TRUE(scenes.pushScene(1));
        ApplyCursorSetting();
        EXPECT_EQ(below, 1);
        EXPECT_EQ(above, 1);
    }
    ApplyCursorSetting();  // the scene system is gone: nothing left to tell
    EXPECT_EQ(below, 1);
}
