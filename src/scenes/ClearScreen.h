#pragma once

// Clears the colour buffer (every scene's Render starts with this; the engine never clears).
// Does nothing without a GL context.
void ClearScreen(float r, float g, float b);
