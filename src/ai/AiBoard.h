#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "spells/SpellTypes.h"

class Spell;

// What the computer reads of one spell in a hand: the numbers and the effect summary its weight
// and searches use, with reach and hit chance already adjusted for the holder's statuses by the
// same rule the cards and target marks use. `spell` identifies the card to select; it is never
// dereferenced by the decision code, so fixtures may leave it empty.
struct AiSpell : SpellEffects {
    const Spell* spell = nullptr;
    std::string name;
    std::int32_t element = 0;  // 0 normal, 1 fire .. 4 wind
    std::int32_t cost = 1;
    std::int32_t range = 0;    // as written; the weight formula uses it
    std::int32_t reach = 0;    // range after blindness: every distance test uses this
    std::int32_t size = 1;
    std::int32_t hitChance = 0;  // after confusion
    // Which script sections hold commands: together they decide which tiles are valid targets.
    bool hasSelfCommands = false;
    bool hasEnemyCommands = false;
    bool hasAllyCommands = false;
    bool hasTileCommands = false;
};

// One cell of the grid. Holes have `exists` false.
struct AiCell {
    enum Object : std::int8_t { kNone = 0, kToken = 1, kOther = 2 };
    bool exists = false;
    std::int32_t wizard = -1;    // index into AiBoard::wizards of the living wizard standing here
    Object object = kNone;
    bool tokenActive = false;    // a token holding an element
    bool passable = false;       // an object wizards may walk over (Caltrop, Ambrosia, Hot_Coal)
    std::int32_t objectHealth = 0;
    std::int32_t elementTile = 0;  // 1..4 the element's own tile kind, 5 "Aether_Tile", else 0
};

struct AiWizard {
    std::int32_t side = 1;
    std::int32_t health = 0;
    std::int32_t ap = 0;
    std::int32_t cell = -1;  // -1 once defeated (a defeated wizard leaves its tile)
    std::vector<AiSpell> hand;
};

// A snapshot of the battle as the computer sees it, taken before each decision: the grid in the
// map's tile order (cell index = row x width + column), the wizards in the map's order, the
// level's wizard health and the difficulty.
struct AiBoard {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<AiCell> cells;
    std::vector<AiWizard> wizards;
    std::int32_t maxHealth = 20;
    std::int32_t difficulty = 0;

    // A board of width x height holes.
    void Resize(std::int32_t newWidth, std::int32_t newHeight);
    std::int32_t CellCount() const { return static_cast<std::int32_t>(cells.size()); }
    // The cell index of (column, row), or -1 outside the grid.
    std::int32_t Index(std::int32_t column, std::int32_t row) const;
    std::int32_t Column(std::int32_t cell) const { return cell % width; }
    std::int32_t Row(std::int32_t cell) const { return cell / width; }
    bool HasTile(std::int32_t cell) const { return cell >= 0 && cell < CellCount() && cells[cell].exists; }
    // Manhattan distance between two cells, the battle's only distance.
    std::int32_t Distance(std::int32_t a, std::int32_t b) const;
    // A wizard may step here: a tile with no wizard and no object, a token or a passable object.
    bool Walkable(std::int32_t cell) const;
    // Holds a wizard or an object other than a token (holes are not "blocked", they are missing).
    bool Blocked(std::int32_t cell) const;
    // The living wizard standing on a cell, or nullptr.
    const AiWizard* WizardOn(std::int32_t cell) const;

    // Puts a tile at (column, row); returns its cell. Fixtures and the adapter build boards this way.
    std::int32_t AddTile(std::int32_t column, std::int32_t row, std::int32_t elementTile = 0);
    // Places a living wizard on an existing tile; returns its index.
    std::int32_t AddWizard(std::int32_t column, std::int32_t row, std::int32_t side, std::int32_t health, std::int32_t ap);
};
