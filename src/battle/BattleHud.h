#pragma once
#include <memory>
#include <vector>

#include "ui/TileInfo.h"

class AP;
class InfoPanel;
class Map;
class Profile;
class Tile;
class TurnDisplay;

// The battle's HUD panels fed from the map every frame: the tile info panel (the hovered tile, or
// the wizard an enemy click asked to show), a portrait per wizard, the AP row of the selected
// wizard with the cost the player is about to spend, and the turn counter with the sides' banners.
// The panels cover what lies under them: a press on a panel never reaches a tile.
class BattleHud {
public:
    explicit BattleHud(Map& map);
    ~BattleHud();

    // True when a panel holds the mouse.
    bool Update(float dt);
    void Draw();
    // The info panel shows this tile until the mouse hovers another one.
    void PinTile(const Tile* tile) { pinned = tile; }
    static TileView ViewOf(const Tile& tile);
    // The AP cost the row previews now (a spell while aiming, the path's cost of a walk to the
    // hovered tile).
    static int PreviewCost(Map& map);

    std::unique_ptr<InfoPanel> info;
    std::unique_ptr<AP> ap;
    std::unique_ptr<TurnDisplay> turnDisplay;
    std::vector<std::unique_ptr<Profile>> profiles;  // parallel to the map's wizards
    static constexpr float kApClearance = 335.0f;

private:
    Map& map;
    const Tile* pinned = nullptr;
    const Tile* lastHovered = nullptr;
};
