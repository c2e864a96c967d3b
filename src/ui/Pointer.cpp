#include "ui/Pointer.h"

#include <GLFW/glfw3.h>

#include "meta/Config.h"
#include "render/RenderContext.h"
#include "scenes/Camera.h"

namespace ui {

PointerState& Pointer()
{
    static PointerState state;
    return state;
}

void BeginPointerFrame(glm::vec2 cursorPixels, bool leftDown, bool rightDown)
{
    PointerState& p = Pointer();
    p.leftWentDown = leftDown && !p.leftDown;
    p.cursor = cursorPixels;
    p.leftDown = leftDown;
    p.rightDown = rightDown;
    // The latch is re-armed by any frame with the button up, wherever the release happened.
    if (!leftDown) p.pressLatched = false;
    p.claimedBy = nullptr;
}

void ReadPointerFromWindow()
{
    PointerState& p = Pointer();
    glm::vec2 cursor = p.cursor;
    bool left = false, right = false;
    if (GLFWwindow* window = UserConfig.window) {
        double x = 0.0, y = 0.0;
        glfwGetCursorPos(window, &x, &y);
        cursor = glm::vec2(static_cast<float>(x), static_cast<float>(y));
        left = glfwGetMouseButton(window, GLFW_MOUSE_BUTTON_LEFT) == GLFW_PRESS;
        right = glfwGetMouseButton(window, GLFW_MOUSE_BUTTON_RIGHT) == GLFW_PRESS;
    }
    BeginPointerFrame(cursor, left, right);
}

void ResetPointer()
{
    Pointer() = PointerState{};
}

glm::vec2 CursorUi()
{
    glm::vec2 point = Pointer().cursor;
    if (Camera* camera = render::ActiveCamera()) return camera->screenToUi(point);
    glm::ivec2 size = render::ViewportSize();
    return {point.x - static_cast<float>(size.x) / 2.0f, static_cast<float>(size.y) / 2.0f - point.y};
}

glm::vec2 CursorWorld()
{
    Camera* camera = render::ActiveCamera();
    if (!camera || camera->width <= 0 || camera->height <= 0) return CursorUi();
    glm::vec2 pixel = Pointer().cursor;
    glm::vec4 ndc(2.0f * pixel.x / static_cast<float>(camera->width) - 1.0f,
                  1.0f - 2.0f * pixel.y / static_cast<float>(camera->height), 0.0f, 1.0f);
    glm::vec4 world = glm::inverse(camera->getViewProjection()) * ndc;
    return glm::vec2(world);
}

bool PressAvailable()
{
    const PointerState& p = Pointer();
    return p.leftDown && !p.pressLatched;
}

bool TakePress()
{
    if (!PressAvailable()) return false;
    Pointer().pressLatched = true;
    return true;
}

bool TakeNewPress()
{
    return Pointer().leftWentDown && TakePress();
}

void LatchPress()
{
    if (Pointer().leftDown) Pointer().pressLatched = true;
}

void ClaimMouse(const void* receiver)
{
    PointerState& p = Pointer();
    if (!p.claimedBy) p.claimedBy = receiver;
}

bool MouseClaimedByOther(const void* receiver)
{
    const void* owner = Pointer().claimedBy;
    return owner && owner != receiver;
}

bool MouseClaimed()
{
    return Pointer().claimedBy != nullptr;
}

bool BlockPointer(const void* receiver, bool inside)
{
    if (!inside || MouseClaimedByOther(receiver)) return false;
    ClaimMouse(receiver);
    LatchPress();
    return true;
}

bool InsideRect(glm::vec2 point, glm::vec2 centre, glm::vec2 halfSize)
{
    glm::vec2 low = centre - halfSize;
    glm::vec2 high = centre + halfSize;
    return point.x >= low.x && point.x <= high.x && point.y >= low.y && point.y <= high.y;
}

}  // namespace ui
