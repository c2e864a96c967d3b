#pragma once
#include <array>
#include <filesystem>

#include "meta/Config.h"
#include "meta/RecordFile.h"

// Config.json: the nine settings of UserConfig, the resolution table and the loading rules.

struct MonitorSize {
    int width = 1280;
    int height = 720;
};

constexpr int kResolutionCount = 10;

// The table size of an index; an index outside the table gives 1280 x 720.
Resolution ResolutionAt(int index);

// The nine members in the order of the UserConfig fields (the order missing ones are appended in).
std::array<recordfile::Member, 9> ConfigMembers(UserConfigRecord& config);

// The settings of a first start on a monitor of that size.
UserConfigRecord FirstStartConfig(MonitorSize monitor);

// Loads file into config (the window handle is left alone). A missing file is created with the
// first-start settings; a member missing or of the wrong type takes its default and the file is
// saved once at the end. A RESOLUTION inside the table is lowered to the monitor's nearest size;
// one outside it is kept as stored (it reads as 1280 x 720).
void LoadConfigFile(const std::filesystem::path& file, MonitorSize monitor, UserConfigRecord& config);

bool SaveConfigFile(const std::filesystem::path& file, UserConfigRecord& config);
