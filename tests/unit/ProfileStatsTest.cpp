// The statistics screen's numbers: favourites, campaign completion, the counter lines, and the
// two-click reset that only reports success when the profile was saved.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "meta/Config.h"
#include "meta/ProfileStats.h"

using namespace profilestats;

TEST(ProfileStatsTest, AFreshProfileShowsTheFirstMapAndFactionAndNothingDone)
{
    PlayerProfileRecord fresh;
    EXPECT_EQ(MapName(FavouriteMap(fresh)), "Square Island");
    EXPECT_EQ(FactionName(FavouriteFaction(fresh)), "Mages Guild");
    EXPECT_EQ(FactionTexture(FavouriteFaction(fresh)), "Mages_Guild");
    EXPECT_EQ(CompletionText(fresh), "0%");
    for (const auto& line : CounterLines(fresh)) EXPECT_EQ(line.value, 0) << line.label;
}

TEST(ProfileStatsTest, FavouritesTakeTheLargestCounterAndTheEarlierOnATie)
{
    PlayerProfileRecord p;
    p.swirlPlayed = 4;
    p.forestPlayed = 4;
    EXPECT_EQ(MapName(FavouriteMap(p)), "Swirl Island");
    p.undergroundPlayed = 5;
    EXPECT_EQ(FavouriteMap(p), 12);
    EXPECT_EQ(MapName(FavouriteMap(p)), "Underground");
    // Faction order puts the Mages Division (counted as "mages_army_used") ninth.
    p.magesArmyUsed = 3;
    p.guildedUsed = 3;
    EXPECT_EQ(FavouriteFaction(p), 9);
    EXPECT_EQ(FactionName(9), "Mages Division");
    p.gnomeUsed = 7;
    EXPECT_EQ(FactionName(FavouriteFaction(p)), "Gnome Army");
    EXPECT_EQ(FactionName(0), "");
    EXPECT_EQ(FactionTexture(11), "default");
}

TEST(ProfileStatsTest, CompletionCountsGildedLevelsOnlyOnceTheLastIsDone)
{
    PlayerProfileRecord p;
    p.tutorialComplete = 2;
    p.level1Complete = 1;
    EXPECT_EQ(CompletionText(p), "13%");
    for (int* result : {&p.tutorialComplete, &p.level1Complete, &p.level2Complete, &p.level3Complete, &p.level4Complete,
                        &p.level5Complete, &p.level6Complete, &p.level7Complete})
        *result = 2;
    EXPECT_EQ(CompletionText(p), "200%");
    EXPECT_TRUE(IsGoldCompletion(CompletionText(p)));
    p.level3Complete = 1;
    EXPECT_EQ(CompletionText(p), "188%");
    EXPECT_FALSE(IsGoldCompletion("188%"));
}

TEST(ProfileStatsTest, CounterLinesKeepTheScreenOrder)
{
    PlayerProfileRecord p;
    p.gamesPlayed = 1;
    p.gamesWon = 2;
    p.gamesLost = 3;
    p.spellsCasted = 4;
    p.normalUsed = 5;
    p.fireUsed = 6;
    p.windUsed = 7;
    p.earthUsed = 8;
    p.waterUsed = 9;
    auto lines = CounterLines(p);
    ASSERT_EQ(lines.size(), 9u);
    const char* labels[] = {"Games Played: ", "Games Won: ",   "Games Lost: ",  "Spells Casted: ", "Normal Casted: ",
                            "Fire Casted: ",  "Wind Casted: ", "Earth Casted: ", "Water Casted: "};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].label, labels[i]);
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].value, i + 1);
    }
}

TEST(ProfileStatsTest, TheFirstPressAsksAndTheSecondResetsTheCountersButNotTheUnlocks)
{
    PlayerProfileRecord p;
    p.unlockForest = true;
    p.unlockGoldenGuild = true;
    p.gamesPlayed = 12;
    p.level7Complete = 2;
    p.undergroundPlayed = 3;
    int saves = 0;
    ResetButton reset;
    EXPECT_EQ(reset.Press(p, [&] { return ++saves > 0; }), kResetQuestion);
    EXPECT_EQ(p.gamesPlayed, 12);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(reset.Press(p, [&] { return ++saves > 0; }), kResetDone);
    EXPECT_TRUE(reset.ResetDone());
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(p.gamesPlayed, 0);
    EXPECT_EQ(p.level7Complete, 0);
    EXPECT_EQ(p.undergroundPlayed, 0);
    EXPECT_TRUE(p.unlockForest);
    EXPECT_TRUE(p.unlockGoldenGuild);
}

TEST(ProfileStatsTest, AFailedSaveRestoresTheCountersAndSaysSo)
{
    PlayerProfileRecord p;
    p.gamesWon = 5;
    p.fireUsed = 9;
    ResetButton reset;
    reset.Press(p, [] { return false; });
    EXPECT_EQ(reset.Press(p, [] { return false; }), kResetFailed);
    EXPECT_FALSE(reset.ResetDone());
    EXPECT_EQ(p.gamesWon, 5);
    EXPECT_EQ(p.fireUsed, 9);
    // Pressing again asks again rather than resetting at once.
    EXPECT_EQ(reset.Press(p, [] { return true; }), kResetQuestion);
}

// The real save: with Profile.json removed a save writes nothing, so nothing may be reset.
TEST(ProfileStatsTest, ResetWithTheProfileFileGoneKeepsEveryCounter)
{
    configtest::TempFolder home;
    configtest::ScopedEnv userProfile{"USERPROFILE", home.path.string()};
    PlayerProfile = PlayerProfileRecord{};
    testing::internal::CaptureStderr();
    LoadConfigAndProfile(nullptr);
    std::filesystem::path file = home.path / "My Games" / "Primalites" / "Profile.json";
    PlayerProfile.gamesPlayed = 3;
    ASSERT_TRUE(SaveProfile());
    std::filesystem::remove(file);
    EXPECT_FALSE(ResetStatistics(PlayerProfile, SaveProfile));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(PlayerProfile.gamesPlayed, 3);
    EXPECT_FALSE(std::filesystem::exists(file));
    PlayerProfile = PlayerProfileRecord{};
}
