#pragma once
#include <string>

#include <glm/glm.hpp>

class Wizard;

// A floating combat text: at a world position, or following a wizard when `follow` is set.
struct FloatingText {
    std::string text;
    float lifetime = 2.5f;
    float size = 20.0f;
    int colour = 0;  // 0 white, 1 red, 2 green, 3 yellow, 4 orange
    glm::vec2 position{0.0f};
    const Wizard* follow = nullptr;
};

// What the battle tells the world around it: sounds, floating texts, camera glides and the widgets
// that show its state. The battle runs without any of them (the defaults do nothing but play the
// sound); the scene plugs in the real ones and tests record them.
class BattleHooks {
public:
    virtual ~BattleHooks() = default;
    // A named sound effect; only called when sound effects are wanted by the rules of the call site.
    virtual void PlaySound(const std::string& name);
    virtual void ShowFloatingText(const FloatingText& text) { (void)text; }
    // The camera should glide to a world position (turn start, "Jump").
    virtual void GlideCamera(glm::vec2 position) { (void)position; }
    // Battle or party music on/off (the scene's OnMusicSwitch).
    virtual void SwitchMusic(bool on, bool alternative) { (void)on, (void)alternative; }
    // The controls' model changed (selection, buttons, cards, prompts): widgets re-read it.
    virtual void ControlsChanged() {}
    // A wizard's hand changed (cards are rebuilt from it).
    virtual void HandChanged(Wizard& wizard) { (void)wizard; }
    // The info panel should show this wizard (an enemy or a defeated one was clicked).
    virtual void ShowWizardPanel(Wizard& wizard) { (void)wizard; }
    // The tutorial's progress: 0 the turn banner's "Ready" pressed, 1 a walk ended on a token,
    // 2 a token collected, 3 a walk ended on a "Fire_Tile", 5 the dummy destroyed.
    virtual void TutorialMilestone(int milestone) { (void)milestone; }
    // A walk in the tutorial ended on a token and/or a "Fire_Tile": one event, so a tile that is
    // both is judged once.
    virtual void TutorialWalkEnded(bool onToken, bool onFireTile)
    {
        if (onToken) TutorialMilestone(1);
        if (onFireTile) TutorialMilestone(3);
    }
};
