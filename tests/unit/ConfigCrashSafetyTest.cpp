// Saves are killed mid-way in a loop: the file must always be a complete old or new version.
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "meta/AtomicFile.h"
#include "meta/PlayerProfile.h"

namespace fs = std::filesystem;

namespace {

// A large unknown member makes each save long enough for the kills to land inside one.
const std::string kPad(300000, 'p');

int CountLeftovers(const fs::path& folder)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().rfind(".Profile.json.tmp-", 0) == 0) ++count;
    return count;
}

// True when file holds a whole profile written by one save (both counters from the same round).
bool IsCompleteProfile(const fs::path& file)
{
    json::Document doc;
    if (!json::ParseFile(file.string(), doc).ok() || !doc.IsObject()) return false;
    if (doc.MemberCount() != 51 || !doc.HasMember("pad") || doc["pad"].GetStringLength() != kPad.size()) return false;
    return doc["games_won"].IsInt() && doc["games_lost"].IsInt() && doc["games_won"].GetInt() == doc["games_lost"].GetInt();
}

// Runs save(n) for n = 1, 2, ... in a child process and kills it at a random moment once the
// first save is done (so a slow start cannot make every kill miss the saves).
template <typename Save>
void KillMidSave(Save save)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(ready[0]);
        save(1);
        char byte = 1;
        if (write(ready[1], &byte, 1) != 1) _exit(1);
        for (int n = 2;; ++n) save(n);
    }
    close(ready[1]);
    char byte = 0;
    EXPECT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    usleep(static_cast<useconds_t>(std::rand() % 10000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
}

class ConfigCrashSafety : public ::testing::Test {
protected:
    configtest::TempFolder folder;
    fs::path file = folder.path / "Profile.json";
    void SetUp() override
    {
        PlayerProfileRecord profile;
        configtest::WriteText(file, "{\"pad\": \"" + kPad + "\"}");
        SaveProfileFile(file, profile);
        ASSERT_TRUE(IsCompleteProfile(file));
    }
};

}  // namespace

TEST_F(ConfigCrashSafety, KilledSavesAlwaysLeaveACompleteFile)
{
    // Kill until enough kills have landed inside a save (a temporary file stayed behind); how
    // many rounds that takes depends on the machine's speed.
    int killedInsideASave = 0;
    for (int round = 0; round < 400 && killedInsideASave < 8; ++round) {
        KillMidSave([this](int n) {
            PlayerProfileRecord profile;
            profile.gamesWon = n;
            profile.gamesLost = n;
            SaveProfileFile(file, profile);
        });
        killedInsideASave += CountLeftovers(folder.path);
        ASSERT_TRUE(IsCompleteProfile(file)) << "round " << round;
        atomicfile::RemoveLeftovers(file);
        EXPECT_EQ(CountLeftovers(folder.path), 0);
    }
    EXPECT_GE(killedInsideASave, 8) << "too few kills landed inside a save to show anything";
}

TEST_F(ConfigCrashSafety, APlainRewriteKilledTheSameWayIsCaught)
{
    // The check above must be able to fail: a truncate-and-write save does leave broken files.
    std::string whole = configtest::ReadText(file);
    int broken = 0;
    for (int round = 0; round < 30 && broken == 0; ++round) {
        KillMidSave([this, &whole](int) {
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out << whole;
        });
        if (!IsCompleteProfile(file)) ++broken;
        configtest::WriteText(file, whole);
    }
    EXPECT_GT(broken, 0);
}

TEST(ConfigAtomicFile, CreateNewNeverReplacesAnExistingFile)
{
    configtest::TempFolder folder;
    fs::path file = folder.path / "Config.json";
    std::string error;
    EXPECT_TRUE(atomicfile::CreateNew(file, "first", error)) << error;
    EXPECT_FALSE(atomicfile::CreateNew(file, "second", error));
    EXPECT_NE(error.find("File exists"), std::string::npos) << error;
    EXPECT_EQ(configtest::ReadText(file), "first");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 1)
        << "no temporary file stays behind";
    EXPECT_TRUE(atomicfile::Replace(file, "third", error)) << error;
    EXPECT_EQ(configtest::ReadText(file), "third");
}

TEST(ConfigAtomicFile, ReplaceKeepsThePermissionsOfTheOldFile)
{
    configtest::TempFolder folder;
    fs::path file = folder.path / "Profile.json";
    configtest::WriteText(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string error;
    ASSERT_TRUE(atomicfile::Replace(file, "new", error)) << error;
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(ConfigAtomicFile, FailedWriteLeavesTheOldFileAlone)
{
    configtest::TempFolder folder;
    fs::path file = folder.path / "Config.json";
    configtest::WriteText(file, "old");
    std::string error;
    EXPECT_FALSE(atomicfile::Replace(folder.path / "missing" / "Config.json", "new", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(configtest::ReadText(file), "old");
}
