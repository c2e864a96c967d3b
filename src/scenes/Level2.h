#pragma once
#include <memory>
#include <vector>

#include "scenes/Scene.h"

class Background;
class Object;

// Debug scene: every material on one screen. A wood backdrop, a strip with each backdrop style,
// an animated sprite sheet, a bar, buttons, tiles (plain, hovered, range-highlighted, clicked,
// high contrast), pawns and colour swatches in both team colours, and both sides' banners.
class Level2 : public Scene {
public:
    Level2();
    ~Level2() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;
    void Unload() override;
    void OnResize(int width, int height) override;

private:
    void BuildBackdrops();
    void BuildSprites();
    void BuildTiles();

    std::unique_ptr<Background> backdrop;
    std::vector<std::unique_ptr<Object>> objects;
    Object* highContrastTile = nullptr;
};
