#pragma once
#include <string>

#include "engine/DataCheck.h"

namespace audio {
// Checks an audio asset list: its structure, the names the game asks for, duplicate names, that
// every listed file decodes completely, and that everything decoded fits the memory budget.
void CheckAssetList(const std::string& file, datacheck::Problems& problems);
}  // namespace audio
