#pragma once
#include <glm/glm.hpp>

class Camera;
class ShaderLibrary;
class TextureLibrary;

// The scene system's render resources, for components created deep inside scenes. Each is
// nullptr before the scene system's Init and after its Exit (and always in headless tests).
namespace render {
ShaderLibrary* Shaders();
TextureLibrary* Textures();
Camera* ActiveCamera();
// The camera's viewport in pixels, or 1280 x 720 when there is no camera yet.
glm::ivec2 ViewportSize();
}  // namespace render
