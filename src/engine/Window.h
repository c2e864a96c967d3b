#pragma once

struct GLFWwindow;

// The game window, set once it exists; read by whatever needs the cursor, keys or window mode.
GLFWwindow*& GameWindow();

// Creates the 1280 x 720 "Primalites" window with a GL 4.3 core context (after glfwInit), or
// nullptr. The window icon is set from the fire token image when it can be read.
GLFWwindow* CreateGameWindow();

// Makes the hidden window's context current and loads GL functions; used by data checks that
// compile shaders. Returns false without a display.
bool CreateHiddenGlContext();
void DestroyHiddenGlContext();
