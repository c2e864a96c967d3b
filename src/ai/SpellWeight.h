#pragma once
#include <cstdint>

#include "ai/AiBoard.h"
#include "ai/AiDifficulty.h"

// How much the computer wants to cast a spell at a target tile, from the spell's numbers and what
// stands around the target. Computed in double; a cost below 1 counts as 1 and a result that is
// not finite becomes 0 (with one log line), so the sort never sees infinity or NaN.
//   base  ((createArea + enemyDamageTotal) x (range + size)) / cost x 10
//   +15   it damages enemies and the wizard on the target has at most enemyDamageTotal health
//   +5    per other tile within size of the target that holds a wizard (any side)
//   -15   it harms its caster and the caster has at most selfDamageTotal health
//   +15   it heals its caster and the caster is hurt past the difficulty's threshold
//   +5    it heals allies and the wizard on the target has at most half the wizard health
//   +5    it afflicts enemies; -5 it changes its caster's status; -5 it changes an ally's
double SpellWeight(const AiBoard& board, std::int32_t caster, const AiSpell& spell, std::int32_t target);

// The first term alone (what the roster's balance is tuned against).
double BaseSpellWeight(const AiSpell& spell);
