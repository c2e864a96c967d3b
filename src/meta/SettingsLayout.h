#pragma once
#include <array>
#include <map>
#include <string>

#include <glm/glm.hpp>

#include "meta/ConfigFile.h"

// The settings screen's placement ("./Data/Scenes/Settings.json") and the bounds of its sliders.
// Plain data and rules, so they are tested without a window.

inline constexpr const char* kSettingsLayoutFile = "./Data/Scenes/Settings.json";

// The nine option rows, top to bottom; each label text is also its row's name.
inline constexpr std::array<const char*, 9> kSettingsRows{
    "Full Screen", "Resolution", "Sensitivity", "Contrast", "Music", "SFX", "Toggle HP Bar", "Low FPS", "Hardware Cursor",
};
constexpr float kSettingsRowStep = 65.0f;

struct PanelPlacement {
    std::string anchor = "ANCHOR_NONE";
    float percentage = 0.0f;
};

struct SettingsLayout {
    std::map<std::string, PanelPlacement> panelPositions;
    std::map<std::string, glm::vec2> panelScales;
    std::map<std::string, glm::vec2> textPositions;
    std::map<std::string, float> textFontSizes;
};

// The placement the screen has before (and without) its file; the shipped file holds the same.
SettingsLayout BuiltInSettingsLayout();

enum class LayoutRead { Ok, CannotOpen, CannotParse };
// Overlays what the file names onto `layout`. Numbers must be written with a fraction part
// (85.0); a member of the wrong type is skipped. On failure `layout` is unchanged.
LayoutRead ReadSettingsLayout(const std::string& path, SettingsLayout& layout);

// Where each option row goes once the file is read: rows 1 and 2 where their labels are, the
// others stacked down from them, kSettingsRowStep apart, at the second row's x.
std::array<glm::vec2, kSettingsRows.size()> SettingsRowPositions(const SettingsLayout& layout);

namespace settingschoices {

// The resolution slider offers the table sizes up to the one nearest the monitor, the bound the
// start applies, so a window never outgrows the screen.
int ResolutionItemCount(MonitorSize monitor);
// The item the slider opens on for a stored index: the size in use (1280 x 720) for an index
// outside the table, the largest offered item for one above the bound.
int InitialResolutionItem(int stored, int itemCount);
// The sensitivity slider's items are 1-5; a stored value outside is shown at the nearest end.
int InitialSensitivityItem(int stored);
// "1280 x 720" ...
std::string ResolutionLabel(int index);

}  // namespace settingschoices
