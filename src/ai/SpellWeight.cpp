#include "ai/SpellWeight.h"

#include <cmath>

#include "engine/Log.h"

double BaseSpellWeight(const AiSpell& s)
{
    const double cost = s.cost < 1 ? 1.0 : static_cast<double>(s.cost);
    const double amount = static_cast<double>(s.createArea) + static_cast<double>(s.enemyDamageTotal);
    const double span = static_cast<double>(s.range) + static_cast<double>(s.size);
    return amount * span / cost * 10.0;
}

namespace {

// Wizards on tiles within the spell's size of the target, the target itself left out.
int CrowdAround(const AiBoard& board, const AiSpell& s, std::int32_t target)
{
    int crowd = 0;
    for (const AiWizard& w : board.wizards)
        if (w.cell >= 0 && w.cell != target && board.Distance(w.cell, target) <= s.size) ++crowd;
    return crowd;
}

}  // namespace

double SpellWeight(const AiBoard& board, std::int32_t caster, const AiSpell& s, std::int32_t target)
{
    const AiWizard& self = board.wizards[caster];
    const AiWizard* onTarget = board.WizardOn(target);
    const AiDifficulty difficulty = ClampDifficulty(board.difficulty);
    double w = BaseSpellWeight(s);
    if (s.damagesEnemy && onTarget && onTarget->health <= s.enemyDamageTotal) w += 15.0;
    if (board.HasTile(target)) w += 5.0 * CrowdAround(board, s, target);
    if (s.harmsSelf && self.health <= s.selfDamageTotal) w -= 15.0;
    if (s.healsSelf && WantsSelfHeal(difficulty, self.health, board.maxHealth)) w += 15.0;
    if (s.healsAlly && onTarget && onTarget->health <= board.maxHealth / 2) w += 5.0;
    if (s.afflictsEnemy) w += 5.0;
    if (s.changesSelfStatus) w -= 5.0;
    if (s.changesAllyStatus) w -= 5.0;
    if (!std::isfinite(w)) {
        print("AI: weight of spell ", s.name, " is not finite, counted as 0");
        return 0.0;
    }
    return w;
}
