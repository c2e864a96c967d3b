#pragma once
#include <string>

#include "engine/Json.h"

namespace ui {

// What a button or bar file gives its reader: the parsed document, and whether "translation" and
// "scale" are both pairs of numbers written with a fraction part (they are checked, not applied;
// the keys that follow them are read only when both pass).
struct WidgetFile {
    json::Document doc;
    bool placementValid = false;
};

// Reads "./Data/" + name + ".json". On failure logs `reader` + " Read: Couldn't open " (or
// "Couldn't parse ") + the path and returns false.
bool ReadWidgetFile(const std::string& name, const char* reader, WidgetFile& file);

// True for an array of exactly two numbers, each written with a fraction part (0.0, not 0).
bool IsFractionPair(const json::Value* value);

}  // namespace ui
