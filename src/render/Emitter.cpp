#include "render/Emitter.h"

#include <glad/gl.h>
#include <map>
#include <random>

#include "engine/GlContext.h"
#include "engine/Log.h"
#include "meta/Config.h"
#include "objects/Physics.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Mesh.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/TextureLibrary.h"
#include "scenes/Camera.h"

namespace {
// Storage-buffer binding the particle shader reads its records from.
constexpr GLuint kParticleBinding = 7;

// Effect meshes are never recoloured, so emitters share one per name while any of them uses it.
std::shared_ptr<Mesh> SharedEffectMesh(const std::string& meshName)
{
    static std::map<std::string, std::weak_ptr<Mesh>, std::less<>> meshes;
    std::weak_ptr<Mesh>& slot = meshes[meshName];
    std::shared_ptr<Mesh> mesh = slot.lock();
    if (!mesh) {
        mesh = std::make_shared<Mesh>(meshName, kMeshLayoutColored);
        slot = mesh;
    }
    return mesh;
}
}  // namespace

Emitter::Emitter(const std::string& particleFile) : fileName(particleFile)
{
    // Each emitter gets its own sequence, so neighbouring tiles do not burst in lockstep.
    spawner.random.Seed((static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ reinterpret_cast<std::uintptr_t>(this));
    // Each emitter copies the shared table, so edits through GetEffect stay its own.
    static const ParticleFile kNoFile;
    const ParticleFile* shared = SharedParticleFile(particleFile);
    const ParticleFile& file = shared ? *shared : kNoFile;
    name = file.name;
    BuildObject(file.emitter);
    for (const Effect& effect : file.effects) {
        if (!effects.count(effect.name)) effectNames.push_back(effect.name);
        effects.insert_or_assign(effect.name, effect);
    }
}

Emitter::~Emitter()
{
    ReleaseGpu();
}

void Emitter::BuildObject(const EmitterDescription& d)
{
    visible = d.visible;
    auto* placement = new Transform();
    placement->setScale(d.scale[0], d.scale[1]);
    placement->setRotation(d.rotation);
    AddComponent(placement);
    auto* physics = new Physics();
    physics->velocity = glm::vec2(d.velocity[0], d.velocity[1]);
    physics->acceleration = glm::vec2(d.acceleration[0], d.acceleration[1]);
    physics->angularVelocity = d.rotVelocity;
    AddComponent(physics);
    auto* sprite = new Texture();
    if (!d.mesh.empty()) {
        sprite->setMesh(d.mesh);
        sprite->mesh->setColor(glm::vec4(d.color[0], d.color[1], d.color[2], d.color[3]));
    }
    sprite->setTexture(d.texture.empty() ? "None" : d.texture);
    AddComponent(sprite);
}

Effect* Emitter::GetEffect(const std::string& effectName)
{
    auto it = effects.find(effectName);
    return it == effects.end() ? nullptr : &it->second;
}

void Emitter::SetEffect(const std::string& effectName)
{
    Effect* effect = GetEffect(effectName);
    if (!effect) {
        print("!! - SetEffect() Could Not Find Effect: ", effectName, " in ", fileName);
        return;
    }
    spawner.SetEffect(effect);
    textured = !effect->texture.empty();
    TextureLibrary* library = render::Textures();
    texture = textured && library ? library->grab_texture(effect->texture) : nullptr;
    if (!mesh || mesh->name != effect->mesh) mesh = SharedEffectMesh(effect->mesh);
    RebuildBuffer();
}

void Emitter::setPosition(float x, float y)
{
    if (auto* placement = Get<Transform>()) placement->setPosition(x, y);
}

void Emitter::setRotation(float degrees)
{
    if (auto* placement = Get<Transform>()) placement->setRotation(degrees);
}

EmitterPlacement Emitter::Placement() const
{
    const auto* placement = Get<Transform>();
    if (!placement) return EmitterPlacement{};
    return EmitterPlacement{placement->position.x, placement->position.y, placement->rotation};
}

void Emitter::Update(float dt)
{
    const int liveBefore = spawner.ActiveCount();
    spawner.SpawnStep(dt, Placement(), UserConfig.lowFps);
    if (visible) Object::Update(dt);
    spawner.Age(dt);
    if (liveBefore > 0 || spawner.ActiveCount() > 0) uploaded = false;
    UploadParticles();
}

void Emitter::RebuildBuffer()
{
    if (!gl_context::Available()) return;
    if (!storage) glGenBuffers(1, &storage);
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, storage);
    const auto bytes = static_cast<GLsizeiptr>(spawner.pool.Size() * sizeof(Particle));
    glBufferData(GL_SHADER_STORAGE_BUFFER, bytes, bytes ? spawner.pool.Data() : nullptr, GL_DYNAMIC_DRAW);
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, 0);
    uploaded = true;
}

void Emitter::UploadParticles()
{
    if (uploaded || !storage || !gl_context::Available() || spawner.pool.Size() == 0) return;
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, storage);
    glBufferSubData(GL_SHADER_STORAGE_BUFFER, 0, static_cast<GLsizeiptr>(spawner.pool.Size() * sizeof(Particle)),
                    spawner.pool.Data());
    glBindBuffer(GL_SHADER_STORAGE_BUFFER, 0);
    uploaded = true;
}

void Emitter::Draw()
{
    if (visible) Object::Draw();
    if (UserConfig.lowFps || !spawner.Current() || !gl_context::Available()) return;
    ShaderLibrary* shaders = render::Shaders();
    Camera* camera = render::ActiveCamera();
    if (!shaders || !camera || !mesh || !storage || spawner.ActiveCount() == 0) return;
    const std::uint32_t program = shaders->getProgram("Particle");
    if (!program) return;
    glUniformMatrix4fv(shaders->uniform(program, "viewMatrix"), 1, GL_FALSE, &camera->getViewProjection()[0][0]);
    glUniform1i(shaders->uniform(program, "useTexture"), textured && texture && texture->id ? 1 : 0);
    glBindBufferBase(GL_SHADER_STORAGE_BUFFER, kParticleBinding, storage);
    glBindVertexArray(mesh->vao);
    if (textured && texture) {
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, texture->id);
    }
    glDrawArraysInstanced(GL_TRIANGLES, 0, static_cast<GLsizei>(mesh->vertexCount), spawner.pool.Size());
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindBufferBase(GL_SHADER_STORAGE_BUFFER, kParticleBinding, 0);
    glUseProgram(0);
}

void Emitter::ReleaseGpu()
{
    if (storage && gl_context::Available()) glDeleteBuffers(1, &storage);
    storage = 0;
}
