// Every loader opens only regular files: a FIFO or a folder under a content name is reported with
// the loader's not-found line at once, never waited on (a FIFO open would block the game for good).
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "audio/AudioLayer.h"
#include "engine/ImageFile.h"
#include "engine/Json.h"
#include "engine/RegularFile.h"
#include "render/Font.h"
#include "render/ShaderLibrary.h"
#include "render/TextureLibrary.h"

namespace fs = std::filesystem;

namespace {

class LoaderFileTypes : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("primalites_filetypes_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "Data" / "Fonts");
        home = fs::current_path();
        fs::current_path(root);
        log = std::make_unique<LogCapture>((root / "Log.txt").string());
    }
    void TearDown() override
    {
        log.reset();
        fs::current_path(home);
        fs::remove_all(root);
    }
    // A FIFO with nobody at the other end: opening it for reading would block for good.
    std::string Fifo(const std::string& rel)
    {
        std::string path = (root / rel).string();
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path;
    }
    std::string Folder(const std::string& rel)
    {
        fs::create_directories(root / rel);
        return (root / rel).string();
    }

    fs::path root, home;
    std::unique_ptr<LogCapture> log;
};

}  // namespace

TEST_F(LoaderFileTypes, OnlyRegularFilesOpen)
{
    std::ofstream(root / "plain.txt") << "text";
    EXPECT_TRUE(files::IsRegular((root / "plain.txt").string()));
    EXPECT_FALSE(files::IsRegular(Fifo("pipe")));
    EXPECT_FALSE(files::IsRegular(Folder("folder")));
    std::string text;
    EXPECT_EQ(files::ReadRegular((root / "plain.txt").string(), text, 100), files::ReadStatus::Ok);
    EXPECT_EQ(text, "text");
    EXPECT_EQ(files::ReadRegular((root / "plain.txt").string(), text, 3), files::ReadStatus::TooLarge);
    EXPECT_EQ(files::ReadRegular((root / "pipe").string(), text, 100), files::ReadStatus::CannotOpen);
}

TEST_F(LoaderFileTypes, TextureFromAFifoOrFolderIsNotFound)
{
    TextureLibrary textures;
    textures.assetDirectory = root.string() + "/";
    Fifo("Wood_BG.png");
    Folder("Sand_BG.png");
    EXPECT_FALSE(textures.add_texture("Wood_BG", false, 1, 1, false));
    EXPECT_FALSE(textures.add_texture("Sand_BG", false, 1, 1, false));
    EXPECT_EQ(log->Count("! - add_texture() Could Not Find File"), 2);
    EXPECT_FALSE(image::Decode((root / "Wood_BG.png").string(), false).ok());
}

TEST_F(LoaderFileTypes, ShaderFromAFifoOrFolderCannotBeOpened)
{
    // Both stop before any GL call: the source could not be read.
    std::string fifo = Fifo("Basic.vert");
    std::string folder = Folder("Other.vert");
    EXPECT_TRUE(ShaderLibrary::BuildProgram(fifo, fifo).vertexMissing);
    ShaderLibrary::Build build = ShaderLibrary::BuildProgram(folder, folder);
    EXPECT_TRUE(build.vertexMissing) << "a folder is not a shader that fails to compile";
    EXPECT_TRUE(build.problems.empty());
}

TEST_F(LoaderFileTypes, FontTableFromAFifoIsNotFound)
{
    Fifo("Data/Fonts/Alagard.json");
    FontLibrary fonts;
    fonts.add_font("Alagard");
    EXPECT_TRUE(log->Has("! - add_font() Could Not Find File"));
}

TEST_F(LoaderFileTypes, SoundAndJsonFromAFifoAreNotFound)
{
    audio::SoundInfo info;
    EXPECT_EQ(audio::DecodeFile(Fifo("MenuMusic.wav"), info, nullptr), audio::kErrFileNotFound);
    EXPECT_EQ(audio::DecodeFile(Folder("Folder.wav"), info, nullptr), audio::kErrFileNotFound);
    std::ofstream(root / "noise.wav") << "not a sound";
    EXPECT_EQ(audio::DecodeFile((root / "noise.wav").string(), info, nullptr), audio::kErrFormat);
    json::Document doc;
    EXPECT_EQ(json::ParseFile(Fifo("list.json"), doc).status, json::Status::NotFound);
}

TEST_F(LoaderFileTypes, HugeImageIsRefusedBeforeDecoding)
{
    std::ofstream(root / "Huge.png", std::ios::binary) << HeaderOnlyPng(5000, 5000);
    TextureLibrary textures;
    textures.assetDirectory = root.string() + "/";
    EXPECT_TRUE(textures.add_texture("Huge", false, 1, 1, false));
    EXPECT_TRUE(log->Has("image too large"));
    EXPECT_EQ(textures.find("Huge")->width, 0);
    EXPECT_EQ(image::Decode((root / "Huge.png").string(), false).error, image::kTooLarge);
}
