#pragma once
#include <string>

#include <glm/glm.hpp>

#include "spells/SpellTypes.h"

class Spell;

// The one projectile of a battle, as plain numbers: the map draws a sprite from it (texture
// `sprite`, rotation in degrees, colour) and moves the "Spellshot" trail emitter with it. It is
// moved by its own Advance, so a flight always ends: on arrival, on passing the target, on any
// non-finite number, or when it has flown half a second longer than the trip should take.
struct Projectile {
    static constexpr float kSpeed = 400.0f;         // world units per second
    static constexpr float kArrivalDistance = 16.0f;
    static constexpr float kSpinSpeed = 720.0f;     // degrees per second
    static constexpr float kGraceSeconds = 0.5f;

    bool active = false;
    glm::vec2 position{0.0f};
    glm::vec2 velocity{0.0f};
    glm::vec2 target{0.0f};
    float rotation = 0.0f;         // degrees, counter-clockwise; the sprite points up at 0
    float angularVelocity = 0.0f;  // degrees per second
    glm::vec4 colour{1.0f};
    std::string sprite;  // texture name
    std::string trail;   // effect of the "Spellshot" particle file
    float elapsed = 0.0f;
    float timeLimit = 0.0f;

    // Starts a flight of spell from origin to target (world positions). A target closer than one
    // unit (a cast on the caster's own tile) gets no velocity and arrives at the first Advance.
    // False, leaving the projectile inactive, when a position is not finite.
    bool Launch(const Spell& spell, glm::vec2 origin, glm::vec2 target);
    // Moves the projectile by dt seconds; true when the flight has ended and the cast resolves.
    bool Advance(float dt);
};

// The tint of a projectile of this element (white when the spell does not use element colours).
glm::vec4 ProjectileColour(const Spell& spell);

// What a battle remembers about the cast in flight: the projectile, the spell that was launched
// and the hand entry it came from (the entry that leaves the hand when the cast resolves).
struct SpellInFlight {
    Projectile projectile;
    const Spell* spell = nullptr;
    int handIndex = -1;
};
