#pragma once
#include <string>

#include "Catalogue.h"

// The thirteen maps of the setup screen, in its table order.
constexpr int kMapCount = 13;
extern const char* const kMapNames[kMapCount];
// Drawn from <levelsDir>/<LevelName>.json when that file exists and is usable.
Image MapThumbnail(int map, const std::string& levelsDir);
void AddThumbnails(Catalogue& c);
