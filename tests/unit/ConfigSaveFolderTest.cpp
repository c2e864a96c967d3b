// Where the save folder is, from the environment, and making it.
#include <map>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "meta/SaveFolder.h"

namespace fs = std::filesystem;

namespace {
savefolder::EnvLookup Env(std::map<std::string, std::string> values)
{
    return [values](const char* name) -> std::optional<std::string> {
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    };
}
}  // namespace

TEST(ConfigSaveFolder, UserProfileComesFirst)
{
    auto env = Env({{"USERPROFILE", "/u/p"}, {"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}});
    EXPECT_EQ(savefolder::Locate(env), fs::path("/u/p/My Games/Primalites"));
}

TEST(ConfigSaveFolder, RelativeUserProfileIsTakenFromTheStartFolder)
{
    // Start-up moves beside the executable; the player meant the folder they started from.
    EXPECT_EQ(savefolder::Locate(Env({{"USERPROFILE", "rel-home"}}), "/tmp/x"),
              fs::path("/tmp/x/rel-home/My Games/Primalites"));
    EXPECT_EQ(savefolder::Locate(Env({{"USERPROFILE", "/abs"}}), "/tmp/x"), fs::path("/abs/My Games/Primalites"));
}

TEST(ConfigSaveFolder, OtherwiseTheLinuxDataFolder)
{
    EXPECT_EQ(savefolder::Locate(Env({{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/h"}})), fs::path("/x/data/Primalites"));
    EXPECT_EQ(savefolder::Locate(Env({{"HOME", "/h"}})), fs::path("/h/.local/share/Primalites"));
    EXPECT_EQ(savefolder::Locate(Env({{"XDG_DATA_HOME", "relative"}, {"HOME", "/h"}})),
              fs::path("/h/.local/share/Primalites"))
        << "a relative XDG_DATA_HOME is ignored";
}

TEST(ConfigSaveFolder, NoneFoundRaisesTheDocumentsError)
{
    for (auto values : {std::map<std::string, std::string>{}, {{"HOME", "relative/home"}}}) {
        try {
            savefolder::Locate(Env(values));
            ADD_FAILURE() << "no folder, no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Documents directory not found");
        }
    }
}

TEST(ConfigSaveFolder, ProcessEnvTreatsEmptyAsUnset)
{
    configtest::ScopedEnv empty("PRIMALITES_TEST_VARIABLE", "");
    EXPECT_FALSE(savefolder::ProcessEnv("PRIMALITES_TEST_VARIABLE").has_value());
    configtest::ScopedEnv set("PRIMALITES_TEST_VARIABLE", "x");
    EXPECT_EQ(savefolder::ProcessEnv("PRIMALITES_TEST_VARIABLE"), "x");
}

TEST(ConfigSaveFolder, EnsureCreatesParentsAndRefusesAFileInTheWay)
{
    configtest::TempFolder temp;
    fs::path folder = temp.path / "My Games" / "Primalites";
    savefolder::Ensure(folder);
    EXPECT_TRUE(fs::is_directory(folder));
    savefolder::Ensure(folder);  // already there: nothing to do

    configtest::WriteText(temp.path / "file", "x");
    try {
        savefolder::Ensure(temp.path / "file");
        ADD_FAILURE() << "a file is not a folder";
    } catch (const fs::filesystem_error& e) {
        EXPECT_NE(std::string(e.what()).find("create_directories"), std::string::npos) << e.what();
    }
    EXPECT_THROW(savefolder::Ensure(temp.path / "file" / "below"), fs::filesystem_error);
}
