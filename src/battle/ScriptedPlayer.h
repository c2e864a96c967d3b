#pragma once

class BattleHarness;
class Wizard;

// A simple scripted side for headless matches: each step it picks up a token it stands on, casts
// the first affordable spell at an enemy in reach, else walks towards the nearest enemy, else ends
// the turn. It plays only through the harness's entry points, as a player's clicks would.
class ScriptedPlayer {
public:
    // One action for the side whose turn it is. False when the battle is over.
    bool Step(BattleHarness& harness);

    int actions = 0;

private:
    bool TryPickUp(BattleHarness& harness, Wizard& wizard);
    bool TryCast(BattleHarness& harness, Wizard& wizard);
    bool TryWalk(BattleHarness& harness, Wizard& wizard);
    void EndTurn(BattleHarness& harness);
};

// Plays the loaded, begun battle to its end with a scripted player on every side. Returns the
// winner (0-based) or -1 when the round cap was reached first.
int PlayScriptedMatch(BattleHarness& harness, int roundCap = 60);
