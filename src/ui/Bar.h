#pragma once
#include <string>

#include <glm/glm.hpp>

#include "objects/Object.h"

// A horizontal value bar (health and similar), filled from the left to currentValue / maxValue.
// A maximum of 0 or less draws an empty bar. The owner writes currentValue directly; the bar shows
// it on the next draw. World bars (over a wizard) have a Transform; UseInterfaceSpace() moves the
// bar onto the interface (HUD portraits).
class Bar : public Object {
public:
    Bar(float maxValue, float value, float x, float y, float width, float height);
    ~Bar() override;

    // "name"; "max_value" when "translation" and "scale" are valid; "initial_value" always.
    void Read(const std::string& fileName) override;
    // Replaces the world placement by an interface one at the same position and size.
    void UseInterfaceSpace();
    void SetPosition(glm::vec2 position);
    void SetSize(glm::vec2 halfSize);
    // The filled share, 0 to 1 (what the "bar" shader draws).
    float FillFraction() const;
    static float FillFraction(float current, float maximum);

    void FillMaterialInputs(MaterialInputs& inputs) const override;

    float maxValue = 0.0f;
    float currentValue = 0.0f;
    float reserved = 0.0f;
    float initialValue = 0.0f;
};
