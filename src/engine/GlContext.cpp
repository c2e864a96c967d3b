#include "engine/GlContext.h"

namespace gl_context {
namespace {
bool available = false;
}
bool Available() { return available; }
void SetAvailable(bool value) { available = value; }
}  // namespace gl_context
