#pragma once
#include <deque>

#include <glm/glm.hpp>

// The one 2-D orthographic camera. One world unit is one pixel at zoom 1.0; zoom 2.0 shows twice
// the area. Glide targets form a stack used at its back.
class Camera {
public:
    enum GlideMode { kEase = 0, kLerp = 1, kSnap = 2 };

    struct Target {
        float x = 0.0f;
        float y = 0.0f;
        int mode = kEase;
        bool interruptible = false;
    };

    static constexpr float kMinZoom = 0.5f;
    static constexpr float kMaxZoom = 2.0f;

    Camera();

    void setPosition(float x, float y);
    void moveRight(float d);
    void moveUp(float d);
    void zoomBy(float d);
    void reset();
    void pushTarget(float x, float y, int mode, bool interruptible);
    void startShake();

    // Advances shake and glide, rebuilds the matrices when needed; returns the view-projection.
    const glm::mat4& update(float dt);
    const glm::mat4& getViewProjection();
    // Window pixels (origin top left, y down) to interface space (origin at the centre, y up).
    glm::vec2& screenToUi(glm::vec2& point) const;

    glm::vec4 position{0.0f, 0.0f, 0.0f, 1.0f};
    glm::vec4 right{1.0f, 0.0f, 0.0f, 0.0f};
    glm::vec4 up{0.0f, 1.0f, 0.0f, 0.0f};
    int width = 1080;
    int height = 720;
    float zoom = 1.0f;
    glm::mat4 projection{1.0f};
    glm::mat4 view{1.0f};
    glm::mat4 viewProjection{1.0f};
    std::deque<Target> targets;

    bool dirty = true;
    bool enabled = true;
    bool cancelGlide = false;
    bool gliding = false;
    bool glideHeld = false;

    bool shaking = false;
    float shakeAmplitude = 0.0f;
    float shakeDuration = 0.0f;
    float shakeElapsed = 0.0f;
    float shakeFrequency = 0.0f;
    float shakeStartAmplitude = 0.0f;
    glm::vec2 shakeOffset{0.0f};
    float shakeMinAmplitude = 0.0f;
    glm::vec2 shakeOrigin{0.0f};

private:
    // A manual move marks the matrices stale and drops an interruptible glide at the next update.
    void markMoved();
    void updateShake(float dt);
    void updateGlide(float dt);
    void rebuildMatrices();
};
