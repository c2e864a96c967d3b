#include "meta/VictoryScreen.h"

#include <cstdlib>

#include "meta/BattleSetup.h"
#include "meta/PlayerProfile.h"
#include "meta/Config.h"
#include "meta/ScreenParts.h"
#include "meta/VictoryRules.h"
#include "objects/Animation.h"
#include "objects/Texture.h"
#include "render/Background.h"
#include "render/Emitter.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "scenes/Camera.h"
#include "scenes/ClearScreen.h"
#include "scenes/SceneSystem.h"
#include "ui/SmartButton.h"

float VictoryScreen::fireworkCountdown = VictoryScreen::kFireworkStep;

namespace {

const glm::vec4 kGold{0.98f, 0.80f, 0.36f, 1.0f};
constexpr const char* kMusic = "VictoryMusic";
constexpr int kFireworkFrames = 4;

// Uniform in [lo, hi]; cosmetic, so it leaves the battle's seeded random source alone.
float Uniform(float lo, float hi)
{
    return lo + (hi - lo) * static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX);
}

}  // namespace

VictoryScreen::VictoryScreen(std::string name) : Scene(std::move(name)) {}
VictoryScreen::~VictoryScreen() = default;

void VictoryScreen::Load()
{
    if (ShaderLibrary* shaders = render::Shaders())
        LoadPrograms(*shaders, {"static", "static_anim", "pawn_ui_anim", "button", "text", "background", "Particle"});
    backdrop = screenparts::MakeBackdrop();
    messageText = screenparts::MakeText("", {0.0f, 250.0f}, 40.0f, kGold);
    message = messageText.get();
    pawn = screenparts::MakePicture("Mages_Guild", {0.0f, 105.0f}, {64.0f, 64.0f}, "pawn_ui_anim");
    auto* facings = new Animation();
    facings->play(0, 4, 1.5f, true);
    pawn->AddComponent(facings);
    for (std::size_t i = 0; i < fireworkPictures.size(); ++i) {
        const float x = i == 0 ? -560.0f : 560.0f;
        fireworkPictures[i] = screenparts::MakePicture("Firework", {x, 305.0f}, {40.0f, 40.0f}, "static_anim");
        screenparts::ShowFrame(*fireworkPictures[i], 0);
    }
    for (int i = 0; i < kFireworkEmitters; ++i) emitters.push_back(std::make_unique<Emitter>("firework"));
    BuildButtons();
}

void VictoryScreen::Init()
{
    music.Start(kMusic, 0.5f);
    for (int i = 0; i < kFireworkEmitters; ++i) emitters[static_cast<std::size_t>(i)]->SetEffect("firework");
    pending = Leave{};
    pawnShown = false;
    fireworkFrame = 0;
    Record();
    PlaceEmitters();
    if (SceneSystem* scenes = SceneSystem::Instance()) OnResize(scenes->screenWidth(), scenes->screenHeight());
}

void VictoryScreen::StartRain(bool gilded)
{
    static constexpr const char* kElements[kRainEmitters] = {"token_rain_fire", "token_rain_water", "token_rain_earth",
                                                             "token_rain_wind"};
    emitters.resize(kFireworkEmitters);
    for (const char* element : kElements) {
        const std::string effect = gilded ? "token_rain_guilded" : element;
        auto rain = std::make_unique<Emitter>(effect);
        rain->SetEffect(effect);
        emitters.push_back(std::move(rain));
    }
}

void VictoryScreen::ShowPawn(const std::string& texture)
{
    pawnShown = !texture.empty();
    if (pawnShown) screenparts::SetTexture(*pawn, texture);
}

SmartButton* VictoryScreen::AddButton(std::unique_ptr<SmartButton> button, Leave leave)
{
    button->SetOnClick([this, leave] { pending = leave; });
    buttons.push_back(std::move(button));
    return buttons.back().get();
}

void VictoryScreen::PlaceEmitters()
{
    // Along and above the top edge of the view: x uniform over [-W, W], y = H / 2 + 80.
    const Camera* camera = render::ActiveCamera();
    const float w = camera ? static_cast<float>(camera->width) : 1280.0f;
    const float h = camera ? static_cast<float>(camera->height) : 720.0f;
    for (auto& emitter : emitters) emitter->setPosition(Uniform(-w, w), h * 0.5f + 80.0f);
}

void VictoryScreen::StepFireworkPicture(float dt)
{
    fireworkCountdown -= dt;
    if (fireworkCountdown > 0.0f) return;
    fireworkCountdown = kFireworkStep;
    fireworkFrame = (fireworkFrame + 1) % kFireworkFrames;
    for (auto& picture : fireworkPictures) screenparts::ShowFrame(*picture, fireworkFrame);
}

void VictoryScreen::Update(float dt)
{
    StepFireworkPicture(dt);
    PlaceEmitters();
    if (backdrop) backdrop->Update(dt);
    for (auto& button : buttons) button->Update(dt);
    for (auto& emitter : emitters) emitter->Update(dt);
    message->Update(dt);
    pawn->Update(dt);
    for (auto& picture : fireworkPictures) picture->Update(dt);
    UpdateExtras(dt);
    if (pending.scene < 0) return;
    const Leave leave = pending;
    pending = Leave{};
    if (leave.replay) {
        CountReplay(BattleSetup, PlayerProfile);
        SaveProfile();
    }
    LeaveVictoryScreen(leave.leavingBattle);
    if (SceneSystem* scenes = SceneSystem::Instance()) scenes->switchTo(leave.scene);
}

void VictoryScreen::Render()
{
    ClearScreen(0.10f, 0.07f, 0.05f);
    if (backdrop) backdrop->Draw();
    for (auto& emitter : emitters) emitter->Draw();
    for (auto& picture : fireworkPictures) picture->Draw();
    message->Draw();
    if (pawnShown) pawn->Draw();
    DrawExtras();
    for (auto& button : buttons) button->Draw();
}

void VictoryScreen::Exit()
{
    music.Stop();
}

void VictoryScreen::Unload()
{
    buttons.clear();
    emitters.clear();
    for (auto& picture : fireworkPictures) picture.reset();
    pawn.reset();
    message = nullptr;
    messageText.reset();
    backdrop.reset();
}

void VictoryScreen::OnResize(int width, int height)
{
    screenparts::FitBackdrop(backdrop.get(), width, height);
}
