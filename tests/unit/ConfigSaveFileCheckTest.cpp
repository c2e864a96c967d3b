// `--check-data` reports save files the game could not read.
#include <string>

#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "meta/SaveFileCheck.h"

TEST(ConfigSaveFileCheck, ReportsOnlyUnreadableFiles)
{
    configtest::TempFolder folder;
    datacheck::Problems problems;
    CheckSaveFiles(folder.path, problems);
    EXPECT_TRUE(problems.lines.empty()) << "missing files are made at the next start";

    configtest::WriteText(folder.path / "Config.json", "{\"MUSIC\": true}");
    configtest::WriteText(folder.path / "Profile.json", "{\"games_won\": ");
    CheckSaveFiles(folder.path, problems);
    ASSERT_EQ(problems.lines.size(), 1u);
    EXPECT_EQ(problems.lines[0].rfind("!!! - Could not parse ", 0), 0u) << problems.lines[0];
    EXPECT_NE(problems.lines[0].find("Profile.json"), std::string::npos);

    problems.lines.clear();
    configtest::WriteText(folder.path / "Profile.json", "[]");
    configtest::WriteText(folder.path / "Config.json", std::string(300, '[') + std::string(300, ']'));
    CheckSaveFiles(folder.path, problems);
    ASSERT_EQ(problems.lines.size(), 2u);
    EXPECT_NE(problems.lines[0].find("Config.json: nested deeper"), std::string::npos) << problems.lines[0];
    EXPECT_NE(problems.lines[1].find("Profile.json: not a JSON object"), std::string::npos) << problems.lines[1];

    problems.lines.clear();
    std::filesystem::remove(folder.path / "Config.json");
    std::filesystem::create_directory(folder.path / "Config.json");
    configtest::WriteText(folder.path / "Profile.json", "{}");
    CheckSaveFiles(folder.path, problems);
    ASSERT_EQ(problems.lines.size(), 1u);
    EXPECT_NE(problems.lines[0].find("Config.json: not a regular file"), std::string::npos) << problems.lines[0];
}
