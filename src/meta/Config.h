#pragma once
#include <filesystem>
#include <functional>

struct GLFWwindow;
struct GLFWcursor;

// The persisted settings (Config.json). One process-wide instance, read directly by many parts
// of the game; flags change through SetSetting, integers by writing the field and SaveConfig.
struct UserConfigRecord {
    GLFWwindow* window = nullptr;
    int resolution = 0;
    int sensitivity = 3;
    bool fullscreen = true;
    bool music = true;
    bool sfx = true;
    bool healthBars = true;
    bool highContrast = false;
    bool lowFps = false;
    bool hardwareCursor = false;
};

extern UserConfigRecord UserConfig;
// Run-time debug switch (setting id 7), never saved.
extern bool debugOn;
// `--windowed`: this run stays in a window whatever the saved setting, until the player picks a
// window mode (P or the full-screen setting); not saved.
extern bool forceWindowed;

enum SettingId {
    kSettingFullscreen = 0,
    kSettingMusic = 1,
    kSettingSfx = 2,
    kSettingHealthBars = 3,
    kSettingHighContrast = 4,
    kSettingLowFps = 5,
    kSettingHardwareCursor = 6,
    kSettingDebug = 7,
};

struct Resolution {
    float width = 1280.0f;
    float height = 720.0f;
};

// Reads Config.json and Profile.json from the save folder (creating them on a first start),
// applies the display settings and resets the battle setup record. Never throws: when no save
// folder can be found or made, the reason is printed once and the run goes on with first-start
// defaults, saving nothing.
void LoadConfigAndProfile(GLFWwindow* window);
// Each save rewrites its file whole and crash-safe, and only when the file already exists.
void SaveConfig();
// Whether Profile.json was written (a failure has already been reported).
bool SaveProfile();
bool GetSetting(int id);
void SetSetting(int id, bool value);
Resolution GetConfiguredResolution();
int NearestResolutionIndex(int width, int height);
void ApplyDisplaySettings();
void ApplyCursorSetting();
// The save folder, created when missing. Throws when it cannot be found or created.
std::filesystem::path GetSaveFolder();

// Whether the window is to be full screen now: the setting, unless `--windowed` was given.
// Everything that re-applies the window mode (resize, focus loss) asks this, not the setting.
bool FullscreenActive();

// The scene system registers how a settings change reaches the scenes (OnSettingChanged on the
// current scene, then on the suspended one); ApplyCursorSetting calls it. Empty until then.
void SetSettingChangedHook(std::function<void()> hook);
// The cursor object registers the window cursor it made from the game's cursor image (and nullptr
// before destroying it); the window then shows it at once unless the hardware-cursor setting asks
// for the system arrow. ApplyCursorSetting applies the same rule after a change.
void SetGameCursor(GLFWcursor* cursor);
// The cursor the rule picks: nullptr stands for the system arrow.
GLFWcursor* ChosenCursor();
