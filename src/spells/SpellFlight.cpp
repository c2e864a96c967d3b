#include "spells/SpellFlight.h"

#include <cmath>

#include "spells/Spell.h"

namespace {

bool Finite(glm::vec2 v)
{
    return std::isfinite(v.x) && std::isfinite(v.y);
}

}  // namespace

glm::vec4 ProjectileColour(const Spell& spell)
{
    if (!spell.useElementColor) return glm::vec4(1.0f);
    switch (spell.element) {
    case ElementType::Fire: return {234.0f / 256.0f, 79.0f / 256.0f, 54.0f / 256.0f, 1.0f};
    case ElementType::Water: return {77.0f / 256.0f, 101.0f / 256.0f, 180.0f / 256.0f, 1.0f};
    case ElementType::Earth: return {247.0f / 256.0f, 150.0f / 256.0f, 23.0f / 256.0f, 1.0f};
    case ElementType::Wind: return {199.0f / 256.0f, 252.0f / 256.0f, 241.0f / 256.0f, 1.0f};
    case ElementType::Normal: break;
    }
    return {155.0f / 256.0f, 171.0f / 256.0f, 178.0f / 256.0f, 1.0f};
}

bool Projectile::Launch(const Spell& spell, glm::vec2 origin, glm::vec2 destination)
{
    active = false;
    if (!Finite(origin) || !Finite(destination)) return false;
    const glm::vec2 trip = destination - origin;
    const float length = std::sqrt(trip.x * trip.x + trip.y * trip.y);
    position = origin;
    target = destination;
    velocity = length < 1.0f ? glm::vec2(0.0f) : trip / length * kSpeed;
    sprite = spell.spellSprite;
    trail = spell.trailEffect;
    colour = ProjectileColour(spell);
    if (spell.spinning) {
        angularVelocity = kSpinSpeed;
        rotation = 0.0f;
    } else {
        angularVelocity = 0.0f;
        rotation = std::atan2(trip.y, trip.x) * 57.29578f - 90.0f;
    }
    elapsed = 0.0f;
    timeLimit = length / kSpeed + kGraceSeconds;
    active = true;
    return true;
}

bool Projectile::Advance(float dt)
{
    if (!std::isfinite(dt)) return true;
    if (dt > 0.0f) {
        position += velocity * dt;
        rotation = std::fmod(rotation + angularVelocity * dt, 360.0f);
        elapsed += dt;
    }
    if (!Finite(position) || !Finite(velocity) || elapsed > timeLimit) return true;
    const glm::vec2 ahead = target - position;
    if (ahead.x * ahead.x + ahead.y * ahead.y <= kArrivalDistance * kArrivalDistance) return true;
    // Passed the target: what is left of the trip points against the flight.
    return ahead.x * velocity.x + ahead.y * velocity.y <= 0.0f;
}
