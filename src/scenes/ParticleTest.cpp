#include "scenes/ParticleTest.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "engine/GlContext.h"
#include "engine/Log.h"
#include "meta/Config.h"
#include "render/Emitter.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "scenes/Camera.h"
#include "scenes/ClearScreen.h"

namespace {

// Effects that fill the screen fall from above the top edge, as the menus and victory screens
// place them; the small ones (tiles, tokens, wizards, spell shots) are shown magnified.
bool FallsFromAbove(const Emitter& emitter)
{
    return emitter.fileName.rfind("token_rain", 0) == 0 || emitter.fileName == "Token_Rain" ||
           emitter.fileName == "firework";
}

std::vector<std::string> ParticleFiles()
{
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("./Data/Particles", error)) {
        if (entry.path().extension() == ".json") files.push_back(entry.path().stem().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool KeyDown(int key)
{
    return UserConfig.window && glfwGetKey(UserConfig.window, key) == GLFW_PRESS;
}

}  // namespace

ParticleTest::ParticleTest() : Scene("ParticleTest") {}
ParticleTest::~ParticleTest() = default;

void ParticleTest::Load()
{
    if (ShaderLibrary* shaders = render::Shaders()) LoadPrograms(*shaders, {"text", "Particle", "basic"});
}

void ParticleTest::Init()
{
    for (const std::string& file : ParticleFiles()) {
        auto emitter = std::make_unique<Emitter>(file);
        for (const std::string& effect : emitter->effectNames) entries.push_back(Entry{emitter.get(), effect});
        emitters.push_back(std::move(emitter));
    }
    const glm::vec4 parchment(0.96f, 0.9f, 0.76f, 1.0f);
    title = std::make_unique<Text>("Particle Test", glm::vec2(0.0f), parchment);
    title->setPosition(0.0f, 320.0f);
    title->setScale(40.0f);
    caption = std::make_unique<Text>("", glm::vec2(0.0f), glm::vec4(1.0f, 0.85f, 0.45f, 1.0f));
    caption->setPosition(0.0f, 270.0f);
    caption->setScale(28.0f);
    hint = std::make_unique<Text>("N: next effect    B: previous effect", glm::vec2(0.0f), glm::vec4(0.7f, 0.7f, 0.8f, 1.0f));
    hint->setPosition(0.0f, -330.0f);
    hint->setScale(18.0f);
    if (entries.empty()) caption->setText("No particle files in ./Data/Particles");
    Show(0);
}

void ParticleTest::Show(int index)
{
    if (entries.empty()) return;
    const int count = static_cast<int>(entries.size());
    shown = ((index % count) + count) % count;
    shownFor = 0.0f;
    burstTimer = 0.0f;
    Entry& entry = entries[static_cast<size_t>(shown)];
    entry.emitter->SetEffect(entry.effect);
    caption->setTextf("%s : %s   (%d / %d)", entry.emitter->fileName.c_str(), entry.effect.c_str(), shown + 1, count);
    if (Camera* camera = render::ActiveCamera()) {
        camera->reset();
        camera->zoom = FallsFromAbove(*entry.emitter) ? 1.0f : 0.5f;
        camera->dirty = true;
    }
    print("ParticleTest: showing ", entry.emitter->fileName, " / ", entry.effect);
}

void ParticleTest::Place(float dt)
{
    if (shown < 0) return;
    Emitter& emitter = *entries[static_cast<size_t>(shown)].emitter;
    clock += dt;
    if (FallsFromAbove(emitter)) {
        // Along and above the top edge, a new spot every frame.
        const glm::ivec2 viewport = render::ViewportSize();
        const float half = static_cast<float>(viewport.x) * 0.5f;
        const float x = -half + 2.0f * half * static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX);
        emitter.setPosition(x, static_cast<float>(viewport.y) * 0.5f + 80.0f);
    } else if (emitter.fileName == "Spellshot") {
        // A shot needs to fly to leave a trail.
        emitter.setPosition(std::cos(clock * 2.0f) * 150.0f, std::sin(clock * 2.0f) * 80.0f);
    } else {
        emitter.setPosition(0.0f, 0.0f);
    }
}

void ParticleTest::ReadKeys()
{
    const bool next = KeyDown(GLFW_KEY_N), previous = KeyDown(GLFW_KEY_B);  // P is the engine's full-screen key
    if (next && !nextHeld) Show(shown + 1);
    if (previous && !previousHeld) Show(shown - 1);
    nextHeld = next;
    previousHeld = previous;
}

void ParticleTest::Update(float dt)
{
    ReadKeys();
    shownFor += dt;
    burstTimer += dt;
    if (shownFor > kSecondsPerEffect) Show(shown + 1);
    if (shown >= 0) {
        Entry& entry = entries[static_cast<size_t>(shown)];
        // One-shot effects are replayed so they stay visible for their whole turn.
        const Effect* effect = entry.emitter->CurrentEffect();
        if (effect && effect->spawnType == SpawnType::One_And_Done && burstTimer > 1.3f) {
            entry.emitter->SetEffect(entry.effect);
            burstTimer = 0.0f;
        }
        Place(dt);
        entry.emitter->Update(dt);
    }
    title->Update(dt);
    caption->Update(dt);
    hint->Update(dt);
}

void ParticleTest::Render()
{
    ClearScreen(0.07f, 0.06f, 0.11f);
    if (shown >= 0) entries[static_cast<size_t>(shown)].emitter->Draw();
    title->Draw();
    caption->Draw();
    hint->Draw();
}

void ParticleTest::Exit()
{
    if (Camera* camera = render::ActiveCamera()) camera->reset();
}

void ParticleTest::Unload()
{
    entries.clear();
    emitters.clear();
    title.reset();
    caption.reset();
    hint.reset();
    shown = -1;
}
