#include "meta/Config.h"

#include <exception>
#include <iostream>
#include <optional>
#include <utility>

#include <GLFW/glfw3.h>

#include "meta/BattleSetup.h"
#include "meta/ConfigFile.h"
#include "meta/PlayerProfile.h"
#include "meta/AtomicFile.h"
#include "meta/SaveFolder.h"

namespace fs = std::filesystem;

UserConfigRecord UserConfig;
bool debugOn = false;
bool forceWindowed = false;

namespace {

constexpr const char* kConfigName = "Config.json";
constexpr const char* kProfileName = "Profile.json";

// Set when start-up found no usable save folder: the run keeps its defaults and saves nothing,
// rather than repeating the same complaint at every scene switch.
bool savingDisabled = false;
std::function<void()> settingChangedHook;
GLFWcursor* gameCursor = nullptr;

void ReportError(const std::exception& e)
{
    std::cerr << "Error: " << e.what() << std::endl;
}

MonitorSize PrimaryMonitorSize()
{
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode) return {};
    return {mode->width, mode->height};
}

// Runs step; a file-system or save-folder error it raises is printed and the game goes on.
template <typename Step>
void Reported(Step step)
{
    try {
        step();
    } catch (const std::exception& e) {
        ReportError(e);
    }
}

// Whether the file was written; a failure has been reported.
template <typename Save>
bool SaveInFolder(const char* name, Save save)
{
    bool written = false;
    if (!savingDisabled) Reported([&] { written = save(GetSaveFolder() / name); });
    return written;
}

// The save folder for this run, or nothing (reported once) when none can be found or made.
std::optional<fs::path> OpenSaveFolder()
{
    try {
        fs::path folder = GetSaveFolder();
        atomicfile::RemoveLeftovers(folder / kConfigName);
        atomicfile::RemoveLeftovers(folder / kProfileName);
        return folder;
    } catch (const std::exception& e) {
        ReportError(e);
        return std::nullopt;
    }
}

}  // namespace

fs::path GetSaveFolder()
{
    fs::path folder = savefolder::Locate(savefolder::ProcessEnv);
    savefolder::Ensure(folder);
    return folder;
}

void LoadConfigAndProfile(GLFWwindow* window)
{
    UserConfig.window = window;
    savingDisabled = false;
    // Without a window GLFW may not be running; the monitor then counts as 1280 x 720.
    MonitorSize monitor = window ? PrimaryMonitorSize() : MonitorSize{};
    std::optional<fs::path> folder = OpenSaveFolder();
    if (folder) {
        Reported([&] { LoadConfigFile(*folder / kConfigName, monitor, UserConfig); });
    } else {
        savingDisabled = true;
        UserConfig = FirstStartConfig(monitor);
        UserConfig.window = window;
    }
    ApplyDisplaySettings();
    if (folder) Reported([&] { LoadProfileFile(*folder / kProfileName, PlayerProfile); });
    ResetBattleSetup();
}

void SaveConfig()
{
    SaveInFolder(kConfigName, [](const fs::path& file) { return SaveConfigFile(file, UserConfig); });
}

bool SaveProfile()
{
    return SaveInFolder(kProfileName, [](const fs::path& file) { return SaveProfileFile(file, PlayerProfile); });
}

namespace {

bool* SettingFlag(int id)
{
    switch (id) {
    case kSettingFullscreen: return &UserConfig.fullscreen;
    case kSettingMusic: return &UserConfig.music;
    case kSettingSfx: return &UserConfig.sfx;
    case kSettingHealthBars: return &UserConfig.healthBars;
    case kSettingHighContrast: return &UserConfig.highContrast;
    case kSettingLowFps: return &UserConfig.lowFps;
    case kSettingHardwareCursor: return &UserConfig.hardwareCursor;
    case kSettingDebug: return &debugOn;
    default: return nullptr;
    }
}

}  // namespace

bool GetSetting(int id)
{
    bool* flag = SettingFlag(id);
    return flag && *flag;
}

void SetSetting(int id, bool value)
{
    if (bool* flag = SettingFlag(id)) *flag = value;
    if (id == kSettingDebug) return;  // a switch for this run only
    // `--windowed` holds only until the player picks a window mode.
    if (id == kSettingFullscreen) forceWindowed = false;
    SaveConfig();
    if (id == kSettingFullscreen) ApplyDisplaySettings();
    else ApplyCursorSetting();
}

Resolution GetConfiguredResolution()
{
    Resolution size = ResolutionAt(UserConfig.resolution);
    std::cout << "config returned: " << size.width << size.height << std::endl;
    return size;
}

bool FullscreenActive()
{
    return UserConfig.fullscreen && !forceWindowed;
}

void ApplyDisplaySettings()
{
    GLFWwindow* window = UserConfig.window;
    if (!window) return;
    bool full = FullscreenActive();
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    Resolution size = GetConfiguredResolution();
    glfwSetWindowMonitor(window, full ? monitor : nullptr, 0, full ? 0 : 100, static_cast<int>(size.width),
                         static_cast<int>(size.height), mode ? mode->refreshRate : GLFW_DONT_CARE);
    glfwMakeContextCurrent(window);
    glfwSwapInterval(1);
}

void SetSettingChangedHook(std::function<void()> hook)
{
    settingChangedHook = std::move(hook);
}

GLFWcursor* ChosenCursor()
{
    return UserConfig.hardwareCursor ? nullptr : gameCursor;
}

namespace {
void SelectCursor()
{
    if (UserConfig.window) glfwSetCursor(UserConfig.window, ChosenCursor());
}
}  // namespace

void SetGameCursor(GLFWcursor* cursor)
{
    gameCursor = cursor;
    SelectCursor();
}

void ApplyCursorSetting()
{
    if (settingChangedHook) settingChangedHook();
    SelectCursor();
}
