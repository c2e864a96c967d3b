#pragma once
#include <memory>
#include <string>
#include <vector>

#include "battle/BattleHooks.h"
#include "battle/BattleInvariants.h"
#include "battle/Map.h"

// Records what a battle tells the world, for tests and soak runs.
class RecordingHooks : public BattleHooks {
public:
    void PlaySound(const std::string& name) override { sounds.push_back(name); }
    void ShowFloatingText(const FloatingText& text) override { texts.push_back(text); }
    void GlideCamera(glm::vec2 position) override { glides.push_back(position); }
    void TutorialMilestone(int milestone) override { milestones.push_back(milestone); }
    void ShowWizardPanel(Wizard& wizard) override { panels.push_back(&wizard); }

    std::vector<std::string> sounds;
    std::vector<FloatingText> texts;
    std::vector<glm::vec2> glides;
    std::vector<int> milestones;
    std::vector<Wizard*> panels;
};

struct HarnessOptions {
    std::string levelFolder = "./Data/Levels/";
    std::string spellFolder = "./Data/Spells/";
    unsigned seed = 1;
    bool visuals = false;
    bool computerSide2 = false;
    bool duplicationProtection = false;
    bool divineIntervention = false;
    bool tutorial = false;
};

// A battle that code can play: builds a map from a level without a window, drives it through the
// same entry points as the mouse and keys with a simulated clock and the seeded random source, and
// checks the battle's invariants after every action.
class BattleHarness {
public:
    static constexpr float kFrame = 1.0f / 60.0f;

    explicit BattleHarness(HarnessOptions options = {});

    // Both construction passes; false when the level cannot be played.
    bool Load(const std::string& levelName);
    bool LoadText(const std::string& levelJson, const std::string& levelName = "Fixture");
    // The fade-in has ended: the welcome prompt (or the unplayable one) shows.
    void FinishFadeIn() { map->controls.ShowWelcome(); Checked(); }
    // "Ready!" then the first "Ready": side 1 is playing.
    bool Begin();

    int ClickTile(int column, int row);
    int ClickNone();
    bool SelectCard(int index);
    bool Press(const std::string& button);
    // "Ready", "Ready!", "Yes", "No".
    bool Answer(const std::string& button);
    // 'E' Escape, 'F' party mode, 'C' map view.
    void Key(char key);
    // One map update.
    void Advance(float dt = kFrame);
    // Frames until no walk or flight is pending; false when the limit is reached first.
    bool Settle(int frameLimit = 600);

    Map& GetMap() { return *map; }
    Wizard* WizardOn(int column, int row) const { return map->WizardAt(column, row); }
    // Lines of every invariant broken so far (empty while the battle is sound).
    const std::vector<std::string>& Broken() const { return broken; }

    RecordingHooks hooks;
    HarnessOptions options;

private:
    void Prepare();
    template <class T>
    T Checked(T value)
    {
        Checked();
        return value;
    }
    void Checked();

    std::unique_ptr<Map> map;
    BattleInvariants invariants;
    std::vector<std::string> broken;
};

// Casting without the spell code's flight: the spell lands at once and deals its cost x 2 damage
// to the wizard or object targeted, then leaves the hand. Lets scripted matches reach a winner
// with rules that do not depend on the shipped spell content.
SpellRules InstantCastRules();
