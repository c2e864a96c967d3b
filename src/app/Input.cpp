#include "engine/Input.h"

#include "engine/Log.h"
#include "meta/Config.h"
#include "scenes/Camera.h"

InputState& Input()
{
    static InputState state;
    return state;
}

namespace input {

namespace {
constexpr int kKeyW = 87, kKeyS = 83, kKeyA = 65, kKeyD = 68;
constexpr int kKeyJ = 74, kKeyM = 77, kKeyP = 80;
constexpr int kKeyRight = 262, kKeyLeft = 263, kKeyDown = 264, kKeyUp = 265;
constexpr int kMouseRight = 1;

void OnPress(int key, Camera* camera)
{
    if (key == kKeyJ && camera) camera->startShake();
    if (key == kKeyM) debugOn = !debugOn;
    // The mode on screen flips (in a `--windowed` run that is the window, whatever the setting).
    if (key == kKeyP) SetSetting(kSettingFullscreen, !FullscreenActive());
}
}  // namespace

static std::vector<int>& KeyQueue()
{
    static std::vector<int> keys;
    return keys;
}

std::vector<int> TakeKeyPresses()
{
    std::vector<int> taken;
    taken.swap(KeyQueue());
    return taken;
}

void HandleKey(int key, int action, Camera* camera)
{
    InputState& in = Input();
    if (action == kPress && !in.cameraInputLocked) {
        std::vector<int>& keys = KeyQueue();
        if (static_cast<int>(keys.size()) >= kKeyQueueLimit) keys.erase(keys.begin());
        keys.push_back(key);
    }
    if (key < kFirstKey || key > kLastKey || action == kRepeat) return;
    bool pressed = action == kPress;
    // A release still ends a key held from before the lock, or the camera would scroll on
    // without it once the lock is lifted.
    if (in.cameraInputLocked && pressed) return;
    if (key == kKeyW || key == kKeyUp) in.cameraMoveUp = pressed;
    if (key == kKeyS || key == kKeyDown) in.cameraMoveDown = pressed;
    if (key == kKeyA || key == kKeyLeft) in.cameraMoveLeft = pressed;
    if (key == kKeyD || key == kKeyRight) in.cameraMoveRight = pressed;
    if (pressed) OnPress(key, camera);
}

void HandleMouseButton(int button, int action, double cursorX, double cursorY)
{
    InputState& in = Input();
    if (button != kMouseRight) return;
    if (action == kPress && !in.cameraInputLocked) {
        in.rightDragActive = true;
        in.lastX = cursorX;
        in.lastY = cursorY;
    } else if (action == kRelease) {
        in.rightDragActive = false;
    }
}

void HandleCursor(double x, double y, Camera* camera)
{
    InputState& in = Input();
    if (in.cameraInputLocked || !in.rightDragActive) return;
    float s = static_cast<float>(UserConfig.sensitivity);
    if (camera) {
        camera->moveRight(-static_cast<float>(x - in.lastX) * s);
        camera->moveUp(static_cast<float>(y - in.lastY) * s);
        print("Camera: dragged to ", camera->position.x, ", ", camera->position.y);
    }
    in.lastX = x;
    in.lastY = y;
}

void HandleScroll(double yoffset, Camera* camera)
{
    if (Input().cameraInputLocked || !camera || yoffset == 0.0) return;
    camera->zoomBy(yoffset > 0.0 ? -0.5f : 0.5f);
    print("Camera: zoom ", camera->zoom);
}

void ScrollCameraByKeys(Camera* camera)
{
    if (!camera) return;
    const InputState& in = Input();
    float step = static_cast<float>(UserConfig.sensitivity) * 4.0f;
    if (in.cameraMoveUp) camera->moveUp(step);
    if (in.cameraMoveDown) camera->moveUp(-step);
    if (in.cameraMoveLeft) camera->moveRight(-step);
    if (in.cameraMoveRight) camera->moveRight(step);
}

bool StickyToggle(int firstRead, int secondRead)
{
    return firstRead == kPress && secondRead != kPress;
}

}  // namespace input
