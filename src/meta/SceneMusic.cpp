#include "meta/SceneMusic.h"

#include "audio/SoundSystem.h"
#include "meta/Config.h"

SceneMusic::SceneMusic() = default;
SceneMusic::~SceneMusic() = default;

void SceneMusic::Start(const std::string& name, float volume)
{
    Start(name, volume, SoundSystem::Instance());
}

void SceneMusic::Start(const std::string& name, float volume, const SoundSystem& source)
{
    copy = std::make_unique<SoundSystem>(source);
    music = name;
    copy->PlayLooped(music);
    copy->SetVolume(music, volume);
    if (!UserConfig.music) copy->SetPaused(music, true);
}

void SceneMusic::Stop()
{
    if (copy) copy->Stop(music);
    copy.reset();
}

void SceneMusic::OnSettingChanged()
{
    if (copy) copy->SetPaused(music, !UserConfig.music);
}

void SceneMusic::OnFocus(bool focused)
{
    if (copy && UserConfig.music) copy->SetPaused(music, !focused);
}

void SceneMusic::OnIconify(bool iconified)
{
    if (copy && UserConfig.music) copy->SetPaused(music, iconified);
}
