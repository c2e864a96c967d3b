#pragma once
#include <string>

class Spell;

// What a spell card shows of its spell (filled from the spell book's Spell).
struct CardSpell {
    std::string name;
    std::string description;
    std::string flavor;
    int element = 0;  // 0 normal, 1 fire, 2 water, 3 earth, 4 wind
    int cost = 0;
    int range = 0;
    int size = 0;
    int hitChance = 0;
    int enemyDamageTotal = 0;
    int createArea = 0;
    bool createsObjects = false;
};

// The numbers and texts of a spell of the book.
CardSpell CardSpellFrom(const Spell& spell);

// The card's holder (the map's selected wizard) as far as the live numbers care.
struct CardHolder {
    bool exists = false;
    std::string tileKind;  // the biome it stands on ("" when on no tile)
    bool confused = false;
    bool blinded = false;
    int actionPoints = 0;
};

// The four number blocks of a card, as drawn: texts, "Spell_Card_Block" frames and colours.
struct CardNumbers {
    enum Tone { kDefault = 0, kBonus = 1, kPenalty = 2 };
    std::string effect;
    std::string area;
    std::string range;
    std::string hit;
    int effectBlock = 0;
    int areaBlock = 4;
    int rangeBlock = 7;
    int hitBlock = 10;
    Tone effectTone = kDefault;
    Tone areaTone = kDefault;
    Tone rangeTone = kDefault;
    Tone hitTone = kDefault;
};

// The tile bonus: a fire, water, earth or wind spell held by a wizard standing on that element's
// tile or on an "Aether_Tile". A normal spell never has it.
bool CardTileBonus(int element, const std::string& tileKind);
// The numbers with the holder's tile bonus, confusion (hit chance halved) and blindness (range
// times 0.75); a range of 100 or more reads "INF".
CardNumbers ComputeCardNumbers(const CardSpell& spell, const CardHolder& holder);
