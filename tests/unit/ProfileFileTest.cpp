// Profile.json: first start, partial and ill-typed files, unparsable files, key lookups.
#include <string>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "meta/PlayerProfile.h"

using configtest::MemberKeys;
using configtest::ReadText;
using configtest::WriteText;
namespace fs = std::filesystem;

class ProfileFileTest : public ::testing::Test {
protected:
    configtest::TempFolder folder;
    fs::path file = folder.path / "Profile.json";
    PlayerProfileRecord profile;

    std::string Load()
    {
        testing::internal::CaptureStderr();
        LoadProfileFile(file, profile);
        return testing::internal::GetCapturedStderr();
    }
    std::string Save()
    {
        testing::internal::CaptureStderr();
        SaveProfileFile(file, profile);
        return testing::internal::GetCapturedStderr();
    }
    static std::vector<std::string> TableKeys()
    {
        PlayerProfileRecord scratch;
        std::vector<std::string> keys;
        for (const auto& member : ProfileMembers(scratch)) keys.emplace_back(member.key);
        return keys;
    }
};

TEST_F(ProfileFileTest, FirstStartWritesFiftyMembersInOrder)
{
    EXPECT_EQ(Load(), "Player profile could not be found. creating.\n");
    std::vector<std::string> keys = MemberKeys(file);
    ASSERT_EQ(keys.size(), 50u);
    EXPECT_EQ(keys, TableKeys());
    EXPECT_EQ(keys.front(), "unlock_forest");
    EXPECT_EQ(keys[9], "unlock_goldenguild");
    EXPECT_EQ(keys[10], "spells_casted");
    EXPECT_EQ(keys[42], "tutorial_complete");
    EXPECT_EQ(keys.back(), "level7_complete");
    std::string text = ReadText(file);
    EXPECT_EQ(text.rfind("{\n    \"unlock_forest\": false,\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n    \"spells_casted\": 0,\n"), std::string::npos);
}

TEST_F(ProfileFileTest, PartialFileKeepsItsMemberAndGainsTheOthersAtTheNextSave)
{
    WriteText(file, "{\"games_won\": 5}");
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(profile.gamesWon, 5);
    EXPECT_EQ(profile.gamesPlayed, 0);
    EXPECT_FALSE(profile.unlockForest);
    EXPECT_EQ(ReadText(file), "{\"games_won\": 5}") << "loading never rewrites the profile";
    profile.spellsCasted = 12;
    EXPECT_EQ(Save(), "");
    std::vector<std::string> expected{"games_won"};
    for (const std::string& key : TableKeys())
        if (key != "games_won") expected.push_back(key);
    EXPECT_EQ(MemberKeys(file), expected);
    PlayerProfileRecord reread;
    LoadProfileFile(file, reread);
    EXPECT_EQ(reread.gamesWon, 5);
    EXPECT_EQ(reread.spellsCasted, 12);
}

TEST_F(ProfileFileTest, FlagsAreSetOnlyByJsonTrueAndIllTypedCountersKeepTheirValue)
{
    WriteText(file, R"({"unlock_forest": 1, "unlock_volcano": true, "unlock_dungeon": "true",
                        "games_played": "7", "games_lost": 2147483648, "fire_used": 3.5, "level3_complete": 2,
                        "unlock_deadlands": false})");
    profile.gamesPlayed = 2;
    profile.gamesLost = 4;
    profile.unlockDeadlands = true;
    Load();
    EXPECT_FALSE(profile.unlockForest);
    EXPECT_TRUE(profile.unlockVolcano);
    EXPECT_FALSE(profile.unlockDungeon);
    EXPECT_FALSE(profile.unlockDeadlands);
    EXPECT_EQ(profile.gamesPlayed, 2);
    EXPECT_EQ(profile.gamesLost, 4) << "integers outside 32 bits are ill-typed";
    EXPECT_EQ(profile.fireUsed, 0);
    EXPECT_EQ(profile.level3Complete, 2);
    Save();
    json::Document doc;
    ASSERT_TRUE(json::ParseFile(file.string(), doc).ok());
    EXPECT_EQ(doc["games_played"].GetInt(), 2) << "the ill-typed member is replaced in place";
    EXPECT_EQ(MemberKeys(file).front(), "unlock_forest");
}

TEST_F(ProfileFileTest, UnparsableFileKeepsValuesAndIsSetAsideAtTheNextSave)
{
    const std::string broken = "{\"games_won\": 5, \"games_lost\": ";
    WriteText(file, broken);
    profile.gamesWon = 1;
    EXPECT_EQ(Load(), "Error: Failed to parse Config file.\n");
    EXPECT_EQ(profile.gamesWon, 1);
    EXPECT_EQ(ReadText(file), broken) << "loading leaves the broken file alone";
    std::string err = Save();
    EXPECT_NE(err.find("Profile.json could not be parsed; the old file is kept as Profile.json.bad"),
              std::string::npos)
        << err;
    EXPECT_EQ(ReadText(folder.path / "Profile.json.bad"), broken);
    EXPECT_EQ(MemberKeys(file).size(), 50u);
    // Now the file is sound again, so the next save sets nothing aside.
    fs::remove(folder.path / "Profile.json.bad");
    EXPECT_EQ(Save(), "");
    EXPECT_FALSE(fs::exists(folder.path / "Profile.json.bad"));
}

TEST(PlayerProfileRecord, KeysReachTheirFieldsAndResetKeepsUnlocks)
{
    PlayerProfileRecord profile;
    ASSERT_NE(profile.Counter("square_played"), nullptr);
    *profile.Counter("square_played") = 3;
    *profile.Counter("level7_complete") = 2;
    *profile.Flag("unlock_magesdivision") = true;
    EXPECT_EQ(profile.squarePlayed, 3);
    EXPECT_EQ(profile.level7Complete, 2);
    EXPECT_TRUE(profile.unlockMagesDivision);
    EXPECT_EQ(profile.Counter("unlock_forest"), nullptr);
    EXPECT_EQ(profile.Flag("games_won"), nullptr);
    EXPECT_EQ(profile.Counter("Square_played"), nullptr) << "keys are case-sensitive";
    profile.ResetCounters();
    EXPECT_EQ(profile.squarePlayed, 0);
    EXPECT_EQ(profile.level7Complete, 0);
    EXPECT_TRUE(profile.unlockMagesDivision);
}

TEST_F(ProfileFileTest, SomethingUnreadableInThePlaceOfTheFileIsNeverReplaced)
{
    fs::create_directory(file);
    configtest::WriteText(file / "inside", "keep me");
    std::string err = Load();
    EXPECT_EQ(err.rfind("Player profile could not be found. creating.\n"
                        "Error: Could not open Profile.json for writing\n",
                        0),
              0u)
        << err;
    EXPECT_EQ(Save(), "Error: Could not open Profile.json\n");
    EXPECT_EQ(configtest::ReadText(file / "inside"), "keep me");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 1)
        << "no temporary file stays behind";
}

TEST_F(ProfileFileTest, APipeInThePlaceOfTheFileDoesNotHang)
{
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    EXPECT_NE(Load().find("Error: Could not open Profile.json for writing"), std::string::npos);
    EXPECT_EQ(Save(), "Error: Could not open Profile.json\n");
    EXPECT_TRUE(fs::is_fifo(file));
}

// Every scene switch saves the profile: when nothing changed the file is left alone (no rename,
// so the same inode and time), and the first real change is written again.
TEST_F(ProfileFileTest, UnchangedSaveLeavesTheFileUntouched)
{
    Load();
    ASSERT_EQ(Save(), "");
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    EXPECT_EQ(Save(), "");
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "an unchanged profile was written again";
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);

    profile.spellsCasted += 3;
    EXPECT_EQ(Save(), "");
    struct stat changed {};
    ASSERT_EQ(::stat(file.c_str(), &changed), 0);
    EXPECT_NE(changed.st_ino, before.st_ino) << "a changed profile must be replaced";
    EXPECT_NE(ReadText(file).find("\"spells_casted\": 3,"), std::string::npos);
}

TEST_F(ProfileFileTest, HandEditedFileWithTheSameValuesIsRewrittenInTheGamesLayout)
{
    Load();
    Save();
    std::string text = ReadText(file);
    WriteText(file, text.substr(0, text.size() - 1));  // same values, last newline gone
    Save();
    EXPECT_EQ(ReadText(file), text) << "a file that differs in any byte is written";
}
