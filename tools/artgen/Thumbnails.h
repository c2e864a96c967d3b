#pragma once
#include "Catalogue.h"

// The thirteen maps of the setup screen, in its table order.
constexpr int kMapCount = 13;
extern const char* const kMapNames[kMapCount];
Image MapThumbnail(int map);
void AddThumbnails(Catalogue& c);
