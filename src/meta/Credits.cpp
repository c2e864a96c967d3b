#include "meta/Credits.h"

#include <GLFW/glfw3.h>

#include <fstream>
#include <sstream>

#include "meta/FrontEndKit.h"
#include "objects/Object.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "scenes/ClearScreen.h"

namespace {
constexpr const char* kCreditsFile = "./Data/Credits.txt";
constexpr glm::vec4 kCream{0.96f, 0.93f, 0.85f, 1.0f};

std::string ReadWhole(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
}  // namespace

Credits::Credits() : Scene("Credits") {}
Credits::~Credits() = default;

void Credits::Load()
{
    if (ShaderLibrary* shaders = render::Shaders()) LoadPrograms(*shaders, {"static", "text"});
}

void Credits::Init()
{
    glm::ivec2 viewport = render::ViewportSize();
    scroll = std::make_unique<CreditsScroll>(viewport.y);
    credits = frontend::MakeText(ReadWhole(kCreditsFile), glm::vec2(0.0f, -viewport.y / 2), 24.0f, kCream);
    credits->setAlignment(kAlignCenter, kAlignTop);
    hint = frontend::MakeText("hold SPACE\nto speed up", glm::vec2(0.0f), 20.0f, glm::vec4(kCream.r, kCream.g, kCream.b, 0.0f));
    hint->setAlignment(kAlignRight, kAlignBottom);
    hint->setPosition(static_cast<float>(viewport.x / 2 - 24), static_cast<float>(-viewport.y / 2 + 24));
    stranger = frontend::MakePicture("Mysterious_Man", glm::vec2(0.0f, 160.0f), glm::vec2(64.0f));
    closing = std::make_unique<Text>(std::string(13, '\n') + "Keep moving forward.", stranger.get(), glm::vec2(0.0f),
                                     glm::vec4(1.0f, 1.0f, 1.0f, 0.0f));
    closing->setScale(30.0f);
}

void Credits::Update(float dt)
{
    scroll->Update(dt, frontend::KeyHeld(GLFW_KEY_SPACE));
    credits->setPosition(0.0f, scroll->TextY());
    credits->Update(dt);
    hint->color.a = scroll->HintAlpha();
    hint->Update(dt);
    stranger->Update(dt);
    closing->color.a = scroll->Fade();
    closing->Update(dt);
    if (scroll->Done()) frontend::LeaveScreen();
}

void Credits::Render()
{
    ClearScreen(0.0f, 0.0f, 0.0f);
    hint->Draw();
    if (!scroll->Finished()) credits->Draw();
    else closing->Draw();
}

void Credits::Unload()
{
    closing.reset();
    stranger.reset();
    hint.reset();
    credits.reset();
    scroll.reset();
}
