#pragma once
#include <filesystem>

struct GLFWwindow;

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
// `--windowed`: this run stays in a window whatever the saved setting; not saved.
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

void LoadConfigAndProfile(GLFWwindow* window);
void SaveConfig();
void SaveProfile();
bool GetSetting(int id);
void SetSetting(int id, bool value);
Resolution GetConfiguredResolution();
int NearestResolutionIndex(int width, int height);
void ApplyDisplaySettings();
void ApplyCursorSetting();
