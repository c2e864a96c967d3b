#include "Catalogue.h"
void AddBackdrops(Catalogue&) {}
void AddSheets(Catalogue&) {}
void AddInterface(Catalogue&) {}
void AddPictures(Catalogue&) {}
void AddEffects(Catalogue&) {}
