#include "scenes/ClearScreen.h"

#include <glad/gl.h>

#include "engine/GlContext.h"

void ClearScreen(float r, float g, float b)
{
    if (!gl_context::Available()) return;
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}
