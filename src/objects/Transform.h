#pragma once
#include <glm/glm.hpp>

#include "objects/Component.h"

// What both placement kinds share: position, rotation (degrees, counter-clockwise), scale (the
// half-size of a square sprite) and a model matrix cached behind `dirty`.
class TransformBase : public Component {
public:
    explicit TransformBase(int kind) : Component(kind) {}
    ~TransformBase() override;

    void setPosition(glm::vec2 p) { position = p, dirty = true; }
    void setPosition(float x, float y) { setPosition(glm::vec2(x, y)); }
    void setRotation(float degrees) { rotation = degrees, dirty = true; }
    void setScale(glm::vec2 s) { scale = s, dirty = true; }
    void setScale(float x, float y) { setScale(glm::vec2(x, y)); }

    // T * R * S, rebuilt only when something changed since the last call.
    const glm::mat4& GetModel();

    bool flag = false;  // free for the owner; copied with the component
    glm::vec2 position{0.0f};
    float rotation = 0.0f;
    glm::vec2 scale{0.0f};
    bool dirty = true;
    glm::mat4 model{1.0f};
    int layer = 0;

protected:
    TransformBase(const TransformBase& other);
};

// World-space placement, moved and zoomed by the camera.
class Transform : public TransformBase {
public:
    static constexpr int kKind = kTransform;
    Transform() : TransformBase(kKind) {}
    Component* Clone() const override { return new Transform(*this); }

};
