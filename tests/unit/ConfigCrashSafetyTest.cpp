// Saves are killed at every moment that matters: the file must always be a complete old or new version.
#include <algorithm>
#include <chrono>
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

// The step of the write at which the child process dies.
atomicfile::Step killAt = atomicfile::Step::TemporaryCreated;

[[noreturn]] void Die()
{
    ::raise(SIGKILL);
    _exit(9);
}

void KillAtChosenStep(atomicfile::Step step)
{
    if (step == killAt) Die();
}

// Runs work in a child process that dies at `step` of its write (SIGKILL, no clean-up).
template <typename Work>
void CrashAt(atomicfile::Step step, Work work)
{
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        killAt = step;
        atomicfile::SetStepHook(KillAtChosenStep);
        work();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child did not die mid-save";
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

TEST_F(ConfigCrashSafety, ACrashAtAnyMomentLeavesTheOldOrTheNewWholeFile)
{
    using atomicfile::Step;
    const std::pair<Step, int> cases[] = {
        {Step::TemporaryCreated, 0}, {Step::PartWritten, 0}, {Step::TemporarySynced, 0}, {Step::Renamed, 7}};
    for (auto [step, expectedWins] : cases) {
        CrashAt(step, [this] {
            PlayerProfileRecord profile;
            profile.gamesWon = 7;
            profile.gamesLost = 7;
            SaveProfileFile(file, profile);
        });
        ASSERT_TRUE(IsCompleteProfile(file)) << "crash at step " << static_cast<int>(step);
        json::Document doc;
        ASSERT_TRUE(json::ParseFile(file.string(), doc).ok());
        EXPECT_EQ(doc["games_won"].GetInt(), expectedWins) << "crash at step " << static_cast<int>(step);
        atomicfile::RemoveLeftovers(file);
        EXPECT_EQ(CountLeftovers(folder.path), 0);
        PlayerProfileRecord old;
        SaveProfileFile(file, old);
    }
}

TEST_F(ConfigCrashSafety, APlainRewriteCrashingTheSameWayIsCaught)
{
    // The check above must be able to fail: a truncate-and-write save dies with half a file.
    std::string whole = configtest::ReadText(file);
    CrashAt(atomicfile::Step::PartWritten, [this, &whole] {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << whole.substr(0, whole.size() / 2);
        out.flush();
        Die();
    });
    EXPECT_FALSE(IsCompleteProfile(file));
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
