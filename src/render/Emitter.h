#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "objects/NameHash.h"
#include "objects/Object.h"
#include "render/ParticleEffect.h"
#include "render/ParticleSpawner.h"

class Mesh;
struct TextureData;

// A particle emitter: a world-space Object made from "./Data/Particles/<file>.json" that spawns,
// moves, fades and draws particles of one chosen effect. All its particles live in one fixed pool
// (at most kMaxPoolParticles) mirrored in a storage buffer and are drawn with one instanced call.
//
//   Emitter* sparks = owner.addEmitter("Tile_Effects", "reaction");
//   sparks->SetEffect("Hit_Fire");          // rebuilds the pool; particles in flight vanish
//   sparks->setPosition(x, y);              // particles start around the emitter's Transform
class Emitter : public Object {
public:
    explicit Emitter(const std::string& particleFile);
    ~Emitter() override;
    Emitter(const Emitter&) = delete;

    // Selects an effect of the file and restarts spawning. A name the file does not define keeps
    // the current effect running (with one log line).
    void SetEffect(const std::string& effectName);
    // The named effect for editing (e.g. recolouring), or nullptr. Edits apply to new particles;
    // a changed max_particles or mesh takes effect at the next SetEffect.
    Effect* GetEffect(const std::string& effectName);
    const Effect* CurrentEffect() const { return spawner.Current(); }
    // The mesh the particles are drawn with, shared by every emitter showing an effect of that mesh.
    const Mesh* EffectMesh() const { return mesh.get(); }

    // Stops spawning (live particles fade out) / allows it again.
    void Stop() { spawner.Stop(); }
    void Resume() { spawner.Start(); }
    bool IsStopped() const { return spawner.Stopped(); }
    // An effect is chosen and spawning is not stopped.
    bool Running() const { return spawner.Current() && !spawner.Stopped(); }
    int LiveParticles() const { return spawner.ActiveCount(); }

    // Moves the emitter's Transform (where new particles start).
    void setPosition(float x, float y);
    void setRotation(float degrees);

    void Update(float dt) override;
    void Draw() override;

    // Seeds the particles' random source (tests and replays).
    void Seed(std::uint64_t seed) { spawner.random.Seed(seed); }

    bool visible = false;
    std::string fileName;
    std::unordered_map<std::string, Effect, NameHash, std::equal_to<>> effects;
    std::vector<std::string> effectNames;  // in file order

private:
    void BuildObject(const EmitterDescription& description);
    EmitterPlacement Placement() const;
    void RebuildBuffer();
    void UploadParticles();
    void ReleaseGpu();

    ParticleSpawner spawner;
    std::shared_ptr<Mesh> mesh;
    TextureData* texture = nullptr;
    std::uint32_t storage = 0;
    bool textured = false;
    bool uploaded = true;  // the GPU copy matches the pool
};
