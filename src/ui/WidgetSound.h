#pragma once
#include <functional>
#include <string>

namespace ui {

// Plays an interface sound by name ("Click", "CardHover", "CardSelect") when sound effects are
// enabled in the settings; silent otherwise.
void PlayWidgetSound(const std::string& name);

// Tests listen to what the widgets play (called only for sounds that pass the setting); an empty
// listener sends the sounds to the sound system again.
void SetWidgetSoundListener(std::function<void(const std::string&)> listener);

}  // namespace ui
