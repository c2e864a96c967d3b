#pragma once
#include <memory>
#include <string>
#include <vector>

#include "spells/SpellCardNumbers.h"

class AP;
class Bar;
class ButtonPrompt;
class FloatingTextLayer;
class InfoPanel;
class Object;
class PausePanel;
class Profile;
class Slider;
class SmartButton;
class SpellCard;
class Text;
class TurnDisplay;

// The battle HUD, the spell cards and the menu widgets laid over a small made-up island, one
// state per page: idle, walk preview, aiming, a hand of seven, paused, and the prompts with a
// slider and bars. Everything reacts to the real mouse, topmost first, as in the battle.
class HudShowcase {
public:
    static constexpr int kPages = 7;

    HudShowcase();
    ~HudShowcase();

    // Page 1 to kPages.
    void Show(int page);
    static const char* PageName(int page);
    void Update(float dt);
    void Draw();

private:
    void BuildIsland();
    void BuildHud();
    void BuildWidgets();
    void DealHand(int count);
    void UpdateHand(float dt);
    void UpdateWidgets(float dt);
    void UpdateHud(float dt);
    // Shows what a widget just did in the corner and in the log (the end-to-end test reads it).
    void SetStatus(const std::string& text);

    int page = 1;
    float clock = 0.0f;
    float textClock = 0.0f;
    std::vector<std::unique_ptr<Object>> island;
    std::unique_ptr<TurnDisplay> turns;
    std::unique_ptr<InfoPanel> info;
    std::vector<std::unique_ptr<Profile>> portraits;
    std::unique_ptr<AP> ap;
    std::unique_ptr<PausePanel> pause;
    std::unique_ptr<FloatingTextLayer> floating;
    std::vector<CardSpell> spells;
    std::vector<std::unique_ptr<SpellCard>> hand;
    int hoveredCard = -1;
    CardHolder holder;
    std::unique_ptr<ButtonPrompt> question;
    std::unique_ptr<ButtonPrompt> choice;
    std::unique_ptr<Slider> slider;
    std::vector<std::unique_ptr<Bar>> bars;
    std::vector<std::unique_ptr<SmartButton>> buttons;
    std::unique_ptr<Text> statusText;
};
