// Render resources with a real OpenGL context (a hidden window). Without a display these tests
// are skipped; the end-to-end run executes them under Xvfb.
#include <gtest/gtest.h>

#include <glad/gl.h>

#include "engine/GlContext.h"
#include "engine/Window.h"
#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "objects/Object.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/MaterialInputs.h"
#include "render/Mesh.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "render/TextureLibrary.h"
#include "scenes/Camera.h"
#include "scenes/SceneSystem.h"
#include "RenderTestSupport.h"

namespace {

class GlResources : public ::testing::Test {
protected:
    // One hidden context for the whole run (making a second one after tearing the first down is
    // not reliable); between suites it is only marked unavailable so headless tests stay headless.
    static void SetUpTestSuite()
    {
        static const bool created = CreateHiddenGlContext();
        haveGl = created;
        gl_context::SetAvailable(haveGl);
    }
    static void TearDownTestSuite() { gl_context::SetAvailable(false); }
    void SetUp() override
    {
        if (!haveGl) GTEST_SKIP() << "no display for an OpenGL context";
        textures.assetDirectory = RenderFixture("Assets/");
        shaders.vertexDirectory = std::string(SOURCE_DATA_DIR) + "/Shaders/Vertex/";
        shaders.fragmentDirectory = std::string(SOURCE_DATA_DIR) + "/Shaders/Fragment/";
    }

    static GLint TextureParameter(const TextureData& texture, GLenum parameter)
    {
        GLint value = 0;
        glBindTexture(GL_TEXTURE_2D, texture.id);
        glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
        glBindTexture(GL_TEXTURE_2D, 0);
        return value;
    }

    static inline bool haveGl = false;
    TextureLibrary textures;
    ShaderLibrary shaders;
};

// A 64 x 64 offscreen target; the sprite under test covers all of it.
class Target {
public:
    Target()
    {
        glGenTextures(1, &color);
        glBindTexture(GL_TEXTURE_2D, color);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kSize, kSize, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        glGenFramebuffers(1, &fbo);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color, 0);
        glViewport(0, 0, kSize, kSize);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    ~Target()
    {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &fbo);
        glDeleteTextures(1, &color);
    }
    glm::ivec3 Pixel(int x, int y) const
    {
        unsigned char rgba[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }
    static constexpr int kSize = 64;

private:
    GLuint fbo = 0, color = 0;
};

struct Sprite : Object {
    MaterialInputs inputs;
    void FillMaterialInputs(MaterialInputs& in) const override { in = inputs; }
};

}  // namespace

TEST_F(GlResources, ThreeChannelPicturesUploadAsRgbAndOthersAsRgba)
{
    ASSERT_TRUE(textures.add_texture("rgb", false, 1, 1, false));
    ASSERT_TRUE(textures.add_texture("rgba", false, 1, 1, false));
    ASSERT_TRUE(textures.add_texture("grey", false, 1, 1, false));
    for (const auto& [name, format] : {std::pair{"rgb", GL_RGB}, {"rgba", GL_RGBA}, {"grey", GL_RGBA}}) {
        TextureData* texture = textures.find(name);
        ASSERT_NE(texture->id, 0u);
        GLint internal = 0;
        glBindTexture(GL_TEXTURE_2D, texture->id);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internal);
        EXPECT_EQ(internal, format) << name;
    }
}

TEST_F(GlResources, ListOptionsBecomeWrapAndFilterModes)
{
    textures.add_texture("rgba", true, 2, 4, true);
    textures.add_texture("rgb", false, 1, 1, false);
    EXPECT_EQ(TextureParameter(*textures.find("rgba"), GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(TextureParameter(*textures.find("rgba"), GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(TextureParameter(*textures.find("rgb"), GL_TEXTURE_WRAP_T), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(TextureParameter(*textures.find("rgb"), GL_TEXTURE_MIN_FILTER), GL_LINEAR);
}

TEST_F(GlResources, EveryShippedProgramBuildsCleanly)
{
    for (const auto& source : KnownPrograms()) {
        std::string vertex = shaders.vertexDirectory + source.vertex + ".vert";
        std::string fragment = shaders.fragmentDirectory + source.fragment + ".frag";
        ShaderLibrary::Build build = ShaderLibrary::BuildProgram(vertex, fragment);
        if (build.vertexMissing || build.fragmentMissing) continue;  // text and particles ship their own
        EXPECT_TRUE(build.problems.empty()) << source.program << ": " << build.problems.front();
        glDeleteProgram(build.program);
    }
}

TEST_F(GlResources, TextBufferIsRefilledNotRecreatedAndEmptyTextHoldsNone)
{
    Text empty("", glm::vec2(0.0f), glm::vec4(1.0f));
    EXPECT_EQ(empty.glyphBuffer, 0u) << "no records, no buffer";
    Text hud("HP 12", glm::vec2(0.0f), glm::vec4(1.0f));
    const std::uint32_t buffer = hud.glyphBuffer;
    ASSERT_NE(buffer, 0u);
    hud.setText("HP 12");
    hud.setText("HP 9");
    hud.setText("HP 100");
    EXPECT_EQ(hud.glyphBuffer, buffer) << "a short string fits the buffer it already has";
    hud.setText("");
    EXPECT_EQ(hud.glyphBuffer, 0u);
}

TEST_F(GlResources, LoadingTwiceKeepsOneEntryWithTheSecondProgram)
{
    shaders.load("basic", "Basic", "Basic");
    std::uint32_t first = shaders.find("basic");
    ASSERT_NE(first, 0u);
    shaders.load("basic", "Basic", "Basic_Anim");
    std::uint32_t second = shaders.find("basic");
    EXPECT_EQ(shaders.size(), 1u);
    EXPECT_NE(second, first);
    EXPECT_EQ(glIsProgram(first), GL_FALSE) << "the replaced program is freed";
    EXPECT_GE(shaders.uniform(second, "numCols"), 0) << "the second program is the animated one";
}

TEST_F(GlResources, MissingProgramsAndFilesAreReportedNotStored)
{
    LogCapture log("gl_shader_test_log.txt");
    shaders.load("basic", "Basic", "Basic");
    std::uint32_t basic = shaders.getProgram("basic");
    EXPECT_EQ(shaders.getProgram("nothing"), 0u);
    EXPECT_TRUE(log.Has("ShaderLibrary was asked for a Program it did not have: nothing"));
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<std::uint32_t>(current), basic) << "the current program stays";

    shaders.load("ghost", "NoSuchVertex", "Basic");
    EXPECT_TRUE(log.Has("~~~ Shader Library could not open VERTEX SHADER file. Is it in the Data Folder? ~~~"));
    shaders.load("ghost", "Basic", "NoSuchFragment");
    EXPECT_TRUE(log.Has("~~~ Shader Library could not open FRAGMENT SHADER file. Is it in the Data Folder? ~~~"));
    EXPECT_EQ(shaders.find("ghost"), 0u);
}

TEST_F(GlResources, BrokenShaderIsReportedAndTheProgramStillStored)
{
    ShaderLibrary::Build build = ShaderLibrary::BuildProgram(RenderFixture("Shaders/Vertex/Broken.vert"),
                                                             shaders.fragmentDirectory + "Basic.frag");
    ASSERT_GE(build.problems.size(), 2u);
    EXPECT_EQ(build.problems[0].rfind("Shader compilation error: ", 0), 0u);
    EXPECT_EQ(build.problems[1].rfind("Error linking render shader program: ", 0), 0u);
    EXPECT_NE(build.program, 0u);
    glDeleteProgram(build.program);
}

TEST_F(GlResources, UniformLocationsAreCachedPerProgram)
{
    shaders.load("tile", "Basic", "Tile");
    std::uint32_t tile = shaders.find("tile");
    int hovered = shaders.uniform(tile, "isHovered");
    EXPECT_GE(hovered, 0);
    EXPECT_EQ(shaders.uniform(tile, "isHovered"), hovered);
    EXPECT_EQ(shaders.uniform(tile, "noSuchUniform"), -1);
    EXPECT_EQ(shaders.uniform(12345, "isHovered"), -1) << "not a program of this library";
}

TEST_F(GlResources, MeshUploadsItsVertices)
{
    Mesh mesh("Square", MeshData::FromFile(std::string(SOURCE_DATA_DIR) + "/Meshes/SquareMesh.json", 2));
    EXPECT_EQ(mesh.vertexCount, 6u);
    EXPECT_NE(mesh.vao, 0u);
    EXPECT_NE(mesh.vbo, 0u);
    mesh.setColor({1, 0, 0, 1});
    Vertex first{};
    glBindBuffer(GL_ARRAY_BUFFER, mesh.vbo);
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(Vertex), &first);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    EXPECT_EQ(first.color, glm::vec4(1, 0, 0, 1)) << "setColor re-uploads in place";
}

// Sprites filling a 64 x 64 target, drawn for real.
class SpriteDraw : public GlResources {
protected:
    // Untextured sprites sample the scene system's plain white texture.
    void SetUp() override
    {
        GlResources::SetUp();
        scenes.InitWith({}, -1);
        camera.width = camera.height = Target::kSize;
    }

    // A sprite of the target's size on a mesh of the game's data.
    std::unique_ptr<Sprite> MakeSprite(const std::string& program, const std::string& meshName, bool anchored)
    {
        auto sprite = std::make_unique<Sprite>();
        TransformBase* placement = anchored ? static_cast<TransformBase*>(new AnchorTransform()) : new Transform();
        placement->setScale(Target::kSize / 2.0f, Target::kSize / 2.0f);
        sprite->AddComponent(placement);
        auto* look = new Texture();
        look->shaders = &shaders;
        look->camera = &camera;
        look->program = program;
        std::string path = std::string(SOURCE_DATA_DIR) + "/Meshes/" + meshName + ".json";
        look->mesh = std::make_shared<Mesh>(meshName, MeshData::FromFile(path, 2));
        sprite->AddComponent(look);
        return sprite;
    }

    // Draws one sprite sheet frame for a side and returns the centre pixel.
    glm::ivec3 Draw(const std::string& program, const std::string& meshName, TextureData* texture, int frame, int side)
    {
        bool screen = program == "static_anim";
        shaders.load(program, screen ? "Static" : "Basic", screen ? "Basic_Anim" : "Pawn");
        auto sprite = MakeSprite(program, meshName, true);
        sprite->inputs.playerNumber = side;
        sprite->Get<Texture>()->texture = texture;
        auto* animation = new Animation();
        animation->currentFrame = frame;
        sprite->AddComponent(animation);
        Target target;
        sprite->Draw();
        return target.Pixel(Target::kSize / 2, Target::kSize / 2);
    }

    SceneSystem scenes;
    Camera camera;
};

TEST_F(SpriteDraw, FrameIndexPicksCellsRowMajorFromTheTopLeft)
{
    ASSERT_TRUE(textures.add_texture("sheet", false, 2, 2, false));
    TextureData* sheet = textures.find("sheet");
    EXPECT_EQ(Draw("static_anim", "SquareMesh", sheet, 0, 0), glm::ivec3(255, 0, 0));
    EXPECT_EQ(Draw("static_anim", "SquareMesh", sheet, 1, 0), glm::ivec3(0, 255, 0));
    EXPECT_EQ(Draw("static_anim", "SquareMesh", sheet, 2, 0), glm::ivec3(0, 0, 255));
    EXPECT_EQ(Draw("static_anim", "SquareMesh", sheet, 3, 0), glm::ivec3(255, 255, 255));
    EXPECT_EQ(Draw("static_anim", "SquareMesh", sheet, 4, 0), glm::ivec3(255, 0, 0)) << "frames wrap around the sheet";
}

TEST_F(SpriteDraw, PawnsOnAnchorsUseTheScreenAndOthersTheCamera)
{
    shaders.load("pawn_anim", "Basic", "Pawn");
    camera.setPosition(1000.0f, 1000.0f);  // the world moved far away
    for (bool anchored : {true, false}) {
        auto sprite = MakeSprite("pawn_anim", "SquareMesh", anchored);
        Target target;
        sprite->Draw();
        EXPECT_EQ(target.Pixel(32, 32), anchored ? glm::ivec3(255, 255, 255) : glm::ivec3(0, 0, 0)) << anchored;
    }
}

TEST_F(SpriteDraw, ProgramWithoutMaterialIsReported)
{
    LogCapture log("gl_material_test_log.txt");
    shaders.load("Particle", "Basic", "Basic");
    auto sprite = MakeSprite("Particle", "SquareMesh", false);
    sprite->Draw();
    EXPECT_TRUE(log.Has("/// Current Material in Texture has not been properly set up: Particle. ///"));
}

TEST_F(SpriteDraw, MagentaTakesTheSideColourAndOtherColoursStay)
{
    ASSERT_TRUE(textures.add_texture("sheet", false, 2, 2, false));
    const glm::ivec3 first(231, 59, 59), second(77, 101, 179);
    glm::ivec3 p1 = Draw("pawn_anim", "TeamSwatchMesh", nullptr, 0, 1);
    glm::ivec3 p2 = Draw("pawn_anim", "TeamSwatchMesh", nullptr, 0, 2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(p1[i], first[i], 1);
        EXPECT_NEAR(p2[i], second[i], 1);
    }
    EXPECT_EQ(Draw("pawn_anim", "TeamSwatchMesh", nullptr, 0, 0), glm::ivec3(255, 255, 255)) << "no side: white";
    EXPECT_EQ(Draw("pawn_anim", "SquareMesh", textures.find("sheet"), 1, 1), glm::ivec3(0, 255, 0))
        << "a painted colour is drawn as painted";
}
