#include "ui/Bar.h"

#include <algorithm>
#include <cmath>

#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/MaterialInputs.h"
#include "ui/WidgetFile.h"

Bar::Bar(float maximum, float value, float x, float y, float width, float height)
    : maxValue(maximum), currentValue(value), initialValue(value)
{
    auto* placement = new Transform();
    placement->setPosition(x, y);
    placement->setScale(width, height);
    AddComponent(placement);
    auto* sprite = new Texture("SquareMesh", "None");
    sprite->program = "bar";
    AddComponent(sprite);
}

Bar::~Bar() = default;

void Bar::Read(const std::string& fileName)
{
    ui::WidgetFile file;
    if (!ui::ReadWidgetFile(fileName, "Bar", file)) return;
    std::string text;
    if (json::GetString(file.doc, "name", text) == json::Field::Ok) name = text;
    float number = 0.0f;
    if (file.placementValid && json::GetFloat(file.doc, "max_value", number) == json::Field::Ok) maxValue = number;
    if (json::GetFloat(file.doc, "initial_value", number) == json::Field::Ok) currentValue = initialValue = number;
}

void Bar::UseInterfaceSpace()
{
    auto* world = Get<Transform>();
    if (!world) return;
    auto* placement = new AnchorTransform();
    placement->setPosition(world->position);
    placement->setScale(world->scale);
    components.erase(std::find(components.begin(), components.end(), world));
    delete world;
    AddComponent(placement);
}

void Bar::SetPosition(glm::vec2 position)
{
    if (TransformBase* placement = GetPlacement()) placement->setPosition(position);
}

void Bar::SetSize(glm::vec2 halfSize)
{
    if (TransformBase* placement = GetPlacement()) placement->setScale(halfSize);
}

float Bar::FillFraction(float current, float maximum)
{
    if (!(maximum > 0.0f) || !std::isfinite(current)) return 0.0f;
    return std::clamp(current / maximum, 0.0f, 1.0f);
}

float Bar::FillFraction() const
{
    return FillFraction(currentValue, maxValue);
}

void Bar::FillMaterialInputs(MaterialInputs& inputs) const
{
    inputs.currentValue = currentValue;
    inputs.maxValue = maxValue;
}
