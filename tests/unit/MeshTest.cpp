#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/DataCheck.h"
#include "render/Mesh.h"
#include "render/RenderDataChecks.h"
#include "RenderTestSupport.h"

namespace fs = std::filesystem;

TEST(Mesh, SixOfEverythingGivesSixVertices)
{
    MeshData mesh = MeshData::FromFile(RenderFixture("Meshes/Six.json"), kMeshLayoutColored);
    ASSERT_EQ(mesh.status, MeshData::Status::Ok);
    ASSERT_EQ(mesh.vertices.size(), 6u);
    EXPECT_EQ(mesh.vertices[2].position, glm::vec2(1.0f, 1.0f));
    EXPECT_EQ(mesh.vertices[2].texCoord, glm::vec2(1.0f, 1.0f));
    EXPECT_EQ(mesh.vertices[5].color, glm::vec4(1.0f, 0.0f, 0.0f, 1.0f));
}

TEST(Mesh, ShortestListDecidesTheVertexCount)
{
    MeshData mesh = MeshData::FromFile(RenderFixture("Meshes/FourColors.json"), kMeshLayoutColored);
    ASSERT_EQ(mesh.status, MeshData::Status::Ok);
    EXPECT_EQ(mesh.colors.size(), 4u) << "a trailing partial colour is dropped";
    EXPECT_EQ(mesh.vertices.size(), 4u);
    EXPECT_EQ(mesh.vertices[3].color, glm::vec4(0.0f, 0.0f, 1.0f, 0.5f));
}

TEST(Mesh, TexturedLayoutIgnoresColoursAndPaintsWhite)
{
    MeshData mesh = MeshData::FromFile(RenderFixture("Meshes/FourColors.json"), kMeshLayoutTextured);
    ASSERT_EQ(mesh.vertices.size(), 6u);
    for (const auto& v : mesh.vertices) EXPECT_EQ(v.color, glm::vec4(1.0f));
}

TEST(Mesh, WrongTypesLeaveListsEmpty)
{
    MeshData mesh = MeshData::FromFile(RenderFixture("Meshes/WrongTypes.json"), kMeshLayoutColored);
    EXPECT_EQ(mesh.status, MeshData::Status::Ok);
    EXPECT_TRUE(mesh.positions.empty());
    EXPECT_EQ(mesh.texCoords.size(), 1u);
    EXPECT_TRUE(mesh.colors.empty());
    EXPECT_TRUE(mesh.vertices.empty());
}

TEST(Mesh, NonNumbersCountAsZeroSoVerticesDoNotShift)
{
    MeshData mesh = MeshData::FromText(R"({"position": [1, "x", 2, 3], "texCoord": [0, 0, 1, 1]})", kMeshLayoutTextured);
    ASSERT_EQ(mesh.vertices.size(), 2u);
    EXPECT_EQ(mesh.vertices[0].position, glm::vec2(1.0f, 0.0f));
    EXPECT_EQ(mesh.vertices[1].position, glm::vec2(2.0f, 3.0f));
}

TEST(Mesh, BadFilesGiveAnEmptyMesh)
{
    EXPECT_EQ(MeshData::FromFile(RenderFixture("Meshes/Nope.json"), 2).status, MeshData::Status::NotFound);
    EXPECT_EQ(MeshData::FromFile(RenderFixture("Meshes/Truncated.json"), 2).status, MeshData::Status::Unparsable);
    MeshData nested = MeshData::FromFile(RenderFixture("Meshes/Nested.json"), 2);
    EXPECT_EQ(nested.status, MeshData::Status::Unparsable);
    EXPECT_TRUE(nested.vertices.empty());
    EXPECT_EQ(MeshData::FromText("[1, 2, 3]", 2).status, MeshData::Status::Unparsable) << "the root must be an object";
}

TEST(Mesh, MissingMeshFileIsReportedAndDrawsNothing)
{
    LogCapture log("mesh_test_log.txt");
    Mesh mesh("NoSuchMeshForThisTest", 2);
    EXPECT_EQ(mesh.vertexCount, 0u);
    EXPECT_EQ(mesh.vao, 0u) << "nothing is uploaded without a context";
    EXPECT_TRUE(log.Has("### Mesh Class could not open Mesh Data file. Is it in the data folder and is .json format? ###"));
}

TEST(Mesh, ShippedMeshesAreWholeTriangles)
{
    for (const char* name : {"SquareMesh", "PanelMesh", "TeamSwatchMesh"}) {
        MeshData mesh = MeshData::FromFile(std::string(SOURCE_DATA_DIR) + "/Meshes/" + name + ".json", kMeshLayoutColored);
        EXPECT_EQ(mesh.vertices.size(), 6u) << name;
        for (const auto& v : mesh.vertices) {
            EXPECT_EQ(std::abs(v.position.x), 1.0f) << name << ": sprites span -1 to +1";
            EXPECT_EQ(std::abs(v.position.y), 1.0f) << name;
        }
    }
    EXPECT_EQ(MeshData::FromFile(std::string(SOURCE_DATA_DIR) + "/Meshes/TextMesh.json", kMeshLayoutTextured).vertices.size(), 6u);
}

TEST(Mesh, SetColorRepaintsEveryVertex)
{
    Mesh mesh("NoSuchMeshForThisTest", 2);
    mesh.vertices.resize(3);
    mesh.colors.resize(3);
    mesh.setColor({0.1f, 0.2f, 0.3f, 0.4f});
    for (const auto& v : mesh.vertices) EXPECT_EQ(v.color, glm::vec4(0.1f, 0.2f, 0.3f, 0.4f));
}

TEST(MeshCheck, SpriteMeshesNeedAColourForEveryVertex)
{
    // Sprites load meshes with colours: a short colour list drops vertices in the game although
    // positions and texture coordinates are complete.
    const fs::path folder = fs::temp_directory_path() / "primalites_mesh_check_test";
    fs::create_directories(folder);
    const std::string square = R"("position": [-1,-1, 1,-1, 1,1, -1,-1, 1,1, -1,1],
                                  "texCoord": [0,0, 1,0, 1,1, 0,0, 1,1, 0,1])";
    auto write = [&](const std::string& name, const std::string& body) {
        std::ofstream(folder / (name + ".json")) << "{" << body << "}";
        return (folder / (name + ".json")).string();
    };
    auto problems = [](const std::string& path) {
        datacheck::Problems found;
        CheckMeshFile(path, found);
        return found.lines;
    };
    const std::string fourColours = R"(, "color": [1,1,1,1, 1,1,1,1, 1,1,1,1, 1,1,1,1])";
    const std::string sixColours = R"(, "color": [1,1,1,1, 1,1,1,1, 1,1,1,1, 1,1,1,1, 1,1,1,1, 1,1,1,1])";

    auto shortSprite = problems(write("ShortColours", square + fourColours));
    ASSERT_FALSE(shortSprite.empty());
    EXPECT_NE(shortSprite[0].find("has colours for only 4 of its 6 vertices"), std::string::npos) << shortSprite[0];
    EXPECT_FALSE(problems(write("NoColours", square)).empty()) << "a sprite mesh without colours draws nothing";
    EXPECT_TRUE(problems(write("WholeSprite", square + sixColours)).empty());
    EXPECT_TRUE(problems(write("TextMesh", square)).empty()) << "text reads no colours";
    fs::remove_all(folder);
}

// A battle makes hundreds of sprites from a few mesh files: the file is parsed once, yet each
// sprite still owns (and may recolour) its own copy.
TEST(MeshCache, SameNameReadsTheFileOnceAndCopiesStayOwn)
{
    const fs::path root = fs::temp_directory_path() / ("primalites_mesh_cache_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "Data" / "Meshes");
    fs::copy_file(fs::path(SOURCE_DATA_DIR) / "Meshes" / "SquareMesh.json", root / "Data" / "Meshes" / "CachedSquare.json");
    const fs::path home = fs::current_path();
    fs::current_path(root);
    {
        LogCapture log((root / "Log.txt").string());
        Mesh first("CachedSquare", kMeshLayoutColored);
        ASSERT_EQ(first.vertexCount, 6u);
        Mesh textured("CachedSquare", kMeshLayoutTextured);
        ASSERT_EQ(textured.vertexCount, 6u);
        fs::remove(root / "Data" / "Meshes" / "CachedSquare.json");
        Mesh second("CachedSquare", kMeshLayoutColored);
        ASSERT_EQ(second.vertexCount, 6u) << "the second sprite read the file again";
        EXPECT_FALSE(log.Has("could not open Mesh Data file"));

        first.setColor({1.0f, 0.0f, 0.0f, 1.0f});
        EXPECT_NE(second.vertices[0].color, glm::vec4(1.0f, 0.0f, 0.0f, 1.0f)) << "recolouring one sprite painted another";
        Mesh third("CachedSquare", kMeshLayoutColored);
        ASSERT_EQ(third.vertexCount, 6u);
        EXPECT_EQ(third.vertices[0].color, second.vertices[0].color);
        Mesh texturedAgain("CachedSquare", kMeshLayoutTextured);
        ASSERT_EQ(texturedAgain.vertexCount, 6u);
        EXPECT_EQ(texturedAgain.vertices[0].color, glm::vec4(1.0f)) << "each layout keeps its own reading";
    }
    fs::current_path(home);
    fs::remove_all(root);
}

TEST(MeshCache, RewrittenFileIsReadAgain)
{
    const fs::path root = fs::temp_directory_path() / ("primalites_mesh_rewrite_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "Data" / "Meshes");
    const fs::path file = root / "Data" / "Meshes" / "Rewritten.json";
    std::ofstream(file) << R"({"position": [0,0, 1,0, 1,1], "texCoord": [0,0, 1,0, 1,1]})";
    const fs::path home = fs::current_path();
    fs::current_path(root);
    {
        Mesh before("Rewritten", kMeshLayoutTextured);
        EXPECT_EQ(before.vertexCount, 3u);
        std::ofstream(file, std::ios::trunc) << R"({"position": [0,0, 1,0, 1,1, 0,0, 1,1, 0,1], "texCoord": [0,0, 1,0, 1,1, 0,0, 1,1, 0,1]})";
        Mesh after("Rewritten", kMeshLayoutTextured);
        EXPECT_EQ(after.vertexCount, 6u) << "a tool that rewrites a mesh must see its change";
    }
    fs::current_path(home);
    fs::remove_all(root);
}
