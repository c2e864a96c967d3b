#include "battle/Tile.h"

#include "objects/Texture.h"
#include "render/Emitter.h"
#include "render/MaterialInputs.h"

glm::vec3 TintColor(std::int32_t mode)
{
    switch (mode) {
    case Tile::kTintRed: return {1.0f, 0.0f, 0.0f};
    case Tile::kTintBlue: return {0.0f, 0.0f, 1.0f};
    case Tile::kTintPartyA: return {1.0f, 0.5f, 0.5f};
    case Tile::kTintPartyB: return {0.0f, 0.8f, 0.0f};
    case Tile::kTintPath: return {0.0f, 1.0f, 1.0f};
    case Tile::kTintToken: return {0.5f, 0.0f, 1.0f};
    case Tile::kTintInRange: return {0.2f, 0.2f, 0.2f};
    case Tile::kTintPartyC: return {1.0f, 0.75f, 0.8f};
    case Tile::kTintPartyD: return {0.0f, 1.0f, 0.0f};
    case Tile::kTintPartyE: return {0.8f, 0.8f, 1.0f};
    default: return {1.0f, 1.0f, 1.0f};
    }
}

Tile::Tile(const Tile& prototype) : Object(prototype), biome(prototype.biome), status(prototype.status) {}

void Tile::SetTint(std::int32_t mode)
{
    if (mode == kTintOff) {
        highlighted = false;
        return;
    }
    tintMode = mode;
    tintColor = TintColor(mode);
    highlighted = true;
}

void Tile::ClearMarks()
{
    highlighted = false;
    tintMode = kTintOff;
    pathMark = 0;
    areaMark = 0;
    markerShown = false;
}

int Tile::Alignment() const
{
    if (biome == "Fire_Tile") return 1;
    if (biome == "Water_Tile") return 2;
    if (biome == "Earth_Tile") return 3;
    if (biome == "Wind_Tile") return 4;
    return 0;
}

void Tile::SetBiome(const std::string& newBiome)
{
    biome = newBiome;
    if (auto* texture = Get<Texture>()) texture->setTexture(biome);
}

void Tile::Update(float dt)
{
    // A timed status fades once its counter has run out.
    if (inactivity < 1 && status != "none") {
        status = "none";
        if (auto* emitter = getEmitter("status")) emitter->Stop();
    }
    Object::Update(dt);
}

void Tile::FillMaterialInputs(MaterialInputs& inputs) const
{
    inputs.hovered = hovered || highlighted;
    inputs.highlightColor = highlighted ? tintColor : glm::vec3(1.0f, 1.0f, 0.6f);
}
