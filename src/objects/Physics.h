#pragma once
#include <glm/glm.hpp>

#include "objects/Component.h"

// Simple motion: velocity and acceleration integrated into the owner's placement each update
// (semi-implicit Euler: velocity first, then position with the new velocity).
class Physics : public Component {
public:
    static constexpr int kKind = kPhysics;
    Physics() : Component(kKind) {}
    Component* Clone() const override { return new Physics(*this); }
    void Update(float dt) override;

    glm::vec2 lastPosition{0.0f};
    glm::vec2 velocity{0.0f};
    glm::vec2 acceleration{0.0f};
    float angularVelocity = 0.0f;

};
