#pragma once
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "spells/SpellTypes.h"

class Map;
class Spell;
class Tile;
class Wizard;

// The battle controls without their widgets: what is selected, which context-bar buttons are
// shown, the announcement line, which prompt is up, and the entry points a click, a key or the
// computer player reaches. The interface draws this model; tests and the computer drive it directly.
class BattleControls {
public:
    // tileEventHandler results with their printed numbers.
    static constexpr int kIgnored = -1000;  // the click was refused before any decision (not printed)

    void Attach(Map* owner) { map = owner; }

    // A player's click on a tile (null: a click beside the island). Returns the decision number,
    // or kIgnored when the battle does not take input now.
    int tileEventHandler(Tile* tile);
    // The computer player's click: the human-only locks (its own turn, prompts, map view, party
    // mode) do not apply; flights, walks and the end of the battle still do.
    int ComputerClick(Tile* tile);
    // A click on the card at index of the selected wizard's hand: aiming.
    bool SelectCard(int index);
    bool ComputerSelectCard(int index);
    // A context-bar button: "Walk", "Cast", "Back", "Jump", "EndTurn", "PickUp".
    bool Press(const std::string& button);
    // The end-turn prompt's "Yes" / "No".
    bool AnswerEndTurnPrompt(bool yes);
    // The turn banner's "Ready": starts the pending turn once.
    bool PressReady();
    // The welcome prompt's "Ready!": starts the game once.
    bool PressWelcome();

    // Shown when the fade-in ends: the welcome prompt, the tutorial's immediate start, or the
    // "cannot be played" prompt.
    void ShowWelcome();
    void RequestTurnBanner(int side);
    void Announce(const std::string& text, float seconds, glm::vec3 colour);
    void ClearAnnouncement();

    // Walk mode for the selected wizard: reachable tiles marked, bar "Back".
    bool EnterWalkMode();
    // The full reset every selection-clearing branch uses: no card, wizard or tile, cards hidden,
    // idle, marks cleared, bar by the refresh rule.
    void ResetSelection();
    // Selects a wizard of the current side (tile tinted, cards shown).
    void SelectWizard(Wizard& wizard);
    // Recomputes which buttons the bar shows.
    void Refresh();

    // The jump cycle: living wizards of the current side with AP, in list order.
    Wizard* NextJumpWizard();
    bool AnyJumpCandidate() const;
    void ClearJumpCycle() { jumped.clear(); }

    void OnTurnStarted();
    // After a cast resolved: the caster stays selected when it can still act.
    void OnCastFinished(Wizard* caster);
    void OnWalkEnded(Wizard& wizard);
    void Update(float dt);
    // Whether a player's input is taken now.
    bool AcceptsPlayerInput() const;
    bool AcceptsComputerInput() const;
    bool AnyPromptShown() const { return bannerShown || welcomeShown || endTurnPromptShown || unplayableShown || tutorialShown; }

    // The model the widgets show.
    Wizard* selectedWizard = nullptr;
    Tile* selectedTile = nullptr;
    bool cardsVisible = false;
    std::vector<std::string> buttons{"EndTurn"};
    std::string announcement;
    float announcementTime = -1.0f;
    glm::vec3 announcementColour{1.0f, 0.0f, 0.0f};
    bool bannerShown = false;
    int bannerSide = 0;
    bool welcomeShown = false;
    bool welcomeDone = false;
    bool endTurnPromptShown = false;
    bool unplayableShown = false;
    bool tutorialShown = false;  // the training's explanation is up (its prompt is the interface's)
    bool exitRequested = false;  // the closing panel has passed: the scene leaves for the victory screen
    float closingPanelY = 0.0f;
    bool closingStarted = false;
    int lastResult = 0;
    std::vector<Wizard*> jumped;

private:
    int Handle(Tile* tile);
    int Finish(int result);
    int Aim(Tile& tile);
    int WithSelection(Tile& tile);
    int WithoutSelection(Tile& tile);
    int CastAt(Tile& tile, CommandType kind, int result);
    int WalkTo(Tile& tile, int result);
    bool PickCard(int index);
    void MarkTargets(Wizard& caster, const Spell& spell);
    void UpdateAimArea();
    void UpdatePathPreview();
    void EndTurnNow();
    const Spell* SelectedSpell() const;

    Map* map = nullptr;
    bool computerActing = false;
};

// How far a wizard reaches with a spell: its range, three quarters of it (rounded down) while blinded.
int SpellReach(const Wizard& caster, const Spell& spell);
