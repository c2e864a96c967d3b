#pragma once
#include <memory>
#include <vector>

#include <glm/glm.hpp>

#include "spells/SpellCardNumbers.h"

class Map;
class Spell;
class SpellCard;
class Wizard;

// The selected wizard's hand shown as spell cards along the bottom of the screen: rebuilt when the
// selection or the hand changes (cards that joined show as new and glide in), laid out with every
// card on screen, the hovered (or aimed) card raised. A press on a card selects its spell through
// the controls; the card uses the press up, so the tile beneath never gets it.
class HandView {
public:
    explicit HandView(Map& map);
    ~HandView();

    // Topmost card first; true when a card holds the mouse this frame.
    bool Update(float dt, glm::vec2 viewport);
    void Draw();
    bool Shown() const { return shown; }
    int Count() const { return static_cast<int>(cards.size()); }
    SpellCard* Card(int index) const;
    // Whether any tile in the caster's reach is a target of the spell (what marking would show).
    static bool Castable(const Map& map, const Wizard& caster, const Spell& spell);
    static CardHolder HolderOf(const Wizard* wizard);

private:
    void Rebuild(Wizard* wizard);

    Map& map;
    std::vector<std::unique_ptr<SpellCard>> cards;
    Wizard* holder = nullptr;
    std::vector<const Spell*> handShown;
    int hovered = -1;
    bool shown = false;
};
