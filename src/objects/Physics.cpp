#include "objects/Physics.h"

#include "engine/Log.h"
#include "objects/Object.h"
#include "objects/Transform.h"

void Physics::Update(float dt)
{
    TransformBase* transform = owner ? owner->GetPlacement() : nullptr;
    if (!transform) {
        print("Physics could not update due to lack of Transform component");
        return;
    }
    lastPosition = transform->position;
    velocity += acceleration * dt;
    transform->setPosition(lastPosition + velocity * dt);
    transform->setRotation(transform->rotation + angularVelocity * dt);
}
