#pragma once
#include "scenes/PlaceholderScene.h"

// Debug scene, still to be built.
class SpellCardTest : public PlaceholderScene {
public:
    SpellCardTest();
};
