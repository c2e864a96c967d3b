// The front-end screens driven headless with a fake mouse: the book's buttons turn chapters and
// pages, the settings screen opens hand-edited values on the nearest offered items without saving,
// and the statistics reset says "Statistics reset." only when the profile was saved.
#include <filesystem>

#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "WidgetTestSupport.h"
#include "meta/MenuCodex.h"
#include "meta/MenuStats.h"
#include "meta/ProfileStats.h"
#include "meta/Settings.h"
#include "render/Text.h"
#include "ui/Slider.h"

namespace {

// A press and release at interface point (x, y), one update each.
void Click(Scene& scene, FakeMouse& mouse, float x, float y)
{
    mouse.Frame(x, y, true);
    scene.Update(0.016f);
    mouse.Frame(x, y, false);
    scene.Update(0.016f);
}

std::string CurrentLabel(const Slider& slider)
{
    return slider.items.at(static_cast<std::size_t>(slider.Index())).label->text;
}

class FrontEndSaveTest : public ::testing::Test {
protected:
    configtest::TempFolder home;
    configtest::ScopedEnv userProfile{"USERPROFILE", home.path.string()};
    std::filesystem::path folder = home.path / "My Games" / "Primalites";

    void SetUp() override
    {
        UserConfig = UserConfigRecord{};
        PlayerProfile = PlayerProfileRecord{};
        testing::internal::CaptureStderr();
        LoadConfigAndProfile(nullptr);
        testing::internal::GetCapturedStderr();
    }
    void TearDown() override
    {
        UserConfig = UserConfigRecord{};
        PlayerProfile = PlayerProfileRecord{};
    }
};

}  // namespace

TEST(MenuCodexScene, ArrowsAndEntryButtonsTurnTheShippedBook)
{
    FakeMouse mouse;
    MenuCodex codex;
    codex.Load();
    codex.Init();
    EXPECT_EQ(codex.Book().ChapterTitle(), "The Basics");
    EXPECT_EQ(codex.Book().Counter(), "1 / 2");
    Click(codex, mouse, -178.0f, -222.0f);  // next page
    EXPECT_EQ(codex.Book().Counter(), "2 / 2");
    Click(codex, mouse, -304.0f, 200.0f);  // Button One on page 2: the seventh entry
    EXPECT_EQ(codex.Book().SelectedEntry(), 6);
    Click(codex, mouse, -60.0f, 290.0f);  // next chapter
    EXPECT_EQ(codex.Book().ChapterTitle(), "Spells and Cards");
    EXPECT_EQ(codex.Book().PagePicture(), "How To Play/reading a card");
    Click(codex, mouse, -548.0f, 290.0f);  // previous chapter
    Click(codex, mouse, -548.0f, 290.0f);  // stops at the first
    EXPECT_EQ(codex.Book().ChapterTitle(), "The Basics");
    codex.Exit();
    codex.Unload();
}

TEST_F(FrontEndSaveTest, HandEditedSettingsOpenOnTheNearestItemsAndSaveNothing)
{
    UserConfig.resolution = -2;
    UserConfig.sensitivity = 40;
    SaveConfig();
    const std::string before = configtest::ReadText(folder / "Config.json");
    Settings settings;
    settings.Load();
    settings.Init();
    settings.Enter();
    EXPECT_EQ(CurrentLabel(*settings.ResolutionSlider()), "1280 x 720");
    EXPECT_EQ(CurrentLabel(*settings.SensitivitySlider()), "5");
    EXPECT_EQ(configtest::ReadText(folder / "Config.json"), before);
    EXPECT_EQ(UserConfig.sensitivity, 40);
    settings.Exit();
    settings.Unload();
}

TEST_F(FrontEndSaveTest, StatisticsResetInTwoClicksAndOnlyWhenSaved)
{
    FakeMouse mouse;
    PlayerProfile.gamesPlayed = 6;
    PlayerProfile.unlockDungeon = true;
    ASSERT_TRUE(SaveProfile());
    MenuStats stats;
    stats.Load();
    stats.Init();
    Click(stats, mouse, -370.0f, -195.0f);
    EXPECT_EQ(stats.Message(), profilestats::kResetQuestion);
    EXPECT_EQ(PlayerProfile.gamesPlayed, 6);
    // With the file gone nothing can be saved, so nothing is reset.
    std::filesystem::rename(folder / "Profile.json", folder / "Profile.away");
    testing::internal::CaptureStderr();
    Click(stats, mouse, -370.0f, -195.0f);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(stats.Message(), profilestats::kResetFailed);
    EXPECT_EQ(PlayerProfile.gamesPlayed, 6);
    std::filesystem::rename(folder / "Profile.away", folder / "Profile.json");
    Click(stats, mouse, -370.0f, -195.0f);
    Click(stats, mouse, -370.0f, -195.0f);
    EXPECT_EQ(stats.Message(), profilestats::kResetDone);
    EXPECT_EQ(PlayerProfile.gamesPlayed, 0);
    EXPECT_TRUE(PlayerProfile.unlockDungeon);
    // 1.5 seconds later the screen is rebuilt with a fresh message.
    for (int i = 0; i < 100; ++i) stats.Update(0.016f);
    EXPECT_EQ(stats.Message(), "");
    stats.Exit();
    stats.Unload();
}
