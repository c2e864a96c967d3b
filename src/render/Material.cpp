#include "render/Material.h"

#include <array>
#include <utility>

#include <GLFW/glfw3.h>
#include <glad/gl.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "engine/Log.h"
#include "meta/Config.h"
#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "objects/Object.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/MaterialInputs.h"
#include "render/ShaderLibrary.h"
#include "render/TeamColors.h"
#include "render/TextureLibrary.h"
#include "scenes/Camera.h"

namespace {

constexpr std::array<std::pair<std::string_view, Material>, 14> kMaterialOrder = {{
    {"basic", Material::Basic},
    {"mesh", Material::Mesh},
    {"arrow", Material::Arrow},
    {"static", Material::Static},
    {"button", Material::Button},
    {"setup_pawn_ui", Material::SetupPawnUi},
    {"pawn_ui", Material::PawnUi},
    {"pawn", Material::Pawn},
    {"banner", Material::Banner},
    {"water", Material::Water},
    {"background", Material::Background},
    {"bar", Material::Bar},
    {"tile", Material::Tile},
    {"text", Material::Text},
}};

// Sets uniforms of the current program through the library's location cache.
class Uniforms {
public:
    Uniforms(ShaderLibrary& shaders, std::uint32_t program) : shaders(shaders), program(program) {}
    void Set(std::string_view name, const glm::mat4& m) { glUniformMatrix4fv(At(name), 1, GL_FALSE, glm::value_ptr(m)); }
    void Set(std::string_view name, const glm::vec4& v) { glUniform4fv(At(name), 1, glm::value_ptr(v)); }
    void Set(std::string_view name, const glm::vec3& v) { glUniform3fv(At(name), 1, glm::value_ptr(v)); }
    void Set(std::string_view name, const glm::vec2& v) { glUniform2fv(At(name), 1, glm::value_ptr(v)); }
    void Set(std::string_view name, float f) { glUniform1f(At(name), f); }
    void Set(std::string_view name, int i) { glUniform1i(At(name), i); }
    void Set(std::string_view name, bool b) { glUniform1i(At(name), b ? 1 : 0); }

private:
    int At(std::string_view name) { return shaders.uniform(program, name); }
    ShaderLibrary& shaders;
    std::uint32_t program;
};

// World sprites follow the camera; sprites placed in interface space use the screen projection.
glm::mat4 WorldOrScreen(bool screen, Camera& camera)
{
    return screen ? ScreenProjection(camera) : camera.getViewProjection();
}

glm::mat4 CameraProjectionOnly(Camera& camera)
{
    camera.getViewProjection();  // rebuilds the matrices when the camera moved
    return camera.projection;
}

// The arrow's hover test: the cursor brought into the owner's space, inside position +- scale.
bool ArrowHovered(Object& owner, Camera& camera, bool screenSpace)
{
    TransformBase* placement = owner.GetPlacement();
    if (!placement || !UserConfig.window) return false;
    double cx = 0.0, cy = 0.0;
    glfwGetCursorPos(UserConfig.window, &cx, &cy);
    glm::vec2 point(static_cast<float>(cx), static_cast<float>(cy));
    if (screenSpace) {
        camera.screenToUi(point);
    } else {
        glm::vec4 ndc(2.0f * point.x / static_cast<float>(camera.width) - 1.0f,
                      1.0f - 2.0f * point.y / static_cast<float>(camera.height), 0.0f, 1.0f);
        glm::vec4 world = glm::inverse(camera.getViewProjection()) * ndc;
        point = glm::vec2(world);
    }
    glm::vec2 low = placement->position - placement->scale;
    glm::vec2 high = placement->position + placement->scale;
    return point.x >= low.x && point.y >= low.y && point.x <= high.x && point.y <= high.y;
}

// Sprites draw with their interface placement when they have one.
TransformBase* ModelPlacement(const Object& owner)
{
    if (auto* anchor = owner.Get<AnchorTransform>()) return anchor;
    return owner.Get<Transform>();
}

void SetTeamColor(Uniforms& u, Material material, const Object& owner)
{
    u.Set("playerColor", TeamColorFor(material, owner));
}

void SetMaterialUniforms(Material material, Uniforms& u, Object& owner, Camera& camera, const MaterialInputs& in)
{
    const bool anchored = owner.Get<AnchorTransform>() != nullptr;
    switch (material) {
    case Material::Basic:
    case Material::Mesh: u.Set("view", camera.getViewProjection()); break;
    case Material::Arrow: {
        u.Set("view", WorldOrScreen(in.screenSpace, camera));
        bool hovered = in.hoverTesting && ArrowHovered(owner, camera, in.screenSpace);
        if (in.hoverTesting) owner.SetHovered(hovered);
        u.Set("hovered", hovered);
        break;
    }
    case Material::Static: u.Set("view", ScreenProjection(camera)); break;
    case Material::Button:
        u.Set("view", ScreenProjection(camera));
        u.Set("isHovered", in.hovered);
        u.Set("isClicked", in.clicked);
        u.Set("debug_on", debugOn);
        u.Set("highlightColor", in.highlightColor);
        u.Set("clickedColor", in.clickedColor);
        break;
    case Material::SetupPawnUi:
    case Material::PawnUi:
        u.Set("view", ScreenProjection(camera));
        SetTeamColor(u, material, owner);
        break;
    case Material::Pawn:
    case Material::Banner:
        u.Set("view", WorldOrScreen(anchored, camera));
        SetTeamColor(u, material, owner);
        break;
    case Material::Water:
        u.Set("view", CameraProjectionOnly(camera));
        u.Set("time", static_cast<float>(glfwGetTime()));
        u.Set("screenResolution", in.size);
        u.Set("textureSize", in.textureSize);
        break;
    case Material::Background:
        u.Set("view", CameraProjectionOnly(camera));
        u.Set("screenResolution", in.size);
        u.Set("textureSize", in.textureSize);
        break;
    case Material::Bar:
        // Bars over wizards live in the world; the HUD's portrait bars on the interface.
        u.Set("view", WorldOrScreen(anchored, camera));
        u.Set("CurrentValue", in.currentValue);
        u.Set("MaxValue", in.maxValue);
        u.Set("BackgroundColor", glm::vec4(0.2f, 0.2f, 0.2f, 1.0f));
        u.Set("ValueColor", glm::vec4(0.0f, 1.0f, 0.0f, 1.0f));
        break;
    case Material::Tile:
        u.Set("view", camera.getViewProjection());
        u.Set("isHovered", in.hovered);
        u.Set("isClicked", in.clicked);
        u.Set("highContrast", UserConfig.highContrast);
        u.Set("highlightColor", in.highlightColor);
        break;
    case Material::Text:
    case Material::None: break;
    }
}

}  // namespace

Material MaterialFor(std::string_view program)
{
    for (const auto& [word, material] : kMaterialOrder)
        if (program.find(word) != std::string_view::npos) return material;
    return Material::None;
}

bool IsAnimatedProgram(std::string_view program)
{
    return program.find("anim") != std::string_view::npos;
}

glm::mat4 ScreenProjection(const Camera& camera)
{
    float w = static_cast<float>(camera.width) * 0.5f;
    float h = static_cast<float>(camera.height) * 0.5f;
    return glm::ortho(-w, w, -h, h, -1.0f, 1.0f);
}

glm::vec3 TeamColorFor(Material material, const Object& owner)
{
    TeamColors colors = render::CurrentTeamColors();
    int side = 0;
    MaterialInputs in;
    switch (material) {
    case Material::SetupPawnUi:
        side = owner.name == "Setup_Pawn_Player_1" ? 1 : owner.name == "Setup_Pawn_Player_2" ? 2 : 0;
        break;
    case Material::PawnUi: side = colors.winner == 0 ? 1 : colors.winner == 1 ? 2 : 0; break;
    case Material::Pawn:
        owner.FillMaterialInputs(in);
        side = in.playerNumber;
        break;
    case Material::Banner: side = owner.name == "PLAYER_1_BANNER" ? 1 : owner.name == "PLAYER_2_BANNER" ? 2 : 0; break;
    default: break;
    }
    if (side == 1) return glm::vec3(colors.player1);
    if (side == 2) return glm::vec3(colors.player2);
    return glm::vec3(1.0f);
}

bool SetupMaterial(Texture& sprite, ShaderLibrary& shaders, Camera& camera)
{
    std::uint32_t program = shaders.getProgram(sprite.program);
    if (!program) return false;
    Object& owner = *sprite.owner;
    Material material = MaterialFor(sprite.program);
    if (material == Material::Text) {
        owner.DrawTextMaterial(MaterialContext{shaders, camera, program, sprite.mesh.get(), sprite.texture});
        return true;
    }
    Uniforms u(shaders, program);
    if (material == Material::None) {
        print("/// Current Material in Texture has not been properly set up: ", sprite.program, ". ///");
    } else {
        MaterialInputs in;
        owner.FillMaterialInputs(in);
        SetMaterialUniforms(material, u, owner, camera, in);
        if (TransformBase* placement = ModelPlacement(owner)) u.Set("model", placement->GetModel());
    }
    auto* animation = owner.Get<Animation>();
    if (material != Material::None && IsAnimatedProgram(sprite.program) && animation) {
        u.Set("frameIndex", animation->currentFrame);
        u.Set("numRows", sprite.texture ? sprite.texture->rows : 1);
        u.Set("numCols", sprite.texture ? sprite.texture->columns : 1);
    }
    return true;
}
