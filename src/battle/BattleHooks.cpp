#include "battle/BattleHooks.h"

#include "audio/SoundSystem.h"
#include "meta/Config.h"

void BattleHooks::PlaySound(const std::string& name)
{
    if (UserConfig.sfx) SoundSystem::Instance().Play(name);
}
