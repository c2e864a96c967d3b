#include "scenes/Camera.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <glm/gtc/matrix_transform.hpp>

Camera::Camera()
{
    rebuildMatrices();
}

void Camera::markMoved()
{
    dirty = true;
    if (!targets.empty() && targets.back().interruptible) {
        cancelGlide = true;
        glideHeld = true;
    }
}

void Camera::setPosition(float x, float y)
{
    if (!enabled) return;
    position.x = x;
    position.y = y;
    markMoved();
}

void Camera::moveRight(float d)
{
    if (!enabled) return;
    position += right * d;
    markMoved();
}

void Camera::moveUp(float d)
{
    if (!enabled) return;
    position += up * d;
    markMoved();
}

void Camera::zoomBy(float d)
{
    if (!enabled) return;
    if ((d < 0.0f && zoom > kMinZoom) || (d >= 0.0f && zoom < kMaxZoom)) zoom += d;
    markMoved();
}

void Camera::reset()
{
    position = {0.0f, 0.0f, 0.0f, 1.0f};
    right = {1.0f, 0.0f, 0.0f, 0.0f};
    up = {0.0f, 1.0f, 0.0f, 0.0f};
    zoom = 1.0f;
    targets.clear();
    cancelGlide = false;
    glideHeld = false;
    dirty = true;
}

void Camera::pushTarget(float x, float y, int mode, bool interruptible)
{
    targets.push_back(Target{x, y, mode, interruptible});
}

void Camera::startShake()
{
    shaking = true;
    shakeAmplitude = 100.0f;
    shakeStartAmplitude = 100.0f;
    shakeFrequency = 200.0f;
    shakeDuration = 10.0f;
    shakeElapsed = 0.0f;
    shakeOffset = {0.0f, 0.0f};
    shakeMinAmplitude = 0.1f;
    shakeOrigin = {position.x, position.y};
}

void Camera::updateShake(float dt)
{
    if (!shaking) return;
    glm::vec2 before{position.x, position.y};
    shakeOffset.x = std::sin(shakeFrequency * shakeElapsed) * shakeAmplitude;
    // Scaled by this platform's RAND_MAX so the vertical jitter stays within +-amplitude.
    float unit = static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX);
    shakeOffset.y = shakeAmplitude * (2.0f * unit - 1.0f);
    shakeAmplitude = std::exp(-shakeElapsed) * shakeStartAmplitude;
    shakeElapsed += dt;
    if (shakeElapsed >= shakeDuration || shakeAmplitude < shakeMinAmplitude) {
        shaking = false;
        shakeOffset = {0.0f, 0.0f};
        shakeOrigin = before;
    }
    position.x = shakeOrigin.x + shakeOffset.x;
    position.y = shakeOrigin.y + shakeOffset.y;
    dirty = true;
}

void Camera::updateGlide(float dt)
{
    gliding = !targets.empty();
    if (cancelGlide) {
        // A cancel drops only the glide pending when it was asked for; with nothing pending it
        // must not linger and swallow the next glide someone pushes.
        if (!targets.empty()) targets.pop_back();
        cancelGlide = false;
        gliding = false;
        glideHeld = false;
        return;
    }
    if (glideHeld || !gliding) return;
    const Target target = targets.back();
    glm::vec2 pos{position.x, position.y};
    glm::vec2 goal{target.x, target.y};
    if (glm::length(goal - pos) <= 1.0f) {
        position = {goal.x, goal.y, 0.0f, 1.0f};
        targets.pop_back();
        dirty = true;
        return;
    }
    switch (target.mode) {
    case kLerp: {
        float f = std::clamp(dt, 0.0f, 1.0f);
        pos += (goal - pos) * f;
        break;
    }
    case kEase: {
        // At most 1: a long frame lands on the target instead of flying past it.
        float f = std::clamp(3.0f * dt, 0.0f, 1.0f);
        pos = goal * f + pos * (1.0f - f);
        break;
    }
    case kSnap: pos = goal; break;
    default: return;
    }
    position.x = pos.x;
    position.y = pos.y;
    dirty = true;
}

void Camera::rebuildMatrices()
{
    glm::vec3 eye{position.x, position.y, 1.0f};
    glm::vec3 centre{position.x, position.y, 0.0f};
    view = glm::lookAtRH(eye, centre, glm::vec3(up));
    float w = static_cast<float>(width) * zoom;
    float h = static_cast<float>(height) * zoom;
    projection = glm::orthoRH_NO(-w / 2.0f, w / 2.0f, -h / 2.0f, h / 2.0f, -1.0f, 1.0f);
    viewProjection = projection * view;
    dirty = false;
}

const glm::mat4& Camera::update(float dt)
{
    updateShake(dt);
    updateGlide(dt);
    if (dirty) rebuildMatrices();
    return viewProjection;
}

const glm::mat4& Camera::getViewProjection()
{
    if (dirty) rebuildMatrices();
    return viewProjection;
}

glm::vec2& Camera::screenToUi(glm::vec2& point) const
{
    point = {point.x - static_cast<float>(width) / 2.0f, static_cast<float>(height) / 2.0f - point.y};
    return point;
}
