#include "meta/Intro.h"

#include <GLFW/glfw3.h>

#include "meta/FrontEndKit.h"
#include "objects/Object.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "scenes/ClearScreen.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneSystem.h"
#include "ui/Pointer.h"

namespace {
struct Card {
    const char* texture;
    glm::vec2 halfSize;
};
constexpr Card kCards[IntroTimeline::kCards] = {
    {"Ostrand_Logo", {512.0f, 123.5f}},
    {"Fmod_Logo", {364.0f, 96.0f}},
    {"Vellum_Logo", {280.5f, 367.0f}},
};
}  // namespace

Intro::Intro() : Scene("Intro") {}
Intro::~Intro() = default;

void Intro::Load()
{
    if (ShaderLibrary* shaders = render::Shaders()) LoadPrograms(*shaders, {"static", "text"});
}

void Intro::Init()
{
    timeline = IntroTimeline();
    for (int i = 0; i < IntroTimeline::kCards; ++i) {
        logos[static_cast<std::size_t>(i)] = frontend::MakePicture(kCards[i].texture, glm::vec2(0.0f), kCards[i].halfSize);
        frontend::TintPicture(*logos[static_cast<std::size_t>(i)], glm::vec4(1.0f, 1.0f, 1.0f, 0.0f));
    }
    notice = frontend::MakeText("Click or press Space to skip", glm::vec2(0.0f), 20.0f);
    glm::ivec2 viewport = render::ViewportSize();
    OnResize(viewport.x, viewport.y);
}

bool Intro::SkipRequested()
{
    IntroInput input;
    input.leftDown = frontend::MouseHeld(GLFW_MOUSE_BUTTON_LEFT);
    input.rightDown = frontend::MouseHeld(GLFW_MOUSE_BUTTON_RIGHT);
    // Each key is read (twice) every update, so one tap is never seen again by a later update.
    bool escape = frontend::KeyTapped(GLFW_KEY_ESCAPE);
    bool space = frontend::KeyTapped(GLFW_KEY_SPACE);
    bool enter = frontend::KeyTapped(GLFW_KEY_ENTER);
    input.keyTapped = escape || space || enter;
    return IntroWantsSkip(input, ui::Pointer().pressLatched);
}

void Intro::Update(float dt)
{
    timeline.Update(dt);
    const int card = timeline.Card();
    if (card >= 0) {
        Object& logo = *logos[static_cast<std::size_t>(card)];
        frontend::TintPicture(logo, glm::vec4(1.0f, 1.0f, 1.0f, timeline.Alpha()));
        notice->color.a = card == 0 ? timeline.Alpha() : 0.0f;
        logo.Update(dt);
    }
    notice->Update(dt);
    if (SkipRequested()) {
        frontend::PlayClick();
        timeline.Skip();
    }
}

void Intro::Render()
{
    ClearScreen(1.0f, 1.0f, 1.0f);
    const int card = timeline.Card();
    if (card < 0) {
        if (SceneSystem* scenes = SceneSystem::Instance()) scenes->switchTo(kSceneMenuMain);
        return;  // nothing of this scene may be touched once the switch has run
    }
    logos[static_cast<std::size_t>(card)]->Draw();
    if (card == 0) notice->Draw();
}

void Intro::Unload()
{
    for (auto& logo : logos) logo.reset();
    notice.reset();
}

void Intro::OnResize(int, int height)
{
    if (notice) notice->setPosition(0.0f, static_cast<float>(height) * 0.5f - 36.0f);
}
