#pragma once
#include "scenes/Scene.h"

// A scene of the list whose content is still to be built: it takes part in every lifecycle call
// like any other and clears the screen in a colour of its own, so it is recognisable on screen.
class PlaceholderScene : public Scene {
public:
    PlaceholderScene(std::string name, float r, float g, float b) : Scene(std::move(name)), r(r), g(g), b(b) {}

    void Load() override {}
    void Init() override {}
    void Update(float) override {}
    void Render() override;
    void Exit() override {}
    void Unload() override {}

private:
    float r, g, b;
};
