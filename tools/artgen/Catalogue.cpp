#include "Catalogue.h"

void Catalogue::Add(std::string name, std::function<Image(const ArtContext&)> make)
{
    entries_.push_back(Entry{std::move(name), 1, 1, false, 0, std::move(make)});
}

void Catalogue::AddSheet(std::string name, int rows, int columns, std::function<Image(const ArtContext&)> make)
{
    entries_.push_back(Entry{std::move(name), rows, columns, false, 0, std::move(make)});
}

void Catalogue::AddTiled(std::string name, std::function<Image(const ArtContext&)> make)
{
    entries_.push_back(Entry{std::move(name), 1, 1, true, 0, std::move(make)});
}

Image Sheet(int rows, int columns, int cellW, int cellH, const std::function<Image(int)>& frame)
{
    Image out(columns * cellW, rows * cellH);
    for (int i = 0; i < rows * columns; ++i) out.paste(frame(i), (i % columns) * cellW, (i / columns) * cellH);
    return out;
}

Catalogue BuildCatalogue()
{
    Catalogue c;
    AddFallbacks(c);
    AddTerrain(c);
    AddMapObjects(c);
    AddFactions(c);
    AddBackdrops(c);
    AddSheets(c);
    AddInterface(c);
    AddPictures(c);
    AddEffects(c);
    return c;
}
