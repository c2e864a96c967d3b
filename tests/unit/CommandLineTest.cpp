#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST(CommandLine, ReadsEveryOption)
{
    ParseOutcome r = ParseCommandLine({"--windowed", "--seed", "42", "--frames", "240", "--scene", "1", "--level", "Swirl"});
    ASSERT_EQ(r.error, "");
    EXPECT_TRUE(r.options.windowed);
    EXPECT_EQ(r.options.seed, 42u);
    EXPECT_EQ(r.options.frames, 240);
    EXPECT_EQ(r.options.scene, 1);
    EXPECT_EQ(r.options.level, "Swirl");
}

TEST(CommandLine, RejectsBadInputWithAClearMessage)
{
    EXPECT_NE(ParseCommandLine({"--bogus"}).error.find("unknown option"), std::string::npos);
    EXPECT_NE(ParseCommandLine({"--frames"}).error.find("needs a value"), std::string::npos);
    EXPECT_NE(ParseCommandLine({"--frames", "0"}).error.find("bad value"), std::string::npos);
    EXPECT_NE(ParseCommandLine({"--frames", "12x"}).error, "");
    EXPECT_NE(ParseCommandLine({"--scene", "14"}).error, "");
    EXPECT_NE(ParseCommandLine({"--scene", "-1"}).error, "");
    EXPECT_NE(ParseCommandLine({"--seed", "-5"}).error, "");
    EXPECT_NE(ParseCommandLine({"--level", "Swirl"}).error, "") << "a level needs the battle scene";
    EXPECT_EQ(ParseCommandLine({}).error, "");
}

TEST(CommandLine, NoGlGoesWithCheckData)
{
    EXPECT_TRUE(ParseCommandLine({"--check-data", "--no-gl"}).options.noGl);
    EXPECT_NE(ParseCommandLine({"--no-gl"}).error, "");
}

TEST(CommandLine, TheComputerOptionsGoWithTheBattle)
{
    ParseOutcome r = ParseCommandLine({"--scene", "1", "--cpu", "3", "--autoplay"});
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.options.cpu, 3);
    EXPECT_TRUE(r.options.autoplay);
    EXPECT_EQ(ParseCommandLine({"--scene", "1", "--cpu", "0"}).options.cpu, 0);
    EXPECT_FALSE(ParseCommandLine({"--scene", "1"}).options.cpu.has_value());
    EXPECT_NE(ParseCommandLine({"--scene", "1", "--cpu", "4"}).error, "");
    EXPECT_NE(ParseCommandLine({"--scene", "1", "--cpu", "-1"}).error, "");
    EXPECT_NE(ParseCommandLine({"--scene", "1", "--cpu"}).error, "");
    EXPECT_NE(ParseCommandLine({"--cpu", "2"}).error, "") << "the computer plays in the battle scene";
    EXPECT_NE(ParseCommandLine({"--scene", "9", "--autoplay"}).error, "");
}

TEST(CommandLine, HelpListsEveryOptionOfTheTable)
{
    std::string usage = UsageText();
    for (const char* option : {"--help", "--version", "--windowed", "--seed N", "--frames N", "--scene INDEX",
                               "--level NAME", "--cpu D", "--autoplay", "--check-data", "--no-gl"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

