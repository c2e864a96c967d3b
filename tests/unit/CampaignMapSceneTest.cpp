// The campaign map scene driven headless with a fake mouse against a temporary save folder: the
// briefing, the icons of the unlock chain, the dossier's buttons, the fade into one battle, and
// every shipped dossier text laid out with the game font inside the folder.
#include <filesystem>

#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "WidgetTestSupport.h"
#include "meta/CampaignDossier.h"
#include "meta/CampaignTexts.h"
#include "meta/MenuCampaign.h"
#include "render/Font.h"
#include "scenes/SceneIndex.h"
#include "ui/SmartButton.h"

namespace {

class CampaignMapScene : public ::testing::Test {
protected:
    configtest::TempFolder home;
    configtest::ScopedEnv userProfile{"USERPROFILE", home.path.string()};
    std::filesystem::path profileFile = home.path / "My Games" / "Primalites" / "Profile.json";
    FakeMouse mouse;
    std::vector<int> switches;
    MenuCampaign scene{[this](int index) { switches.push_back(index); }};

    void SetUp() override
    {
        UserConfig = UserConfigRecord{};
        PlayerProfile = PlayerProfileRecord{};
        BattleSetup = BattleSetupRecord{};
        testing::internal::CaptureStderr();
        LoadConfigAndProfile(nullptr);
        testing::internal::GetCapturedStderr();
    }
    void TearDown() override
    {
        scene.Exit();
        scene.Unload();
        PlayerProfile = PlayerProfileRecord{};
        BattleSetup = BattleSetupRecord{};
    }
    void Enter()
    {
        scene.Load();
        scene.Init();
        Frame({0.0f, 0.0f});
    }
    void Frame(glm::vec2 at, bool down = false, float dt = 0.016f)
    {
        mouse.Frame(at.x, at.y, down);
        scene.Update(dt);
    }
    void Click(glm::vec2 at)
    {
        Frame(at);
        Frame(at, true);
        Frame(at);
    }
    void ClickDossier(const std::string& caption)
    {
        SmartButton* button = scene.Dossier()->Button(caption);
        ASSERT_NE(button, nullptr) << caption;
        Click(button->Position());
    }
    glm::vec2 IconAt(int mission) { return MenuCampaign::IconPositions()[static_cast<std::size_t>(mission)]; }
};

}  // namespace

TEST_F(CampaignMapScene, FreshProfileFromTheSpeechIntoTheTraining)
{
    Enter();
    EXPECT_TRUE(BattleSetup.campaignMode);
    EXPECT_EQ(scene.MapPictureName(), "CampaignMap");
    ASSERT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Briefing);
    // While the speech is up a click on the training's icon does nothing.
    Click(IconAt(0));
    EXPECT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Briefing);
    ClickDossier("Continue");
    EXPECT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Closed);
    // Only the training is on the map: the place of mission 1 takes no click.
    Click(IconAt(1));
    EXPECT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Closed);
    Click(IconAt(0));
    ASSERT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Mission);
    EXPECT_EQ(scene.Dossier()->Button("Preview"), nullptr);
    const glm::vec2 exitAt = scene.Dossier()->Button("Exit")->Position();
    ClickDossier("Enter");
    // "Exit" and a second "Enter" during the fade are not taken.
    Click(exitAt);
    EXPECT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Mission);
    for (int i = 0; i < 120; ++i) Frame({0.0f, 0.0f}, false, 0.02f);
    EXPECT_EQ(switches, (std::vector<int>{kSceneGameMap}));
    EXPECT_EQ(BattleSetup.levelName, "TrainingIsland");
    EXPECT_TRUE(BattleSetup.tutorialMode);
    // The game is counted and saved when the fade ends.
    PlayerProfileRecord saved;
    LoadProfileFile(profileFile, saved);
    EXPECT_EQ(saved.gamesPlayed, 1);
}

TEST_F(CampaignMapScene, BackDuringTheFadeStartsOnlyTheBattle)
{
    PlayerProfile.tutorialComplete = 2;
    Enter();
    ClickDossier("Continue");
    Click(IconAt(1));
    ASSERT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Mission);
    ClickDossier("Preview");
    EXPECT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Preview);
    ClickDossier("<");
    ClickDossier("Exit");
    ASSERT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Closed);
    Click(IconAt(1));
    ClickDossier("Enter");
    ClickDossier("Exit");
    Click({-544.0f, -306.0f});  // where the back button sits, 85 % of the way to the corner
    for (int i = 0; i < 120; ++i) Frame({0.0f, 0.0f}, false, 0.02f);
    EXPECT_EQ(switches, (std::vector<int>{kSceneGameMap}));
    EXPECT_EQ(BattleSetup.levelName, "Forest");
    EXPECT_EQ(BattleSetup.player2Faction, 2);
}

TEST_F(CampaignMapScene, GoldGuildIsSavedAndHurrayClosesIt)
{
    for (int* r : {&PlayerProfile.tutorialComplete, &PlayerProfile.level1Complete, &PlayerProfile.level2Complete,
                   &PlayerProfile.level3Complete, &PlayerProfile.level4Complete, &PlayerProfile.level5Complete,
                   &PlayerProfile.level6Complete, &PlayerProfile.level7Complete})
        *r = 2;
    Enter();
    EXPECT_EQ(scene.MapPictureName(), "CampaignMap2");
    PlayerProfileRecord saved;
    LoadProfileFile(profileFile, saved);
    EXPECT_TRUE(saved.unlockGoldenGuild);
    ClickDossier("Hurray");
    EXPECT_EQ(scene.Flow().CurrentView(), CampaignFlow::View::Closed);
    for (int m = 0; m < campaign::kMissionCount; ++m) EXPECT_NE(scene.Icon(m), nullptr);
}

TEST(CampaignDossierText, EveryPageFitsTheFolderAtAReadableSize)
{
    json::Document doc;
    ASSERT_TRUE(json::ParseFile("./Data/Fonts/Alagard.json", doc).ok()) << "run from the build folder";
    Font font;
    ASSERT_EQ(font.ReadGlyphs(doc), 0);
    std::vector<std::string> pages{campaign::texts::kRecruitingSpeech, campaign::texts::kWelcome,
                                   campaign::texts::kGoldGuild, campaign::texts::kTrainingBriefing};
    for (const char* text : campaign::texts::kDebriefs) pages.emplace_back(text);
    for (const char* text : campaign::texts::kBriefings) pages.emplace_back(text);
    for (const std::string& page : pages) {
        const CampaignDossier::BodyFit fit = CampaignDossier::FitBody(page, font);
        EXPECT_GE(fit.size, 22.0f) << page;
        EXPECT_LE(fit.extent.x, CampaignDossier::kBodyWidth) << page;
        EXPECT_LE(fit.extent.y, CampaignDossier::kBodyHeight) << page;
    }
}
