#include "engine/Window.h"

#include <GLFW/glfw3.h>
#include <glad/gl.h>
#include <stb_image.h>

#include "engine/GlContext.h"

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
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load("./Assets/Fire_Token.png", &w, &h, &channels, 4);
    if (!pixels) return;
    GLFWimage image{w, h, pixels};
    glfwSetWindowIcon(window, 1, &image);
    stbi_image_free(pixels);
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
