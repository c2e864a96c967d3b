#include "audio/SoundSystem.h"

std::unique_ptr<System> CreateSoundSystem()
{
    return std::make_unique<System>("Sound");
}
