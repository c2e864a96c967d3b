// Config.json: the resolution rules, loading (first start, defaults, hostile files) and saving.
#include <string>

#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "meta/ConfigFile.h"

using configtest::MemberKeys;
using configtest::ReadText;
using configtest::WriteText;
namespace fs = std::filesystem;

TEST(ConfigResolution, NearestIndexOfCommonMonitors)
{
    EXPECT_EQ(NearestResolutionIndex(1920, 1080), 4);
    EXPECT_EQ(NearestResolutionIndex(1366, 768), 1) << "about 91.8 away from index 1, 98.5 from index 0";
    EXPECT_EQ(NearestResolutionIndex(3480, 2400), 9);
    EXPECT_EQ(NearestResolutionIndex(3840, 2160), 8);
    EXPECT_EQ(NearestResolutionIndex(800, 600), 0);
    EXPECT_EQ(NearestResolutionIndex(1280, 760), 0) << "40 from both 1280x720 and 1280x800: the lower index wins";
    EXPECT_EQ(NearestResolutionIndex(1920, 1140), 4) << "60 from both 1920x1080 and 1920x1200";
    int extreme = NearestResolutionIndex(2147483647, -2147483647 - 1);
    EXPECT_GE(extreme, 0);
    EXPECT_LE(extreme, 9);
}

TEST(ConfigResolution, IndexOutsideTheTableIs1280x720)
{
    EXPECT_EQ(ResolutionAt(9).width, 3480.0f);
    EXPECT_EQ(ResolutionAt(9).height, 2400.0f);
    for (int index : {-1, 10, -2147483647, 2147483647}) {
        EXPECT_EQ(ResolutionAt(index).width, 1280.0f) << index;
        EXPECT_EQ(ResolutionAt(index).height, 720.0f) << index;
    }
}

class ConfigFileTest : public ::testing::Test {
protected:
    configtest::TempFolder folder;
    fs::path file = folder.path / "Config.json";
    UserConfigRecord config;
    MonitorSize fullHd{1920, 1080};

    // Loads file and returns what went to the error stream.
    std::string Load(MonitorSize monitor)
    {
        testing::internal::CaptureStderr();
        LoadConfigFile(file, monitor, config);
        return testing::internal::GetCapturedStderr();
    }
    std::string Save()
    {
        testing::internal::CaptureStderr();
        SaveConfigFile(file, config);
        return testing::internal::GetCapturedStderr();
    }
    // A complete file with every member, RESOLUTION and SENSITIVITY as given (JSON text).
    void WriteFull(const std::string& resolution, const std::string& sensitivity)
    {
        WriteText(file, "{\"FULLSCREEN\": false, \"RESOLUTION\": " + resolution + ", \"SENSITIVITY\": " + sensitivity +
                            ", \"MUSIC\": false, \"SFX\": true, \"HEALTHBARS\": false, \"HIGHCONTRAST\": true,"
                            " \"LOWFPS\": true, \"HARDWARECURSOR\": true}");
    }
    void ExpectDefaults()
    {
        EXPECT_TRUE(config.fullscreen);
        EXPECT_TRUE(config.music);
        EXPECT_TRUE(config.sfx);
        EXPECT_TRUE(config.healthBars);
        EXPECT_FALSE(config.highContrast);
        EXPECT_FALSE(config.lowFps);
        EXPECT_FALSE(config.hardwareCursor);
        EXPECT_EQ(config.sensitivity, 3);
        EXPECT_EQ(config.resolution, 0);
    }
};

TEST_F(ConfigFileTest, FirstStartWritesNineMembersInOrder)
{
    config.music = false;  // whatever was in memory, a first start uses the defaults
    std::string err = Load(fullHd);
    EXPECT_EQ(err, "Error: Config file not found. Reverting to default settings.\n");
    EXPECT_EQ(MemberKeys(file), configtest::kConfigFileOrder);
    EXPECT_EQ(ReadText(file), "{\n    \"FULLSCREEN\": true,\n    \"RESOLUTION\": 4,\n    \"SENSITIVITY\": 3,\n"
                              "    \"MUSIC\": true,\n    \"SFX\": true,\n    \"HEALTHBARS\": true,\n"
                              "    \"HIGHCONTRAST\": false,\n    \"LOWFPS\": false,\n    \"HARDWARECURSOR\": false\n}\n");
    EXPECT_EQ(config.resolution, 4);
    EXPECT_TRUE(config.music);
}

TEST_F(ConfigFileTest, CompleteFileLoadsAsStoredWithoutRewrite)
{
    WriteFull("2", "5");
    std::string before = ReadText(file);
    EXPECT_EQ(Load(fullHd), "");
    EXPECT_FALSE(config.fullscreen);
    EXPECT_EQ(config.resolution, 2);
    EXPECT_EQ(config.sensitivity, 5);
    EXPECT_FALSE(config.music);
    EXPECT_TRUE(config.sfx);
    EXPECT_FALSE(config.healthBars);
    EXPECT_TRUE(config.highContrast);
    EXPECT_TRUE(config.lowFps);
    EXPECT_TRUE(config.hardwareCursor);
    EXPECT_EQ(ReadText(file), before);
}

TEST_F(ConfigFileTest, LargerResolutionIsLoweredToTheMonitorButKeptInTheFile)
{
    WriteFull("9", "3");
    std::string before = ReadText(file);
    Load(fullHd);
    EXPECT_EQ(config.resolution, 4);
    EXPECT_EQ(ReadText(file), before) << "the file keeps 9 until the next save";
    Save();
    json::Document doc;
    ASSERT_TRUE(json::ParseFile(file.string(), doc).ok());
    EXPECT_EQ(doc["RESOLUTION"].GetInt(), 4);
}

TEST_F(ConfigFileTest, ResolutionOutsideTheTableReadsAs1280x720)
{
    for (const char* stored : {"-3", "42"}) {
        WriteFull(stored, "3");
        Load(fullHd);
        EXPECT_EQ(config.resolution, std::stoi(stored));
        EXPECT_EQ(ResolutionAt(config.resolution).width, 1280.0f) << stored;
        EXPECT_EQ(ResolutionAt(config.resolution).height, 720.0f) << stored;
    }
}

TEST_F(ConfigFileTest, IllTypedMembersTakeDefaultsAndAreRewrittenInPlace)
{
    WriteFull("4294967296", "\"fast\"");
    EXPECT_EQ(Load(fullHd), "");
    EXPECT_EQ(config.sensitivity, 3);
    EXPECT_EQ(config.resolution, 0) << "integers outside 32 bits are ill-typed";
    EXPECT_FALSE(config.music) << "well-typed members keep their stored values";
    json::Document doc;
    ASSERT_TRUE(json::ParseFile(file.string(), doc).ok());
    EXPECT_EQ(doc["SENSITIVITY"].GetInt(), 3);
    EXPECT_EQ(doc["RESOLUTION"].GetInt(), 0);
    EXPECT_FALSE(doc["MUSIC"].GetBool());
    EXPECT_EQ(MemberKeys(file), configtest::kConfigFileOrder);
}

TEST_F(ConfigFileTest, MissingMembersAreAppendedInTableOrderAndUnknownOnesKept)
{
    WriteText(file, R"({"custom": {"list": [1, 2, {"x": null}]}, "MUSIC": false})");
    Load(fullHd);
    EXPECT_FALSE(config.music);
    EXPECT_TRUE(config.fullscreen);
    std::vector<std::string> expected{"custom",     "MUSIC",        "RESOLUTION", "SENSITIVITY",   "FULLSCREEN",
                                      "SFX",        "HEALTHBARS",   "HIGHCONTRAST", "LOWFPS",      "HARDWARECURSOR"};
    EXPECT_EQ(MemberKeys(file), expected);
    EXPECT_NE(ReadText(file).find("\"list\": [\n            1,"), std::string::npos) << ReadText(file);
}

TEST_F(ConfigFileTest, UnparsableFilesGiveDefaultsAndAreKeptAsBad)
{
    const std::string hostile[] = {
        "{\"FULLSCREEN\": false, \"MUSIC\": fal",  // truncated
        "[true, false]",                          // not an object
        std::string(200000, '['),                 // nesting that would overflow a recursive parser
        "{\"a\":" + std::string(129, '[') + std::string(129, ']') + "}",
        "{\"FULLSCREEN\": false, \"pad\": \"" + std::string(recordfile::kMaxBytes, 'x') + "\"}",  // over 1 MiB
    };
    for (const std::string& text : hostile) {
        WriteText(file, text);
        config = UserConfigRecord{};
        config.music = false;
        std::string err = Load(fullHd);
        EXPECT_EQ(err.rfind("Error: Failed to parse Config file.\n", 0), 0u) << err;
        EXPECT_NE(err.find("the old file is kept as Config.json.bad"), std::string::npos) << err;
        ExpectDefaults();
        EXPECT_EQ(ReadText(folder.path / "Config.json.bad"), text);
        EXPECT_EQ(MemberKeys(file).size(), 9u);
    }
}

TEST_F(ConfigFileTest, EmptyFileGivesDefaultsWithNothingToKeep)
{
    WriteText(file, "");
    config.sfx = false;
    EXPECT_EQ(Load(fullHd), "Error: Failed to parse Config file.\n");
    ExpectDefaults();
    EXPECT_FALSE(fs::exists(folder.path / "Config.json.bad"));
    EXPECT_EQ(MemberKeys(file).size(), 9u);
}

TEST_F(ConfigFileTest, SaveNeverCreatesAMissingFile)
{
    EXPECT_EQ(Save(), "Error: Could not open Config.json\n");
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(ConfigFileTest, DeepestReadableUnknownMemberIsWrittenBackIntact)
{
    // The reader accepts 128 levels (the root object is one); writing back recurses once per level.
    std::string deep = std::string(127, '[') + "7" + std::string(127, ']');
    WriteText(file, "{\"deep\": " + deep + ", \"MUSIC\": false}");
    Load(fullHd);
    Save();
    json::Document doc;
    ASSERT_TRUE(json::ParseFile(file.string(), doc).ok());
    EXPECT_EQ(json::Depth(doc), json::kMaxDepth);
    const json::Value* v = &doc["deep"];
    for (int i = 0; i < 127; ++i) {
        ASSERT_TRUE(v->IsArray() && v->Size() == 1) << "level " << i;
        v = &(*v)[0];
    }
    EXPECT_EQ(v->GetInt(), 7);
    EXPECT_FALSE(fs::exists(folder.path / "Config.json.bad"));
}

TEST_F(ConfigFileTest, UnknownMemberThatWouldBalloonGoesWithTheOldFile)
{
    // Small when compact, but every element costs hundreds of spaces of indentation when pretty.
    std::string wide = "0";
    for (int i = 0; i < 20000; ++i) wide += ",0";
    std::string text = "{\"MUSIC\": false, \"wide\": " + std::string(100, '[') + wide + std::string(100, ']') + "}";
    WriteText(file, text);
    std::string err = Load(fullHd);  // members are missing, so loading saves at once
    EXPECT_NE(err.find("Config.json has grown too large; the old file is kept as Config.json.bad"), std::string::npos)
        << err;
    EXPECT_EQ(ReadText(folder.path / "Config.json.bad"), text);
    std::vector<std::string> expected{"RESOLUTION", "SENSITIVITY", "FULLSCREEN", "MUSIC",         "SFX",
                                      "HEALTHBARS", "HIGHCONTRAST", "LOWFPS",    "HARDWARECURSOR"};
    EXPECT_EQ(MemberKeys(file), expected);
    EXPECT_LT(fs::file_size(file), 1000u);
}
