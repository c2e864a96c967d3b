#pragma once
#include <filesystem>

#include "engine/DataCheck.h"

// `--check-data` for the save folder: one line per Config.json or Profile.json that exists but
// cannot be read or parsed (the game would fall back to defaults and keep it as "<name>.bad").
void CheckSaveFiles(const std::filesystem::path& folder, datacheck::Problems& problems);
