#pragma once
#include <string>
#include <vector>

#include <glm/glm.hpp>

class Map;
class Tile;

// The debug commands of the "CHEAT MENU", acting on the battle through its ordinary operations so
// everything that follows (deaths, victory, cards, markers) happens as in play.
namespace battle_cheats {
// The selected wizard receives a random spell of an element the level allows (or a normal one).
// False without a selected living wizard or when the book has nothing to draw.
bool DrawRandomSpell(Map& map);
// The selected wizard is defeated; a side left alone then wins at the end of the turn.
bool KillSelected(Map& map);
// Every living wizard of the other sides is defeated: `side` (1-based) wins at the end of the turn.
bool MakeSideWin(Map& map, int side);
// Every living wizard back to full health; the side in play back to full action points.
void ResetHealthAndAp(Map& map);
// Every collected token is armed again at once.
int RefreshTokens(Map& map);
// One line per spell of the book: "name (element) cost C range R size S hit H".
std::vector<std::string> SpellBookLines(Map& map);
}  // namespace battle_cheats

// The tile whose square strictly contains a world point (edges belong to no tile), or null.
Tile* TileUnder(const Map& map, glm::vec2 world);
