#include "battle/ScriptedPlayer.h"

#include <climits>
#include <vector>

#include "battle/BattleHarness.h"
#include "battle/Pathing.h"
#include "spells/Spell.h"

namespace {

Wizard* FirstReady(Map& map)
{
    for (auto& wizard : map.wizards)
        if (wizard->side == map.turns.currentSide && wizard->Alive() && wizard->ap >= 1) return wizard.get();
    return nullptr;
}

// Steps from every cell to the nearest living enemy over walkable ground (holes and blocking
// objects go round), so a side finds its way across islands with gaps.
std::vector<int> StepsToEnemies(Map& map, int side)
{
    std::vector<int> steps(map.grid.size(), INT_MAX);
    std::vector<Tile*> queue;
    for (auto& enemy : map.wizards) {
        if (enemy->side == side || !enemy->Alive()) continue;
        steps[static_cast<std::size_t>(enemy->tile->row * map.width + enemy->tile->column)] = 0;
        queue.push_back(enemy->tile);
    }
    for (std::size_t i = 0; i < queue.size(); ++i) {
        Tile* around[4];
        int n = Neighbours(map, *queue[i], around);
        int here = steps[static_cast<std::size_t>(queue[i]->row * map.width + queue[i]->column)];
        for (int k = 0; k < n; ++k) {
            std::size_t cell = static_cast<std::size_t>(around[k]->row * map.width + around[k]->column);
            bool open = Walkable(*around[k], false) || (around[k]->wizard && around[k]->wizard->side == side);
            if (!open || steps[cell] != INT_MAX) continue;
            steps[cell] = here + 1;
            queue.push_back(around[k]);
        }
    }
    return steps;
}

void SelectOnly(BattleHarness& harness, Wizard& wizard)
{
    harness.ClickNone();
    harness.ClickTile(wizard.tile->column, wizard.tile->row);
}

}  // namespace

bool ScriptedPlayer::TryPickUp(BattleHarness& harness, Wizard& wizard)
{
    MapObject* token = wizard.tile->object;
    if (!token || !token->Armed() || wizard.CountNonCantrips() >= 4) return false;
    SelectOnly(harness, wizard);
    return harness.Press("PickUp");
}

bool ScriptedPlayer::TryCast(BattleHarness& harness, Wizard& wizard)
{
    Map& map = harness.GetMap();
    for (int i = 0; i < static_cast<int>(wizard.hand.size()); ++i) {
        const Spell* spell = wizard.hand[static_cast<std::size_t>(i)];
        if (spell->cost > wizard.ap || spell->enemyCommands.empty()) continue;
        for (auto& enemy : map.wizards) {
            if (enemy->side == wizard.side || !enemy->Alive()) continue;
            if (distanceBetweenTiles(wizard.tile, enemy->tile) > SpellReach(wizard, *spell)) continue;
            SelectOnly(harness, wizard);
            if (!harness.SelectCard(i)) return false;
            int result = harness.ClickTile(enemy->tile->column, enemy->tile->row);
            harness.Settle();
            return result == 1;
        }
    }
    return false;
}

bool ScriptedPlayer::TryWalk(BattleHarness& harness, Wizard& wizard)
{
    Map& map = harness.GetMap();
    std::vector<int> steps = StepsToEnemies(map, wizard.side);
    auto at = [&](const Tile* t) { return steps[static_cast<std::size_t>(t->row * map.width + t->column)]; };
    SelectOnly(harness, wizard);
    if (harness.ClickTile(wizard.tile->column, wizard.tile->row) != 6) return false;
    Tile* best = nullptr;
    int bestSteps = at(wizard.tile);
    for (auto& tile : map.tiles) {
        if (!tile->highlighted || tile->tintMode == Tile::kTintRed || tile.get() == wizard.tile) continue;
        if (at(tile.get()) < bestSteps) {
            bestSteps = at(tile.get());
            best = tile.get();
        }
    }
    if (!best) {
        harness.Press("Back");
        return false;
    }
    int result = harness.ClickTile(best->column, best->row);
    harness.Settle();
    return result == 15 || result == 8;
}

void ScriptedPlayer::EndTurn(BattleHarness& harness)
{
    harness.ClickNone();
    harness.Press("EndTurn");
    if (harness.GetMap().controls.endTurnPromptShown) harness.Answer("Yes");
}

bool ScriptedPlayer::Step(BattleHarness& harness)
{
    Map& map = harness.GetMap();
    if (map.battleOver) return false;
    ++actions;
    if (map.controls.bannerShown) {
        harness.Answer("Ready");
        return true;
    }
    Wizard* wizard = FirstReady(map);
    if (!wizard) {
        EndTurn(harness);
        return true;
    }
    if (TryPickUp(harness, *wizard) || TryCast(harness, *wizard) || TryWalk(harness, *wizard)) return true;
    // This wizard can do nothing useful: it rests, and the next one gets its go.
    wizard->ap = 0;
    harness.ClickNone();
    return true;
}

int PlayScriptedMatch(BattleHarness& harness, int roundCap)
{
    ScriptedPlayer player;
    Map& map = harness.GetMap();
    int stepCap = roundCap * 200;
    while (!map.battleOver && map.turns.round <= roundCap && player.actions < stepCap) {
        player.Step(harness);
        harness.Advance();
    }
    return map.battleOver ? map.winner : -1;
}
