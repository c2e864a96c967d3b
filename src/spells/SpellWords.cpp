#include "spells/SpellWords.h"

#include <array>

namespace spellwords {
namespace {

constexpr std::array<const char*, 5> kElementWords = {"normal", "fire", "water", "earth", "wind"};
constexpr std::array<const char*, 5> kElementTiles = {"", "Fire_Tile", "Water_Tile", "Earth_Tile", "Wind_Tile"};
// Indexed by the enumeration's value; index 0 stands for "any other word".
constexpr std::array<const char*, 6> kInflictWords = {"", "flaming", "petrified", "confused", "frostbite", "blinded"};
constexpr std::array<const char*, 6> kInflictShown = {"Inflicted!", "Burned",      "Petrified",
                                                      "Confused",   "Frostbitten", "Blinded"};
constexpr std::array<const char*, 8> kCreateWords = {"",          "boulder",     "primalite",     "caltrop",
                                                     "fire_tile", "aether_tile", "ambrosia_tile", "hot_coal"};

// The index of word in table (skipping the blank "any other word" slot), or 0.
template <std::size_t N>
int Find(const std::array<const char*, N>& table, const std::string& word)
{
    for (std::size_t i = 0; i < N; ++i)
        if (table[i][0] != '\0' && word == table[i]) return static_cast<int>(i);
    return 0;
}

template <std::size_t N>
const char* At(const std::array<const char*, N>& table, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? table[static_cast<std::size_t>(index)] : table[0];
}

}  // namespace

ElementType ElementFromWord(const std::string& word)
{
    return static_cast<ElementType>(Find(kElementWords, word));
}

const char* ElementWord(ElementType element)
{
    return At(kElementWords, static_cast<int>(element));
}

InflictType InflictFromWord(const std::string& word)
{
    return static_cast<InflictType>(Find(kInflictWords, word));
}

const char* InflictWord(InflictType type)
{
    return At(kInflictWords, static_cast<int>(type));
}

const char* InflictShownName(InflictType type)
{
    return At(kInflictShown, static_cast<int>(type));
}

CreateType CreateFromWord(const std::string& word)
{
    return static_cast<CreateType>(Find(kCreateWords, word));
}

const char* CreateWord(CreateType type)
{
    return At(kCreateWords, static_cast<int>(type));
}

const char* ElementTileKind(ElementType element)
{
    return At(kElementTiles, static_cast<int>(element));
}

}  // namespace spellwords
