#include "objects/Object.h"

#include <algorithm>

#include "objects/AnchorTransform.h"
#include "objects/Transform.h"

namespace {
void (*destroyListener)(const Object*) = nullptr;
}

Object::Object() = default;

Object::Object(const Object& other) : name(other.name)
{
    for (const Component* component : other.components) AddComponent(component->Clone());
}

Object::~Object()
{
    if (destroyListener) destroyListener(this);
    for (Component* component : components) delete component;
}

void Object::SetDestroyListener(void (*listener)(const Object*))
{
    destroyListener = listener;
}

void Object::Read(const std::string&) {}

void Object::AddComponent(Component* component)
{
    if (!component) return;
    component->owner = this;
    components.push_back(component);
    // Stable, so two components of one kind keep their attach order and lookups find the first.
    std::stable_sort(components.begin(), components.end(),
                     [](const Component* a, const Component* b) { return a->kind < b->kind; });
}

void Object::Update(float dt)
{
    for (Component* component : components) component->Update(dt);
}

void Object::Draw()
{
    for (Component* component : components) component->Draw();
}

Component* Object::GetComponent(int kind) const
{
    auto it = std::lower_bound(components.begin(), components.end(), kind,
                               [](const Component* c, int k) { return c->kind < k; });
    return (it != components.end() && (*it)->kind == kind) ? *it : nullptr;
}

TransformBase* Object::GetPlacement() const
{
    if (auto* transform = Get<Transform>()) return transform;
    return Get<AnchorTransform>();
}

void Object::storeEmitter(const std::string& emitterName, std::unique_ptr<Object> emitter)
{
    emitters.insert_or_assign(emitterName, std::move(emitter));
}

Object* Object::findEmitter(const std::string& emitterName) const
{
    auto it = emitters.find(emitterName);
    return it == emitters.end() ? nullptr : it->second.get();
}

void Object::FillMaterialInputs(MaterialInputs&) const {}
void Object::SetHovered(bool) {}
void Object::DrawTextMaterial(const MaterialContext&) {}
