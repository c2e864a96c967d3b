#include "objects/Transform.h"

#include <glm/gtc/matrix_transform.hpp>

#include "objects/LayerManager.h"

namespace {
constexpr float kDegreesToRadians = 0.017453292f;
}

TransformBase::TransformBase(const TransformBase& other)
    : Component(other),
      flag(other.flag),
      position(other.position),
      rotation(other.rotation),
      scale(other.scale),
      dirty(true),
      layer(0)
{
}

TransformBase::~TransformBase()
{
    LayerManager::Forget(this);
}

const glm::mat4& TransformBase::GetModel()
{
    if (dirty) {
        glm::mat4 m = glm::translate(glm::mat4(1.0f), glm::vec3(position, 0.0f));
        m = glm::rotate(m, rotation * kDegreesToRadians, glm::vec3(0.0f, 0.0f, 1.0f));
        model = glm::scale(m, glm::vec3(scale, 1.0f));
        dirty = false;
    }
    return model;
}
