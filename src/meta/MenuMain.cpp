#include "meta/MenuMain.h"

#include <GLFW/glfw3.h>

#include "audio/SoundSystem.h"
#include "engine/Engine.h"
#include "engine/Random.h"
#include "meta/Config.h"
#include "meta/FrontEndKit.h"
#include "render/Background.h"
#include "render/Emitter.h"
#include "render/Mesh.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "render/TextureLibrary.h"
#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "scenes/ClearScreen.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneSystem.h"
#include "ui/SmartButton.h"

namespace {

constexpr const char* kMusic = "MenuMusic";
constexpr std::array<const char*, 4> kElementRain{"token_rain_fire", "token_rain_water", "token_rain_earth", "token_rain_wind"};
constexpr float kButtonTop = 130.0f;
constexpr float kButtonStep = 62.0f;

std::string VersionText()
{
    const int version[] = {1, 3, 0};
    std::string text = "Version ";
    for (int i = 0; i < 3; ++i) text += (i ? "." : "") + std::to_string(version[i]);
    return text;
}

}  // namespace

MenuMain::MenuMain() : Scene("MenuMain") {}
MenuMain::~MenuMain() = default;

void MenuMain::Load()
{
    if (ShaderLibrary* shaders = render::Shaders())
        LoadPrograms(*shaders, {"static", "text", "button", "background", "water", "mesh", "Particle"});
}

void MenuMain::Init()
{
    music = std::make_unique<SoundSystem>(SoundSystem::Instance());
    music->PlayLooped(kMusic);
    music->SetVolume(kMusic, 0.3f);
    if (!UserConfig.music) music->SetPaused(kMusic, true);

    backdrop = frontend::MakeBackdrop(Background::kWood);
    fade = frontend::MakeBackdrop(Background::kPlain);
    rainHolder = std::make_unique<Object>();
    for (std::size_t i = 0; i < rain.size(); ++i) rain[i] = rainHolder->addEmitter("Token_Rain", kElementRain[i]);
    // Init always opens on the wooden look, whatever "c" left behind.
    lava = false;
    ApplyLook();

    objects.push_back(frontend::MakePicture("Title_Banner", glm::vec2(0.0f, 268.0f), glm::vec2(250.0f, 62.0f)));
    auto title = frontend::MakeText("Primalites", glm::vec2(0.0f, 276.0f), 50.0f);
    objects.push_back(std::move(title));
    // A paper slip under the version keeps the dark letters readable on the wood.
    objects.push_back(frontend::MakePicture("Book_Button_Frame2", glm::vec2(0.0f, 190.0f), glm::vec2(130.0f, 26.0f)));
    auto version = frontend::MakeText(VersionText(), glm::vec2(0.0f, 190.0f), 36.0f);
    objects.push_back(std::move(version));
    BuildButtons();

    fadeLeft = 0.0f;
    if (frontend::TakeFirstVisit()) fadeLeft = kFadeSeconds;
    glm::ivec2 viewport = render::ViewportSize();
    OnResize(viewport.x, viewport.y);
}

void MenuMain::BuildButtons()
{
    struct Entry {
        const char* label;
        std::function<void(SceneSystem&)> action;
    };
    const Entry entries[] = {
        {"Play: Battle", [](SceneSystem& s) { s.pushScene(kSceneMenuSetup); }},
        {"Play: Campaign", [](SceneSystem& s) { s.switchTo(kSceneMenuCampaign); }},
        {"Statistics", [](SceneSystem& s) { s.pushScene(kSceneMenuStats); }},
        {"How To Play", [](SceneSystem& s) { s.pushScene(kSceneMenuCodex); }},
        {"Settings", [](SceneSystem& s) { s.pushScene(kSceneSettings); }},
        {"Credits", [](SceneSystem& s) { s.pushScene(kSceneCredits); }},
        {"Exit", [](SceneSystem&) { Engine::Instance().running = false; }},
    };
    float y = kButtonTop;
    for (const Entry& entry : entries) {
        auto button = std::make_unique<SmartButton>(150.0f, 26.0f, glm::vec2(0.0f, y), entry.label);
        button->name = entry.label;
        auto action = entry.action;
        button->SetOnClick([this, action] {
            request = [action] {
                if (SceneSystem* scenes = SceneSystem::Instance()) action(*scenes);
                else Engine::Instance().running = false;
            };
        });
        buttons.push_back(std::move(button));
        y -= kButtonStep;
    }
}

void MenuMain::ApplyLook()
{
    frontend::SetBackdropStyle(*backdrop, lava ? Background::kLava : Background::kWood);
    for (std::size_t i = 0; i < rain.size(); ++i) {
        rain[i]->SetEffect(lava ? "token_rain_fire" : kElementRain[i]);
        rain[i]->visible = true;
    }
}

void MenuMain::Update(float dt)
{
    if (frontend::KeyTapped(GLFW_KEY_C)) {
        frontend::PlayClick();
        lava = !lava;
        ApplyLook();
    }
    const glm::ivec2 viewport = render::ViewportSize();
    for (Emitter* emitter : rain)
        emitter->setPosition(static_cast<float>(RandomInt(-viewport.x, viewport.x)), static_cast<float>(viewport.y / 2 + 80));
    backdrop->Update(dt);
    for (Emitter* emitter : rain) emitter->Update(dt);
    for (auto& object : objects) object->Update(dt);
    for (auto& button : buttons) button->Update(dt);
    if (fadeLeft > 0.0f) {
        fadeLeft = std::max(0.0f, fadeLeft - dt);
        if (auto* sprite = fade->Get<Texture>(); sprite && sprite->mesh)
            sprite->mesh->setColor(glm::vec4(0.0f, 0.0f, 0.0f, fadeLeft / kFadeSeconds));
    }
    fade->Update(dt);
    RunRequest();
}

void MenuMain::RunRequest()
{
    if (!request) return;
    auto run = std::move(request);
    request = nullptr;
    run();  // may suspend or unload this scene: nothing of it is touched afterwards
}

void MenuMain::Render()
{
    ClearScreen(0.0f, 0.0f, 0.0f);
    backdrop->Draw();
    for (Emitter* emitter : rain) emitter->Draw();
    for (auto& object : objects) object->Draw();
    for (auto& button : buttons) button->Draw();
    if (fadeLeft > 0.0f) fade->Draw();
}

void MenuMain::Exit()
{
    if (music) music->Stop(kMusic);
}

void MenuMain::Unload()
{
    buttons.clear();
    objects.clear();
    rain.fill(nullptr);
    rainHolder.reset();
    fade.reset();
    backdrop.reset();
    music.reset();
    request = nullptr;
}

void MenuMain::OnResize(int width, int height)
{
    const glm::vec2 cover = frontend::BackdropSize(width, height);
    if (backdrop) backdrop->size = cover;
    if (fade) fade->size = cover;
}

void MenuMain::OnSettingChanged()
{
    if (music) music->SetPaused(kMusic, !UserConfig.music);
}

void MenuMain::OnFocus(bool focused)
{
    if (music && UserConfig.music) music->SetPaused(kMusic, !focused);
}
