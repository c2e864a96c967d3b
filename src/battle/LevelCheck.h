#pragma once
#include <string>

#include "engine/DataCheck.h"

// `--check-data` for one level file: everything the loader would have to bound or skip is a
// problem here, plus what a level needs to be played (spells, textures, sides joined by land).
// Reads the files itself and writes nothing to the log.
struct LevelCheckFolders {
    std::string levels = "./Data/Levels/";
    std::string spells = "./Data/Spells/";
    std::string data = "./Data/";  // texture lists
};

void CheckLevel(const std::string& name, const LevelCheckFolders& folders, datacheck::Problems& problems);
