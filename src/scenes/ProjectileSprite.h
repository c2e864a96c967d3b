#pragma once
#include <string>

#include "objects/Object.h"

struct Projectile;

// Draws the battle's one projectile: a sprite that follows the spell code's Projectile (position,
// rotation, texture, tint) and the "Spellshot" trail emitter playing the spell's trail effect.
class ProjectileSprite : public Object {
public:
    ProjectileSprite();
    // Copies the projectile's state; starts the trail when a new flight begins, stops it after.
    void Follow(const Projectile& projectile, bool inFlight);
    void Update(float dt) override;
    // The sprite while the projectile flies, then the fading trail.
    void DrawAll();

private:
    bool flying = false;
    std::string shownSprite;
};
