#include "ui/Cursor.h"

#include <cstdio>

#include <GLFW/glfw3.h>
#include <stb_image.h>

#include "engine/Log.h"
#include "meta/Config.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Mesh.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "ui/Pointer.h"

namespace {
constexpr int kMaxCursorSide = 256;
}

bool LoadCursorImage(const std::string& path, CursorImage& image)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = nullptr;
    if (file) {
        // The window system wants the top row first; the texture library flips for OpenGL and
        // sets the flag again before each of its own loads.
        stbi_set_flip_vertically_on_load(0);
        if (stbi_info_from_file(file, &width, &height, &channels) && width <= kMaxCursorSide && height <= kMaxCursorSide)
            pixels = stbi_load_from_file(file, &width, &height, &channels, 4);
        std::fclose(file);
    }
    if (!pixels || width < 1 || height < 1) {
        if (pixels) stbi_image_free(pixels);
        print("!!! - Cursor image could not be loaded: ", path);
        return false;
    }
    image.width = width;
    image.height = height;
    image.pixels.assign(pixels, pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4u);
    stbi_image_free(pixels);
    return true;
}

Cursor::Cursor(const std::string& imagePath)
{
    name = "Cursor";
    CursorImage image;
    if (LoadCursorImage(imagePath, image) && UserConfig.window) {
        GLFWimage picture{image.width, image.height, image.pixels.data()};
        handle = glfwCreateCursor(&picture, 0, 0);
        if (handle) SetGameCursor(handle);
    }
    // The debug square is drawn over every scene, whichever programs that scene loaded.
    if (ShaderLibrary* shaders = render::Shaders(); shaders && !shaders->find("basic")) LoadPrograms(*shaders, {"basic"});
    debugSprite = std::make_unique<Object>();
    auto* placement = new Transform();
    placement->setScale(25.0f, 25.0f);
    debugSprite->AddComponent(placement);
    auto* sprite = new Texture("SquareMesh", "None");
    sprite->program = "basic";
    if (sprite->mesh) sprite->mesh->setColor(debugTint);
    debugSprite->AddComponent(sprite);
}

Cursor::~Cursor()
{
    if (!handle) return;
    SetGameCursor(nullptr);
    glfwDestroyCursor(handle);
}

glm::vec4 Cursor::DebugTint(bool leftWentDown, bool rightDown)
{
    if (leftWentDown) return {0.0f, 1.0f, 0.0f, 0.5f};
    if (rightDown) return {1.0f, 0.0f, 0.0f, 0.5f};
    return {0.0f, 0.0f, 0.0f, 0.5f};
}

void Cursor::Update(float dt)
{
    const ui::PointerState& pointer = ui::Pointer();
    debugSprite->Get<Transform>()->setPosition(ui::CursorWorld());
    const glm::vec4 tint = DebugTint(pointer.leftWentDown, pointer.rightDown);
    if (tint != debugTint) {
        debugTint = tint;
        if (auto* sprite = debugSprite->Get<Texture>(); sprite && sprite->mesh) sprite->mesh->setColor(tint);
    }
    debugSprite->Update(dt);
    Object::Update(dt);
}

void Cursor::Draw()
{
    if (debugOn) debugSprite->Draw();
}
