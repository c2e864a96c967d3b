#include "scenes/ProjectileSprite.h"

#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Emitter.h"
#include "render/Mesh.h"
#include "spells/SpellFlight.h"

namespace {
constexpr float kHalfSize = 16.0f;
constexpr const char* kTrail = "Spellshot";
}  // namespace

ProjectileSprite::ProjectileSprite()
{
    name = "Projectile";
    auto* transform = new Transform();
    transform->setScale(glm::vec2(kHalfSize, kHalfSize));
    AddComponent(transform);
    // Its own mesh: the tint is written into the vertices.
    AddComponent(new Texture("SquareMesh", "None"));
    addEmitter(kTrail, kTrail);
}

void ProjectileSprite::Follow(const Projectile& projectile, bool inFlight)
{
    const bool active = inFlight && projectile.active;
    auto* trail = getEmitter<Emitter>(kTrail);
    if (active && !flying) {
        if (auto* sprite = Get<Texture>()) {
            if (projectile.sprite != shownSprite) sprite->setTexture(projectile.sprite);
            shownSprite = projectile.sprite;
            if (sprite->mesh) sprite->mesh->setColor(projectile.colour);
        }
        if (trail && !projectile.trail.empty()) trail->SetEffect(projectile.trail);
        if (trail) trail->Resume();
    }
    if (!active && flying && trail) trail->Stop();
    flying = active;
    if (!active) return;
    if (auto* transform = Get<Transform>()) {
        transform->setPosition(projectile.position);
        transform->setRotation(projectile.rotation);
    }
    if (trail) trail->setPosition(projectile.position.x, projectile.position.y);
}

void ProjectileSprite::Update(float dt)
{
    Object::Update(dt);
    if (auto* trail = getEmitter<Emitter>(kTrail)) trail->Update(dt);
}

void ProjectileSprite::DrawAll()
{
    if (flying) Draw();
    if (auto* trail = getEmitter<Emitter>(kTrail)) trail->Draw();
}
