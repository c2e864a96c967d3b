#include "meta/ScreenParts.h"

#include <algorithm>

#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "objects/Texture.h"
#include "render/Background.h"
#include "render/Text.h"
#include "render/TextureLibrary.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneSystem.h"

namespace screenparts {

int FrameCount(const Object& picture)
{
    const auto* sprite = picture.Get<Texture>();
    if (!sprite || !sprite->texture) return 0;
    return std::max(1, sprite->texture->rows * sprite->texture->columns);
}

void ShowFrame(Object& picture, int frame)
{
    auto* animation = picture.Get<Animation>();
    if (!animation) {
        animation = new Animation();
        picture.AddComponent(animation);
    }
    animation->firstFrame = animation->currentFrame = std::clamp(frame, 0, std::max(1, FrameCount(picture)) - 1);
    animation->frameCount = 1;
    animation->playing = false;
}

void SetTexture(Object& picture, const std::string& texture)
{
    if (auto* sprite = picture.Get<Texture>()) sprite->setTexture(texture);
}

std::unique_ptr<Background> MakeBackdrop()
{
    auto backdrop = std::make_unique<Background>();
    backdrop->setStyle(Background::kWood);
    if (auto* sprite = backdrop->Get<Texture>(); sprite && sprite->texture && sprite->texture->width > 0)
        backdrop->setTextureSize(static_cast<float>(sprite->texture->width), static_cast<float>(sprite->texture->height));
    return backdrop;
}

void FitBackdrop(Background* backdrop, int width, int height)
{
    if (backdrop) backdrop->size = glm::vec2(2.0f * static_cast<float>(width) + 100.0f, 2.0f * static_cast<float>(height) + 100.0f);
}

void LeaveScreen()
{
    SceneSystem* scenes = SceneSystem::Instance();
    if (!scenes) return;
    if (scenes->suspendedIndex() >= 0) scenes->popScene();
    else scenes->switchTo(kSceneMenuMain);
}

}  // namespace screenparts
