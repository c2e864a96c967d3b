#pragma once
#include <vector>

#include "Catalogue.h"

// A review page: every texture shrunk into a cell over a checkerboard (so transparency shows),
// with its name and frame layout written beneath.
class ContactSheet {
public:
    void Add(const Entry& entry, const Image& img);
    Image Render(const Font& font) const;

private:
    struct Cell {
        std::string label;
        Image preview;
    };
    std::vector<Cell> cells_;
};
