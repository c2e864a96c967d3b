#pragma once
#include <string>

#include "spells/SpellTypes.h"

// The words of definitions and scripts and the names shown for them. Words compare whole and
// case-sensitively: "Fire" is not "fire".
namespace spellwords {

// "normal" .. "wind"; any other word is normal.
ElementType ElementFromWord(const std::string& word);
const char* ElementWord(ElementType element);

// "flaming", "petrified", "confused", "frostbite", "blinded"; any other word is type 0.
InflictType InflictFromWord(const std::string& word);
const char* InflictWord(InflictType type);
// The name shown in floating texts and the info panel ("Burned" ...; "Inflicted!" for type 0).
const char* InflictShownName(InflictType type);

// "boulder", "primalite", "caltrop", "fire_tile", "aether_tile", "ambrosia_tile", "hot_coal";
// any other word creates nothing.
CreateType CreateFromWord(const std::string& word);
const char* CreateWord(CreateType type);

// The tile kind that strengthens an element's spells ("Fire_Tile" ...); empty for normal.
const char* ElementTileKind(ElementType element);

// The elements a data value may hold.
inline bool IsElement(int value) { return value >= 0 && value < kElementCount; }

}  // namespace spellwords
