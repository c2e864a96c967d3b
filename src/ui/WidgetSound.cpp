#include "ui/WidgetSound.h"

#include <utility>

#include "audio/SoundSystem.h"
#include "meta/Config.h"

namespace ui {

namespace {
std::function<void(const std::string&)>& Listener()
{
    static std::function<void(const std::string&)> listener;
    return listener;
}
}  // namespace

void PlayWidgetSound(const std::string& name)
{
    if (!UserConfig.sfx) return;
    if (Listener()) {
        Listener()(name);
        return;
    }
    SoundSystem::Instance().Play(name);
}

void SetWidgetSoundListener(std::function<void(const std::string&)> listener)
{
    Listener() = std::move(listener);
}

}  // namespace ui
