#pragma once
#include <memory>

#include <glm/glm.hpp>

#include "objects/Object.h"
#include "ui/TileInfo.h"

class Text;

// The "TILE INFO" panel: the hovered tile's coordinates, biome, alignment and what lies on it.
// Pinned to the middle of the right screen edge (the left one with `leftSide`), it follows window
// resizes. Its lines sit on a light paper inset so the biome colours read on any map backdrop,
// and each line is shrunk as needed to stay inside the panel.
class InfoPanel : public Object {
public:
    static constexpr float kHalfWidth = 175.0f;
    static constexpr float kHalfHeight = 92.0f;

    InfoPanel();
    ~InfoPanel() override;

    // The tile under the mouse, or nullptr (every line but the title empty). `turn` is the turn
    // manager's turn number, for the token countdown.
    void ShowTile(const TileView* tile, int turn);
    void SetSide(bool left);
    const TileInfoLines& Lines() const { return lines; }
    glm::vec2 Centre() const;

    // Lays the panel out for the current viewport; the panel covers what lies beneath it.
    void Update(float dt) override;
    void Draw() override;

    std::unique_ptr<Text> title;
    std::unique_ptr<Text> coordinates;
    std::unique_ptr<Text> biome;
    std::unique_ptr<Text> alignment;
    std::unique_ptr<Text> objectText;
    std::unique_ptr<Object> frame;
    std::unique_ptr<Object> paper;
    std::unique_ptr<Object> selector;
    bool hasTile = false;
    TileView tileShown;
    bool leftSide = false;

private:
    void Layout();
    TileInfoLines lines;
};
