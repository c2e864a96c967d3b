#pragma once
#include "scenes/PlaceholderScene.h"

// Debug scene, still to be built.
class Level2 : public PlaceholderScene {
public:
    Level2();
};
