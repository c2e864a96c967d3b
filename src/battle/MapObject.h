#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "battle/StatusEffect.h"
#include "objects/Object.h"

class Tile;

// Something lying on a tile: a Primalite token, a Boulder, a Caltrop, Ambrosia, a Hot Coal, a
// Training_Dummy or any kind a level names. The map owns every object.
class MapObject : public Object {
public:
    static constexpr const char* kPrimalite = "Primalite";

    MapObject() = default;
    // A copy of a level prototype: kind, health and passability, no links or effects.
    MapObject(const MapObject& prototype);

    bool IsToken() const { return kind == kPrimalite; }
    // A token is armed exactly while it holds an element (1 fire .. 4 wind); collecting it (element
    // 0) disarms it, so one accessor is the only truth the controls and the computer read.
    bool Armed() const { return IsToken() && element >= 1 && element <= 4; }
    // Sets health and maximum health together.
    void SetHealth(std::int32_t value);
    // Health moves by delta, held within 0 and the maximum.
    void ChangeHealth(std::int32_t delta);
    // Gives the token its element and the matching texture ("Empty_Token" for 0).
    void SetElement(std::int32_t newElement);
    void SetTexture(const std::string& textureName);

    void FillMaterialInputs(MaterialInputs& inputs) const override;

    std::vector<StatusEffect> timedEffects;
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::string kind;
    std::int32_t health = 0;
    std::int32_t maxHealth = 0;
    Tile* tile = nullptr;
    std::int32_t element = -1;  // -1 for everything but tokens
    bool passable = false;
    float shownHealth = 0.0f;   // what the health bar shows, easing towards health
    bool markerShown = false;
};

// Whether a level-placed object of this kind can be walked over: only the three floor hazards and
// boons are; Boulders, dummies and unknown kinds block.
bool KindIsPassable(const std::string& kind);
// Texture of a token holding element (0 "Empty_Token").
const char* TokenTexture(std::int32_t element);
