#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Font.h"
#include "Image.h"
#include "PixelMaps.h"

// What every painter may use: the hand-drawn maps and the fonts.
struct ArtContext {
    PixelMaps maps;
    Font sans;   // plain labels
    Font serif;  // lettering on cards and logos
    Font lettering;  // the game's own letters (Berenika, the font of the "Alagard" atlas): the book
    std::string levels;  // the level files' folder (map thumbnails); may not exist yet
};

// One texture the game asks for: its name (also the file name), how "TextureMaster" registers it,
// and the painter that makes it.
struct Entry {
    std::string name;
    int rows = 1;
    int columns = 1;
    bool repeat = false;
    int mipmap = 0;
    std::function<Image(const ArtContext&)> make;
};

class Catalogue {
public:
    void Add(std::string name, std::function<Image(const ArtContext&)> make);
    void AddSheet(std::string name, int rows, int columns, std::function<Image(const ArtContext&)> make);
    // A seamless texture drawn repeated (backdrops).
    void AddTiled(std::string name, std::function<Image(const ArtContext&)> make);
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

// Lays frames out row-major from the top-left: frame i sits at column i % columns, row i / columns.
Image Sheet(int rows, int columns, int cellW, int cellH, const std::function<Image(int frame)>& frame);

// The painters, one per family of textures.
void AddFallbacks(Catalogue& c);
void AddTerrain(Catalogue& c);
void AddBackdrops(Catalogue& c);
void AddMapObjects(Catalogue& c);
void AddFactions(Catalogue& c);
void AddSheets(Catalogue& c);
void AddInterface(Catalogue& c);
void AddPictures(Catalogue& c);
void AddEffects(Catalogue& c);

// Builds the full catalogue in a fixed order.
Catalogue BuildCatalogue();
