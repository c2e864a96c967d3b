#pragma once

// Whether an OpenGL context is current and its functions are loaded. Render code creates GPU
// resources and draws only when this is true, so game logic runs (and is tested) without one.
namespace gl_context {
bool Available();
void SetAvailable(bool available);
}  // namespace gl_context
