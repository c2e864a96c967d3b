#include "scenes/ParticleTest.h"

ParticleTest::ParticleTest() : PlaceholderScene("ParticleTest", 0.10f, 0.05f, 0.20f) {}
