#pragma once
#include <string>
#include <vector>

#include "AiTestSupport.h"
#include "ai/AiBattle.h"
#include "ai/DecisionMaker.h"
#include "ai/DistanceField.h"

// A small stand-in for the battle that follows the player's click rules closely enough for the
// turn driver: select, walk mode, walk (0.2 s a step), aim, cast (a flight of 0.3 s), pickup.
// Switches make it refuse clicks or hand out spells without spending anything, so the driver's
// guards against fruitless and endless steps can be seen at work.
class FakeBattle : public AiBattle {
public:
    AiBoard board = aitest::OpenBoard(8, 8);
    int currentSide = 2;
    bool over = false;
    int state = 0;
    int selected = -1;
    const AiSpell* aimed = nullptr;
    float walkLeft = 0.0f;
    float flightLeft = 0.0f;
    float walkSecondsPerStep = 0.2f;
    bool refuseClicks = false;
    bool endlessTokens = false;  // collecting never empties the token and adds a Cantrip
    int turnsStarted = 0;
    int turnsEnded = 0;
    std::vector<std::string> events;  // "deselect", "click c,r", "card X", "collect", "caption X", ...
    std::string announcement;

    void Advance(float dt)
    {
        if (walkLeft > 0.0f) walkLeft -= dt;
        if (flightLeft > 0.0f) {
            flightLeft -= dt;
            if (flightLeft <= 0.0f) state = 0;
        }
    }

    bool BattleOver() const override { return over; }
    bool Busy() const override { return walkLeft > 0.0f || state == 3; }
    std::int32_t State() const override { return state; }
    std::int32_t WizardCount() const override { return static_cast<std::int32_t>(board.wizards.size()); }
    WizardState Wizard(std::int32_t i) const override
    {
        const AiWizard& w = board.wizards[i];
        WizardState s;
        s.side = w.side;
        s.health = w.health;
        s.ap = w.ap;
        s.column = w.cell >= 0 ? board.Column(w.cell) : -1;
        s.row = w.cell >= 0 ? board.Row(w.cell) : -1;
        s.handSize = static_cast<std::int32_t>(w.hand.size());
        s.armedTokenUnder = w.cell >= 0 && board.cells[w.cell].object == AiCell::kToken && board.cells[w.cell].tokenActive;
        return s;
    }
    void BuildBoard(AiBoard& out) const override { out = board; }
    void StartTurn() override
    {
        ++turnsStarted;
        for (AiWizard& w : board.wizards)
            if (w.side == currentSide && w.health >= 1) w.ap = 5;
    }
    void EndTurn() override
    {
        ++turnsEnded;
        for (AiWizard& w : board.wizards)
            if (w.side == currentSide) w.ap = 0;
        currentSide = currentSide == 2 ? 1 : 2;
    }
    void Deselect() override
    {
        events.push_back("deselect");
        if (state == 3) return;
        state = 0;
        selected = -1;
        aimed = nullptr;
    }
    void ClickTile(std::int32_t column, std::int32_t row) override
    {
        events.push_back("click " + std::to_string(column) + "," + std::to_string(row));
        if (refuseClicks || Busy()) return;
        const int cell = board.Index(column, row);
        if (state == 2) return Aim(cell);
        if (state == 1) return WalkTo(cell);
        const int on = board.HasTile(cell) ? board.cells[cell].wizard : -1;
        if (on >= 0 && on == selected) {
            if (board.wizards[on].ap >= 1) state = 1;
            return;
        }
        if (on >= 0 && board.wizards[on].side == currentSide) selected = on;
    }
    bool SelectCard(std::int32_t wizard, const Spell*, const std::string& name) override
    {
        events.push_back("card " + name);
        if (refuseClicks || selected != wizard) return false;
        for (const AiSpell& s : board.wizards[wizard].hand)
            if (s.name == name) {
                aimed = &s;
                state = 2;
                return true;
            }
        return false;
    }
    void CollectToken() override
    {
        events.push_back("collect");
        if (refuseClicks || selected < 0) return;
        AiWizard& w = board.wizards[selected];
        AiCell& cell = board.cells[w.cell];
        if (cell.object != AiCell::kToken || !cell.tokenActive) return;
        if (endlessTokens) {
            w.hand.push_back(aitest::Cantrip());
            return;
        }
        cell.tokenActive = false;
        w.hand.push_back(aitest::Fireball());
    }
    void SetAp(std::int32_t wizard, std::int32_t ap) override { board.wizards[wizard].ap = ap; }
    void Caption(std::int32_t, const std::string& text) override { events.push_back("caption " + text); }
    void Announce(const std::string& text) override { announcement = text; }

private:
    void WalkTo(int cell)
    {
        state = 0;
        AiWizard& w = board.wizards[selected];
        DistanceField field;
        field.Build(board, w.cell);
        const int steps = field.Steps(cell);
        if (cell == w.cell || steps < 1 || steps > w.ap) return;
        board.cells[w.cell].wizard = -1;
        board.cells[cell].wizard = selected;
        w.cell = cell;
        w.ap -= steps;
        walkLeft = walkSecondsPerStep * static_cast<float>(steps);
    }
    void Aim(int cell)
    {
        AiWizard& w = board.wizards[selected];
        if (!aimed || !ValidCastTarget(board, selected, *aimed, cell) || w.ap < aimed->cost) {
            state = 0;
            return;
        }
        w.ap -= aimed->cost;
        if (AiWizard* target = const_cast<AiWizard*>(board.WizardOn(cell)); target && target->side != w.side) {
            target->health -= aimed->enemyDamageTotal;
            if (target->health < 1) {
                target->health = 0;
                board.cells[target->cell].wizard = -1;
                target->cell = -1;
            }
        }
        for (std::size_t i = 0; i < w.hand.size(); ++i)
            if (&w.hand[i] == aimed) {
                w.hand.erase(w.hand.begin() + static_cast<std::ptrdiff_t>(i));
                break;
            }
        aimed = nullptr;
        state = 3;
        flightLeft = 0.3f;
    }
};
