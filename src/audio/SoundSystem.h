#pragma once
#include <memory>

#include "engine/System.h"

// Placeholder until the sound system lands: the engine's second system, silent.
std::unique_ptr<System> CreateSoundSystem();
