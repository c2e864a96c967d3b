#pragma once
#include <array>
#include <map>
#include <string>
#include <vector>

#include "engine/Json.h"

// Where a particle starts, which way it is launched, and how an emitter paces its spawning.
enum class PositionType : int { Point = 0, Circle = 1, Box = 2 };
enum class LaunchType : int { Outward = 0, Inward = 1, Forward = 2, Backward = 3, Upward = 4, Downward = 5 };
enum class SpawnType : int { One_By_One = 0, N_By_N = 1, All_At_Once = 2, Once_All_Done = 3, One_And_Done = 4 };

using Rgba = std::array<float, 4>;

struct Range {
    float min = 0.0f;
    float max = 0.0f;
};

struct ColorPair {
    Rgba start{1.0f, 1.0f, 1.0f, 1.0f};
    Rgba end{1.0f, 1.0f, 1.0f, 1.0f};
};

// One named effect of a particle file.
struct Effect {
    std::string name = "EFFECT_NAME_NOT_SET";
    PositionType positionType = PositionType::Point;
    LaunchType launchType = LaunchType::Forward;
    SpawnType spawnType = SpawnType::One_By_One;
    int n = 1;  // particles per burst for N_By_N
    int maxParticles = 0;
    Range rate;  // seconds between spawns
    float xMin = 0.0f, xMax = 0.0f, yMin = 0.0f, yMax = 0.0f;
    Range rotation;
    Range scale;
    float scaleMul = 0.0f;
    Range speed;
    Range rotationalVelocity;
    Range accelerationX;
    Range accelerationY;
    Range life;
    std::vector<ColorPair> colorPairs;
    std::string mesh = "SquareMesh";
    std::string texture;
};

// The emitter object's own look and motion ("emitter" in a particle file).
struct EmitterDescription {
    bool visible = false;
    std::string mesh;
    float scale[2] = {1.0f, 1.0f};
    float rotation = 0.0f;
    Rgba color{1.0f, 1.0f, 1.0f, 1.0f};
    std::string texture;
    float velocity[2] = {0.0f, 0.0f};
    float acceleration[2] = {0.0f, 0.0f};
    float rotVelocity = 0.0f;
};

struct ParticleFile {
    std::string name;
    EmitterDescription emitter;
    std::vector<Effect> effects;
};

// Hostile numbers are bounded, never trusted: every value read is finite and within these limits.
constexpr float kParticleValueLimit = 1.0e6f;
constexpr float kScaleMulLimit = 20.0f;

// Reads one effect object; problems become log lines and defaults.
Effect ReadEffect(const json::Value& object);
// Reads a whole particle file document (the "name", "emitter" and "effect" members).
void ReadParticleFile(const json::Value& root, ParticleFile& out);
// Loads "./Data/Particles/<name>.json"; false (after the log line) when missing or unparsable.
bool LoadParticleFile(const std::string& name, ParticleFile& out);
// The same file read once per run and shared by every emitter that names it (a battle builds
// hundreds). A missing or broken file is remembered too, and its line is printed again for each
// caller; nullptr then.
const ParticleFile* SharedParticleFile(const std::string& name);

// The effect names the game selects, per particle file: the battle's tiles ("reaction" hits named
// by the spells' "hit_effect", and the "status" emitter), tokens, wizards' status effects, the
// projectile's trail, and the menus' and victory screens' fireworks and token rain.
const std::map<std::string, std::vector<std::string>>& GameParticleEffects();
