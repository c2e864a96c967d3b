#include "meta/FrontEndKit.h"

#include <GLFW/glfw3.h>

#include "audio/SoundSystem.h"
#include "engine/Input.h"
#include "meta/BattleSetup.h"
#include "meta/Config.h"
#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "render/Background.h"
#include "render/Mesh.h"
#include "render/Text.h"
#include "render/TextureLibrary.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneSystem.h"
#include "ui/SmartButton.h"

namespace frontend {

bool KeyHeld(int key)
{
    return UserConfig.window && glfwGetKey(UserConfig.window, key) == GLFW_PRESS;
}

bool KeyTapped(int key)
{
    if (!UserConfig.window) return false;
    int first = glfwGetKey(UserConfig.window, key);
    int second = glfwGetKey(UserConfig.window, key);
    return input::StickyToggle(first, second);
}

bool MouseHeld(int button)
{
    return UserConfig.window && glfwGetMouseButton(UserConfig.window, button) == GLFW_PRESS;
}

void LeaveScreen()
{
    SceneSystem* scenes = SceneSystem::Instance();
    if (!scenes) return;
    if (scenes->suspendedIndex() >= 0) scenes->popScene();
    else scenes->switchTo(kSceneMenuMain);
}

bool TakeFirstVisit()
{
    const bool first = BattleSetup.firstVisit;
    BattleSetup.firstVisit = false;
    return first;
}

void PlayClick()
{
    if (UserConfig.sfx) SoundSystem::Instance().Play("Click");
}

std::unique_ptr<Object> MakePicture(const std::string& texture, glm::vec2 at, glm::vec2 halfSize,
                                    const std::string& program, const std::string& mesh)
{
    auto picture = std::make_unique<Object>();
    picture->name = texture;
    auto* sprite = new Texture(mesh, texture);
    sprite->program = program;
    picture->AddComponent(sprite);
    auto* placement = new AnchorTransform();
    placement->setPosition(at);
    placement->setScale(halfSize);
    picture->AddComponent(placement);
    return picture;
}

std::unique_ptr<Text> MakeText(const std::string& text, glm::vec2 at, float size, glm::vec4 color)
{
    auto label = std::make_unique<Text>(text, glm::vec2(0.0f), color);
    label->setScale(size);
    label->setPosition(at.x, at.y);
    return label;
}

std::unique_ptr<Background> MakeBackdrop(int style)
{
    auto backdrop = std::make_unique<Background>();
    SetBackdropStyle(*backdrop, style);
    return backdrop;
}

void SetBackdropStyle(Background& backdrop, int style)
{
    backdrop.setStyle(style);
    // The backdrop shaders tile by the texture's own size; without it they have nothing to tile by.
    auto* sprite = backdrop.Get<Texture>();
    if (sprite && sprite->texture && sprite->texture->width > 0)
        backdrop.setTextureSize(static_cast<float>(sprite->texture->width), static_cast<float>(sprite->texture->height));
}

glm::vec2 BackdropSize(int width, int height)
{
    return {2.0f * static_cast<float>(width) + 100.0f, 2.0f * static_cast<float>(height) + 100.0f};
}

std::unique_ptr<SmartButton> MakeBackButton()
{
    auto back = std::make_unique<SmartButton>(70.0f, 26.0f, 85.0f, AnchorTransform::kBottomLeft, "Back");
    back->name = "Back";
    return back;
}

void TintPicture(Object& picture, glm::vec4 color)
{
    if (auto* sprite = picture.Get<Texture>(); sprite && sprite->mesh) sprite->mesh->setColor(color);
}

}  // namespace frontend
