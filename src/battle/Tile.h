#pragma once
#include <cstdint>
#include <string>

#include <glm/glm.hpp>

#include "battle/StatusEffect.h"
#include "objects/Object.h"

class Map;
class MapObject;
class Wizard;

// One square of the island, 64 world units wide; tile (column, row) sits at (64 c, -64 r).
// Its biome is also its texture name and its elemental alignment.
class Tile : public Object {
public:
    static constexpr float kSize = 64.0f;
    static constexpr float kHalfSize = 32.0f;

    // Tint modes the controls colour tiles with (see SetTint).
    enum Tint : std::int32_t {
        kTintOff = -1,
        kTintWhite = 0,
        kTintRed = 1,
        kTintBlue = 2,
        kTintPartyA = 3,
        kTintPartyB = 4,
        kTintPath = 5,
        kTintToken = 6,
        kTintInRange = 7,
        kTintPartyC = 8,
        kTintPartyD = 9,
        kTintPartyE = 10,
    };

    Tile() = default;
    // A copy keeps biome and status and starts with no links, marks or counter.
    Tile(const Tile& prototype);

    // Stores the mode with its colour and raises the highlighted flag; kTintOff only lowers it.
    void SetTint(std::int32_t mode);
    // Highlighted flag, tint and both marks off.
    void ClearMarks();
    // The element the biome belongs to (1 fire .. 4 wind), 0 for every other biome.
    int Alignment() const;
    // Changes the biome and the texture that shows it.
    void SetBiome(const std::string& newBiome);

    glm::vec2 WorldPosition() const { return {kSize * static_cast<float>(column), -kSize * static_cast<float>(row)}; }

    void Update(float dt) override;
    void FillMaterialInputs(MaterialInputs& inputs) const override;

    std::int32_t column = 0;
    std::int32_t row = 0;
    std::string biome = "none";
    std::string status = "none";
    std::int32_t inactivity = 0;
    StatusEffect storedEffect;
    bool hovered = false;
    bool highlighted = false;
    Map* map = nullptr;
    MapObject* object = nullptr;
    Wizard* wizard = nullptr;
    std::int32_t tintMode = kTintOff;
    glm::vec3 tintColor{1.0f, 1.0f, 1.0f};
    std::uint8_t pathMark = 0;
    std::uint8_t areaMark = 0;
    bool markerShown = false;  // the target arrow above the tile
};

// The colour of a tint mode; modes outside the table are white.
glm::vec3 TintColor(std::int32_t mode);
