#include "meta/FrontEndKit.h"

#include <GLFW/glfw3.h>

#include "audio/SoundSystem.h"
#include "engine/Input.h"
#include "meta/Config.h"
#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "render/Mesh.h"
#include "render/Text.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneSystem.h"

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

void TintPicture(Object& picture, glm::vec4 color)
{
    if (auto* sprite = picture.Get<Texture>(); sprite && sprite->mesh) sprite->mesh->setColor(color);
}

}  // namespace frontend
