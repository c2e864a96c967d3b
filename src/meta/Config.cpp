// Placeholder until the configuration files land: defaults only, nothing is read or written.
#include "meta/Config.h"

#include <GLFW/glfw3.h>

UserConfigRecord UserConfig;
bool debugOn = false;
bool forceWindowed = false;

void LoadConfigAndProfile(GLFWwindow* window)
{
    UserConfig.window = window;
    ApplyDisplaySettings();
}

void SaveConfig() {}
void SaveProfile() {}

bool GetSetting(int id)
{
    switch (id) {
    case kSettingFullscreen: return UserConfig.fullscreen;
    case kSettingMusic: return UserConfig.music;
    case kSettingSfx: return UserConfig.sfx;
    case kSettingHealthBars: return UserConfig.healthBars;
    case kSettingHighContrast: return UserConfig.highContrast;
    case kSettingLowFps: return UserConfig.lowFps;
    case kSettingHardwareCursor: return UserConfig.hardwareCursor;
    case kSettingDebug: return debugOn;
    default: return false;
    }
}

void SetSetting(int, bool) {}

Resolution GetConfiguredResolution()
{
    return {};
}

int NearestResolutionIndex(int, int)
{
    return 0;
}

void ApplyDisplaySettings()
{
    GLFWwindow* window = UserConfig.window;
    if (!window) return;
    bool full = UserConfig.fullscreen && !forceWindowed;
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    Resolution r = GetConfiguredResolution();
    glfwSetWindowMonitor(window, full ? monitor : nullptr, 0, full ? 0 : 100, static_cast<int>(r.width),
                         static_cast<int>(r.height), mode ? mode->refreshRate : GLFW_DONT_CARE);
    glfwMakeContextCurrent(window);
    glfwSwapInterval(1);
}

void ApplyCursorSetting() {}
