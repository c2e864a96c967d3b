#pragma once
#include "scenes/PlaceholderScene.h"

// Debug scene, still to be built.
class ParticleTest : public PlaceholderScene {
public:
    ParticleTest();
};
