#include "battle/BattleCheats.h"

#include <cmath>

#include "battle/Map.h"
#include "engine/Random.h"
#include "spells/Spell.h"
#include "spells/SpellBook.h"

namespace battle_cheats {
namespace {
const char* const kElementNames[] = {"normal", "fire", "water", "earth", "wind"};

// A defeat outside a cast still has to be noticed: the winner check of a resolved spell.
void CheckForWinner(Map& map)
{
    int winner = map.turns.CheckWinner();
    if (winner < 0) return;
    map.victoryPending = true;
    map.pendingWinner = winner;
}
}  // namespace

bool DrawRandomSpell(Map& map)
{
    Wizard* wizard = map.controls.selectedWizard;
    if (!wizard || !wizard->Alive()) return false;
    std::vector<ElementType> elements{ElementType::Normal};
    for (int element = 1; element <= 4; ++element)
        if (map.elementAllowed[element]) elements.push_back(static_cast<ElementType>(element));
    const Spell* spell = map.Book().RandomOf(elements);
    if (!spell) return false;
    wizard->AddSpell(spell);
    map.controls.Refresh();
    return true;
}

bool KillSelected(Map& map)
{
    Wizard* wizard = map.controls.selectedWizard;
    if (!wizard || !wizard->Alive() || map.Busy()) return false;
    wizard->SetHealth(0);
    map.controls.ResetSelection();
    CheckForWinner(map);
    return true;
}

bool MakeSideWin(Map& map, int side)
{
    if (side < 1 || side > map.turns.sideCount || map.Busy() || map.battleOver) return false;
    map.controls.ResetSelection();
    for (auto& wizard : map.wizards)
        if (wizard->side != side && wizard->Alive()) wizard->SetHealth(0);
    CheckForWinner(map);
    return true;
}

void ResetHealthAndAp(Map& map)
{
    for (auto& wizard : map.wizards) {
        if (!wizard->Alive()) continue;
        wizard->SetHealth(wizard->maxHealth);
        if (wizard->side == map.turns.currentSide) wizard->ap = Wizard::kMaxAp;
    }
    map.controls.Refresh();
}

int RefreshTokens(Map& map)
{
    int armed = 0;
    for (auto& object : map.objects) {
        if (!object->IsToken() || object->Armed()) continue;
        map.ArmToken(*object);
        ++armed;
    }
    map.controls.Refresh();
    return armed;
}

std::vector<std::string> SpellBookLines(Map& map)
{
    std::vector<std::string> lines;
    for (const Spell* spell : map.Book().All()) {
        int element = static_cast<int>(spell->element);
        const char* elementName = element >= 0 && element <= 4 ? kElementNames[element] : "?";
        lines.push_back(spell->name + " (" + elementName + ") cost " + std::to_string(spell->cost) + " range " +
                        std::to_string(spell->range) + " size " + std::to_string(spell->size) + " hit " +
                        std::to_string(spell->hitChance));
    }
    return lines;
}
}  // namespace battle_cheats

Tile* TileUnder(const Map& map, glm::vec2 world)
{
    float x = world.x / Tile::kSize;
    float y = -world.y / Tile::kSize;
    if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > 1e6f || std::fabs(y) > 1e6f) return nullptr;
    int column = static_cast<int>(std::lround(x));
    int row = static_cast<int>(std::lround(y));
    if (!map.InGrid(column, row)) return nullptr;
    Tile* tile = map.TileAt(column, row);
    if (!tile) return nullptr;
    glm::vec2 centre = tile->WorldPosition();
    // Strictly inside: a cursor on the seam between two tiles hovers neither.
    if (std::fabs(world.x - centre.x) >= Tile::kHalfSize || std::fabs(world.y - centre.y) >= Tile::kHalfSize) return nullptr;
    return tile;
}
