// The GLFW side of window input: each callback forwards to the testable handlers or the scenes.
#include <GLFW/glfw3.h>

#include "engine/Engine.h"
#include "engine/GlContext.h"
#include "engine/Input.h"
#include "meta/Config.h"
#include "scenes/SceneSystem.h"

#include <glad/gl.h>

namespace input {

namespace {

Camera* SceneCamera()
{
    SceneSystem* scenes = SceneSystem::Instance();
    return scenes ? scenes->camera() : nullptr;
}

void OnMouseButton(GLFWwindow* window, int button, int action, int)
{
    double x = 0.0, y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    HandleMouseButton(button, action, x, y);
}

void OnKey(GLFWwindow*, int key, int, int action, int)
{
    HandleKey(key, action, SceneCamera());
}

void OnCursor(GLFWwindow*, double x, double y)
{
    HandleCursor(x, y, SceneCamera());
}

void OnScroll(GLFWwindow*, double, double yoffset)
{
    HandleScroll(yoffset, SceneCamera());
}

void OnCursorEnter(GLFWwindow* window, int)
{
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
}

void OnFocus(GLFWwindow* window, int focused)
{
    if (SceneSystem* scenes = SceneSystem::Instance()) scenes->NotifyFocus(focused != 0);
    if (!focused && FullscreenActive()) glfwIconifyWindow(window);
}

void OnIconify(GLFWwindow*, int iconified)
{
    if (SceneSystem* scenes = SceneSystem::Instance()) scenes->NotifyIconify(iconified != 0);
}

void OnClose(GLFWwindow* window)
{
    Engine::Instance().running = false;
    glfwSetWindowShouldClose(window, GLFW_TRUE);
}

// Re-applying the window mode can itself report a new size; that nested report is not answered
// with yet another mode change.
bool resizing = false;

}  // namespace

void OnFramebufferSize(GLFWwindow* window, int width, int height)
{
    if (gl_context::Available()) glViewport(0, 0, width, height);
    if (SceneSystem* scenes = SceneSystem::Instance()) scenes->Resize(width, height);
    if (resizing || !window) return;
    // A window always returns to the configured mode and size, whatever size was reported.
    resizing = true;
    ApplyDisplaySettings();
    resizing = false;
}

void InstallEarlyCallbacks(GLFWwindow* window)
{
    glfwSetMouseButtonCallback(window, OnMouseButton);
    glfwSetKeyCallback(window, OnKey);
    glfwSetCursorPosCallback(window, OnCursor);
    glfwSetScrollCallback(window, OnScroll);
    glfwSetCursorEnterCallback(window, OnCursorEnter);
}

void InstallContextCallbacks(GLFWwindow* window)
{
    glfwSetFramebufferSizeCallback(window, OnFramebufferSize);
    glfwSetWindowFocusCallback(window, OnFocus);
    glfwSetWindowIconifyCallback(window, OnIconify);
}

void InstallCloseCallback(GLFWwindow* window)
{
    glfwSetWindowCloseCallback(window, OnClose);
}

}  // namespace input
