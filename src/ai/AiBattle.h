#pragma once
#include <cstdint>
#include <string>

#include "ai/AiBoard.h"

class Spell;

// The battle as the computer's turn driver sees it: what it reads each frame, the snapshot its
// decisions are made on, and the controls it uses. Clicks go through the same entry points as a
// player's, minus the locks that only hold back human input (the computer's own turn lock,
// prompts, the banner, map view, party mode); the game's own guards (a spell in flight, a wizard
// walking, the battle over) still apply.
class AiBattle {
public:
    virtual ~AiBattle() = default;

    // What a step compares before and after its action to see whether anything happened.
    struct WizardState {
        std::int32_t side = 0;
        std::int32_t health = 0;
        std::int32_t ap = 0;
        std::int32_t column = 0;
        std::int32_t row = 0;
        std::int32_t handSize = 0;
        bool armedTokenUnder = false;
        bool operator==(const WizardState&) const = default;
    };

    virtual bool BattleOver() const = 0;
    // A wizard is walking or a spell is in flight: the computer waits.
    virtual bool Busy() const = 0;
    // 0 idle, 1 walk mode, 2 aiming, 3 spell in flight.
    virtual std::int32_t State() const = 0;
    virtual std::int32_t WizardCount() const = 0;
    virtual WizardState Wizard(std::int32_t index) const = 0;
    // Fills the snapshot of the battle (difficulty included) for a decision.
    virtual void BuildBoard(AiBoard& board) const = 0;

    // Starts the side's turn (action points refilled, turn-start effects) / ends it.
    virtual void StartTurn() = 0;
    virtual void EndTurn() = 0;

    // The "Back" reset: no selection, no marks, cards hidden, state idle.
    virtual void Deselect() = 0;
    // A click on the tile at (column, row).
    virtual void ClickTile(std::int32_t column, std::int32_t row) = 0;
    // Selects the card of the wizard's hand holding that spell (targeting mode). False when the
    // hand holds no such card.
    virtual bool SelectCard(std::int32_t wizard, const Spell* spell, const std::string& spellName) = 0;
    // Collects the token under the selected wizard.
    virtual void CollectToken() = 0;
    virtual void SetAp(std::int32_t wizard, std::int32_t ap) = 0;

    // A caption above the wizard (5 s, size 20, white).
    virtual void Caption(std::int32_t wizard, const std::string& text) = 0;
    // The announcement line in red without time limit; an empty text clears it.
    virtual void Announce(const std::string& text) = 0;
    // The camera follows the acting wizard.
    virtual void Follow(std::int32_t wizard) { (void)wizard; }
};
