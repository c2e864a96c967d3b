#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/Log.h"

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class LogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() / ("primalites-log-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        path = dir / "Log.txt";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir, path;
};

}  // namespace

TEST(LogWithoutInstance, ComplainsOnStandardOutput)
{
    ASSERT_EQ(Log::Get(), nullptr);
    testing::internal::CaptureStdout();
    print("Engine: Update");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "log system wasn't initialized properly\n");
}

TEST_F(LogTest, WritesPartsBackToBackWithOneNewline)
{
    {
        Log log(path.string());
        print("Turn Manager: Switched to player: ", 1);
        print("Main: FPS: ", 59.5f);
        print(std::string("Current Scene: "), "Intro");
        print("x", 1.0f / 3.0f);
        log.file.flush();
        EXPECT_EQ(ReadAll(path),
                  "Turn Manager: Switched to player: 1\nMain: FPS: 59.5\nCurrent Scene: Intro\nx0.333333\n");
    }
    EXPECT_EQ(Log::Get(), nullptr) << "a destroyed log is not reachable any more";
}

TEST_F(LogTest, EachRunReplacesThePreviousTrace)
{
    { std::ofstream(path) << "old run\n"; }
    Log log(path.string());
    print("new");
    log.file.flush();
    EXPECT_EQ(ReadAll(path), "new\n");
}

TEST_F(LogTest, ExitWritesItsLineThenReportsTheClose)
{
    Log log(path.string());
    testing::internal::CaptureStdout();
    log.Exit();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "LOG FILE [" + path.string() + "] WAS CLOSED!\n");
    EXPECT_EQ(ReadAll(path), "Log System: Exit\n");
}

TEST_F(LogTest, FailedStreamComplainsOnceNotPerLine)
{
    Log log(path.string());
    log.file.setstate(std::ios::badbit);
    testing::internal::CaptureStdout();
    for (int i = 0; i < 100; ++i) print("a", i);
    log.Exit();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "the file doesn't exist\n");
}

TEST_F(LogTest, ErrorLinesReachTheDiskAtOnce)
{
    Log log(path.string());
    print("Engine: Update");
    print("Error: Sound not found: Clik");
    // Read without flushing: a crash right now would leave exactly this on disk.
    EXPECT_EQ(ReadAll(path), "Engine: Update\nError: Sound not found: Clik\n");
    print(std::string("!!! - Emitter Could Not Find json File "), "x");
    EXPECT_NE(ReadAll(path).find("!!! - Emitter"), std::string::npos);
}

TEST_F(LogTest, FlushWritesTheFramesLines)
{
    Log log(path.string());
    print("SceneSystem: Render");
    log.Flush();
    EXPECT_EQ(ReadAll(path), "SceneSystem: Render\n");
}

TEST_F(LogTest, RotatedFilesBeginWithTheStartupLines)
{
    Log log(path.string());
    log.rotateBytes = 4096;
    print("Log System: Init");
    print("Error: Failed to Initialize FMOD System ");
    print("Engine: Init");
    log.EndStartup();
    std::string line(100, 'x');
    for (int i = 0; i < 3 * 4096; ++i) print(line);  // several rotations
    log.Flush();
    std::string text = ReadAll(path);
    EXPECT_EQ(text.rfind("Log System: Init\nError: Failed to Initialize FMOD System \nEngine: Init\nxxx", 0), 0u)
        << text.substr(0, 200);
    EXPECT_EQ(ReadAll(dir / "Log.old.txt").rfind("Log System: Init\n", 0), 0u);
}

TEST_F(LogTest, LargeTraceIsRotatedNotGrownForever)
{
    Log log(path.string());
    std::string line(1000, 'x');
    for (int i = 0; i < 9000; ++i) print(line);
    log.file.flush();
    auto size = std::filesystem::file_size(path);
    EXPECT_LT(size, static_cast<std::uintmax_t>(Log::kRotateBytes));
    EXPECT_TRUE(std::filesystem::exists(dir / "Log.old.txt"));
    EXPECT_GE(std::filesystem::file_size(dir / "Log.old.txt"), static_cast<std::uintmax_t>(Log::kRotateBytes));
}
