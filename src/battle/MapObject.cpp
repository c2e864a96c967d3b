#include "battle/MapObject.h"

#include <algorithm>

#include "objects/Texture.h"
#include "render/MaterialInputs.h"

bool KindIsPassable(const std::string& kind)
{
    return kind == "Caltrop" || kind == "Ambrosia" || kind == "Hot_Coal";
}

const char* TokenTexture(std::int32_t element)
{
    switch (element) {
    case 1: return "Fire_Token";
    case 2: return "Water_Token";
    case 3: return "Earth_Token";
    case 4: return "Wind_Token";
    default: return "Empty_Token";
    }
}

MapObject::MapObject(const MapObject& prototype)
    : Object(prototype), kind(prototype.kind), health(prototype.health), maxHealth(prototype.maxHealth),
      element(prototype.element), passable(prototype.passable), shownHealth(static_cast<float>(prototype.health))
{
}

void MapObject::SetHealth(std::int32_t value)
{
    health = value;
    maxHealth = value;
    shownHealth = std::min(shownHealth, static_cast<float>(value));
}

void MapObject::ChangeHealth(std::int32_t delta)
{
    std::int64_t next = static_cast<std::int64_t>(health) + delta;
    health = static_cast<std::int32_t>(std::clamp<std::int64_t>(next, 0, std::max(0, maxHealth)));
}

void MapObject::SetElement(std::int32_t newElement)
{
    element = newElement;
    SetTexture(TokenTexture(newElement));
}

void MapObject::SetTexture(const std::string& textureName)
{
    if (auto* texture = Get<Texture>()) texture->setTexture(textureName);
}

void MapObject::FillMaterialInputs(MaterialInputs& inputs) const
{
    inputs.currentValue = shownHealth;
    inputs.maxValue = static_cast<float>(std::max(1, maxHealth));
}
