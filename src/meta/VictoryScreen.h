#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "meta/SceneMusic.h"
#include "scenes/Scene.h"

class Background;
class Emitter;
class Object;
class SmartButton;
class Text;

// What the two victory screens share: looping victory music, fireworks along the top edge and a
// rain of tokens, the message, the winner's pawn, two buttons, and leaving through them. A button
// only records where to go; the scene goes there after the widgets' update has finished.
class VictoryScreen : public Scene {
public:
    ~VictoryScreen() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;
    void Unload() override;
    void OnResize(int width, int height) override;
    void OnSettingChanged() override { music.OnSettingChanged(); }
    void OnFocus(bool focused) override { music.OnFocus(focused); }
    void OnIconify(bool iconified) override { music.OnIconify(iconified); }

    // Seconds between two frames of the fireworks' picture, and the countdown shared by both
    // screens (it carries over from one screen to the next).
    static constexpr float kFireworkStep = 0.5f;
    static float fireworkCountdown;

    static constexpr int kFireworkEmitters = 6;
    static constexpr int kRainEmitters = 4;

protected:
    explicit VictoryScreen(std::string name);

    // Where a button leads: the scene, whether it starts the same game again (counted in the
    // profile) and whether it leaves the battle for good (ending the tutorial mode).
    struct Leave {
        int scene = -1;
        bool replay = false;
        bool leavingBattle = false;
    };

    // The screen's own buttons (Load) and its bookkeeping and texts (Init, after music and effects).
    virtual void BuildButtons() = 0;
    virtual void Record() = 0;
    // Extra pieces drawn over the pawn and under the buttons (the campaign's report).
    virtual void DrawExtras() {}
    virtual void UpdateExtras(float) {}

    SmartButton* AddButton(std::unique_ptr<SmartButton> button, Leave leave);
    // The four rain emitters fall with golden tokens, or with one element each.
    void StartRain(bool gilded);
    // The winner's pawn in the given faction picture; none for an empty name.
    void ShowPawn(const std::string& texture);

    Text* message = nullptr;

private:
    void PlaceEmitters();
    void StepFireworkPicture(float dt);

    SceneMusic music;
    std::unique_ptr<Background> backdrop;
    std::unique_ptr<Text> messageText;
    std::unique_ptr<Object> pawn;
    bool pawnShown = false;
    std::array<std::unique_ptr<Object>, 2> fireworkPictures;
    int fireworkFrame = 0;
    std::vector<std::unique_ptr<Emitter>> emitters;  // fireworks first, then the rain
    std::vector<std::unique_ptr<SmartButton>> buttons;
    Leave pending;
};
