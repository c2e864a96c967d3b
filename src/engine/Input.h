#pragma once
#include <vector>

struct GLFWwindow;
class Camera;

// Window-level input: camera pan/zoom/scroll keys and the debug toggles (implemented with the
// start-up wiring in app/, which knows the camera and the settings). The handlers take plain
// values so they are testable without a window; the GLFW callbacks only feed them.
struct InputState {
    bool cameraMoveUp = false;
    bool cameraMoveDown = false;
    bool cameraMoveLeft = false;
    bool cameraMoveRight = false;
    bool showFpsOverlay = false;
    bool rightDragActive = false;
    double lastX = 0.0;
    double lastY = 0.0;
    // Set by the battle when a side has won; while set, the camera and debug input is ignored
    // (only releases count, so nothing held from before stays held).
    bool cameraInputLocked = false;
};

InputState& Input();

namespace input {

constexpr int kFirstKey = 65;   // A
constexpr int kLastKey = 265;   // Up arrow

// GLFW action values, repeated here so the handlers need no GLFW header.
constexpr int kRelease = 0;
constexpr int kPress = 1;
constexpr int kRepeat = 2;

void HandleKey(int key, int action, Camera* camera);
// Key presses (not repeats) since the last TakeKeyPresses, oldest first, for scenes that act on
// single keys (the battle's Escape, F, C and shortcuts). At most kKeyQueueLimit are kept: a scene
// that never takes them loses the oldest, and a scene that starts taking them calls it once first.
constexpr int kKeyQueueLimit = 16;
std::vector<int> TakeKeyPresses();
void HandleMouseButton(int button, int action, double cursorX, double cursorY);
void HandleCursor(double x, double y, Camera* camera);
void HandleScroll(double yoffset, Camera* camera);
// Keyboard scrolling: a fixed step per frame (sensitivity x 4), independent of dt.
void ScrollCameraByKeys(Camera* camera);
// The L toggle reads the key twice: with sticky keys the first read reports a press that was
// released since the last poll, so the overlay flips once per completed press-and-release.
bool StickyToggle(int firstRead, int secondRead);

// Installs the GLFW callbacks of the game window (before and after the context is made current,
// as start-up needs).
void InstallEarlyCallbacks(GLFWwindow* window);
void InstallContextCallbacks(GLFWwindow* window);
void InstallCloseCallback(GLFWwindow* window);
// The framebuffer-size callback, also called by start-up with the configured size.
void OnFramebufferSize(GLFWwindow* window, int width, int height);

}  // namespace input
