#include "render/Background.h"

#include <array>

#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/MaterialInputs.h"

namespace {
struct StyleRecipe {
    const char* program;
    const char* texture;  // empty: untextured
    float rotation;
};
constexpr std::array<StyleRecipe, 11> kStyles = {{
    {"mesh", "", 0.0f},
    {"background", "Wood_BG", 0.0f},
    {"background", "Book_Open_Torn", 0.0f},
    {"water", "Water", 45.0f},
    {"water", "Lava", 45.0f},
    {"background", "AP_BG", 0.0f},
    {"background", "Sand_BG", 0.0f},
    {"background", "Grass_BG", 0.0f},
    {"water", "Didaruza_BG", 45.0f},
    {"background", "Evil Grass_BG", 0.0f},
    {"background", "Tile_BG", 0.0f},
}};
constexpr float kDidaruzaTurnPerFrame = 0.025f;
}  // namespace

std::vector<std::string> Background::StyleTextures()
{
    std::vector<std::string> names;
    for (const StyleRecipe& recipe : kStyles)
        if (*recipe.texture) names.emplace_back(recipe.texture);
    return names;
}

Background::Background()
{
    name = "Background";
    auto* sprite = new Texture();
    sprite->setMesh("SquareMesh");
    AddComponent(sprite);
    auto* transform = new Transform();
    transform->setScale(1.0f, 1.0f);
    AddComponent(transform);
}

void Background::Update(float dt)
{
    if (auto* transform = Get<Transform>()) {
        transform->setScale(size);
        // Per frame, not per second: the slow turn of this backdrop is tied to the frame rate.
        if (style == kDidaruza) transform->setRotation(transform->rotation + kDidaruzaTurnPerFrame);
    }
    Object::Update(dt);
}

void Background::FillMaterialInputs(MaterialInputs& inputs) const
{
    inputs.size = size;
    inputs.textureSize = textureSize;
}

void Background::setStyle(int newStyle)
{
    style = newStyle;
    if (newStyle < 0 || newStyle >= static_cast<int>(kStyles.size())) return;
    const StyleRecipe& recipe = kStyles[static_cast<std::size_t>(newStyle)];
    if (auto* sprite = Get<Texture>()) sprite->program = recipe.program;
    setTexture(recipe.texture);
    if (auto* transform = Get<Transform>()) transform->setRotation(recipe.rotation);
}

void Background::setTexture(const std::string& textureName)
{
    auto* sprite = Get<Texture>();
    if (!sprite) return;
    if (textureName.empty()) {
        sprite->texture = nullptr;
    } else {
        sprite->setTexture(textureName);
    }
}

void Background::setTextureSize(float width, float height)
{
    textureSize = glm::vec2(width * 0.5f, height * 0.5f);
}
