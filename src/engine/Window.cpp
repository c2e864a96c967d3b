#include "engine/Window.h"

#include <GLFW/glfw3.h>
#include <glad/gl.h>
#include "engine/GlContext.h"
#include "engine/ImageFile.h"

GLFWwindow*& GameWindow()
{
    static GLFWwindow* window = nullptr;
    return window;
}

namespace {

void ContextHints()
{
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
}

void SetIcon(GLFWwindow* window)
{
    // A missing, odd or oversized icon leaves the default one, without a word.
    image::Decoded icon = image::Decode("./Assets/Fire_Token.png", false);
    if (!icon.ok()) return;
    GLFWimage picture{icon.width, icon.height, icon.pixels.get()};
    glfwSetWindowIcon(window, 1, &picture);
}

GLFWwindow* hiddenWindow = nullptr;

}  // namespace

GLFWwindow* CreateGameWindow()
{
    ContextHints();
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    glfwWindowHint(GLFW_AUTO_ICONIFY, GLFW_FALSE);
    glfwWindowHint(GLFW_FOCUS_ON_SHOW, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(1280, 720, "Primalites", nullptr, nullptr);
    if (window) SetIcon(window);
    return window;
}

bool CreateHiddenGlContext()
{
    if (hiddenWindow) return true;
    if (!glfwInit()) return false;
    glfwDefaultWindowHints();
    ContextHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    hiddenWindow = glfwCreateWindow(64, 64, "Primalites check", nullptr, nullptr);
    if (!hiddenWindow) {
        glfwTerminate();
        return false;
    }
    glfwMakeContextCurrent(hiddenWindow);
    if (!gladLoadGL(glfwGetProcAddress)) {
        DestroyHiddenGlContext();
        return false;
    }
    gl_context::SetAvailable(true);
    return true;
}

void DestroyHiddenGlContext()
{
    gl_context::SetAvailable(false);
    if (hiddenWindow) glfwDestroyWindow(hiddenWindow);
    hiddenWindow = nullptr;
    glfwTerminate();
}
