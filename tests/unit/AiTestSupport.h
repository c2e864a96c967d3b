#pragma once
#include <string>

#include "ai/AiBoard.h"

// Small boards and spells for the computer player's tests. Open grids of tiles; spells carry the
// numbers and summary flags their scripts would give.
namespace aitest {

inline AiBoard OpenBoard(int width, int height, int difficulty = 0, int maxHealth = 20)
{
    AiBoard board;
    board.Resize(width, height);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) board.AddTile(c, r);
    board.difficulty = difficulty;
    board.maxHealth = maxHealth;
    return board;
}

// A plain damage spell: size 1, the same damage to an enemy and to a tile.
inline AiSpell DamageSpell(const char* name, int element, int cost, int range, int hitChance, int damage)
{
    AiSpell s;
    s.name = name;
    s.element = element;
    s.cost = cost;
    s.range = s.reach = range;
    s.size = 1;
    s.hitChance = hitChance;
    s.enemyDamageTotal = damage;
    s.damagesEnemy = true;
    s.hasEnemyCommands = true;
    s.hasTileCommands = true;
    return s;
}

// "Fireball": fire, cost 2, range 4, 85 %, 5 damage. "Cantrip": normal, cost 1, range 3, 90 %, 2.
inline AiSpell Fireball() { return DamageSpell("Fireball", 1, 2, 4, 85, 5); }
inline AiSpell Cantrip() { return DamageSpell("Cantrip", 0, 1, 3, 90, 2); }

// "Mend": a self heal on the caster's own tile.
inline AiSpell Mend()
{
    AiSpell s;
    s.name = "Mend";
    s.cost = 2;
    s.range = s.reach = 0;
    s.size = 1;
    s.hitChance = 100;
    s.healsSelf = true;
    s.selfDamageTotal = 0;
    s.hasSelfCommands = true;
    return s;
}

inline void Place(AiBoard& board, int column, int row, AiCell::Object object, bool active = true)
{
    AiCell& cell = board.cells[board.Index(column, row)];
    cell.object = object;
    cell.tokenActive = object == AiCell::kToken && active;
}

}  // namespace aitest
