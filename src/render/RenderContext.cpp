#include "render/RenderContext.h"

#include "scenes/SceneSystem.h"

namespace render {
ShaderLibrary* Shaders()
{
    SceneSystem* scenes = SceneSystem::Instance();
    return scenes ? scenes->shaders() : nullptr;
}

TextureLibrary* Textures()
{
    SceneSystem* scenes = SceneSystem::Instance();
    return scenes ? scenes->textures() : nullptr;
}

Camera* ActiveCamera()
{
    SceneSystem* scenes = SceneSystem::Instance();
    return scenes ? scenes->camera() : nullptr;
}

glm::ivec2 ViewportSize()
{
    const Camera* camera = ActiveCamera();
    return camera ? glm::ivec2(camera->width, camera->height) : glm::ivec2(1280, 720);
}
}  // namespace render
