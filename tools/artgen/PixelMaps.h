#pragma once
#include <map>
#include <string>

#include "Image.h"

// Hand-drawn pixel maps kept as text: one letter per pixel, '.' transparent, letters looked up in
// the palette file ("<letter> <colour name>" per line). A map file holds several pictures, each
// introduced by a line "== Name ==" and followed by rows of equal length.
class PixelMaps {
public:
    // Reads palette.txt and every *.txt map file of the folder; problems are collected as text.
    bool Load(const std::string& folder);
    // Parses one map file's text with the loaded palette (used by Load and by tests).
    bool Parse(const std::string& text, const std::string& fileName);
    bool LoadPalette(const std::string& text);

    const Image& Get(const std::string& name) const;  // an empty image when unknown
    bool Has(const std::string& name) const { return maps_.count(name) != 0; }
    const std::string& errors() const { return errors_; }

private:
    std::map<char, Rgba> palette_;
    std::map<std::string, Image> maps_;
    std::string errors_;
};
