#pragma once
#include <memory>
#include <string>

class SoundSystem;

// A scene's own looped music: a copy of the global sound system that plays one named piece and
// follows the music setting, window focus and minimising. Scenes call Start in Init, Stop in Exit
// and forward the three notifications.
class SceneMusic {
public:
    SceneMusic();
    ~SceneMusic();

    // Copies the sound system (the global one in the game), plays `name` looped at `volume`;
    // paused at once when the music setting is off.
    void Start(const std::string& name, float volume);
    void Start(const std::string& name, float volume, const SoundSystem& source);
    void Stop();

    // The music setting changed: playing when on, paused when off.
    void OnSettingChanged();
    // Only with the music setting on: focus lost pauses, focus gained resumes.
    void OnFocus(bool focused);
    // Only with the music setting on: minimised pauses, restored resumes.
    void OnIconify(bool iconified);

    // The scene's copy (null before Start and after Stop).
    SoundSystem* sound() const { return copy.get(); }

private:
    std::unique_ptr<SoundSystem> copy;
    std::string music;
};
