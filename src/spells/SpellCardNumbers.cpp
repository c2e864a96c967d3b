#include "spells/SpellCardNumbers.h"

#include <cstdint>

#include "spells/Spell.h"
#include "spells/SpellTargeting.h"

namespace {

constexpr int kInfiniteRange = 100;

std::string Number(std::int64_t value)
{
    return std::to_string(value);
}

// Integer part of value x factor, taken in double from 64-bit inputs so no sum can overflow.
std::int64_t Scaled(int value, double factor)
{
    return static_cast<std::int64_t>(static_cast<double>(value) * factor);
}

void SetEffect(CardNumbers& n, const CardSpell& spell, bool bonus)
{
    if (bonus && !spell.createsObjects) {
        n.effect = Number(Scaled(spell.enemyDamageTotal, 1.5));
        n.effectBlock = 2;
        n.effectTone = CardNumbers::kBonus;
    } else if (bonus && spell.enemyDamageTotal < 1) {
        // The bonus widens a creating spell by one ring: area 4 x size + 1 (with size + 1).
        n.effect = Number(4 * static_cast<std::int64_t>(spell.size) + 1);
        n.area = Number(static_cast<std::int64_t>(spell.size) + 1);
        n.effectBlock = 13;
        n.effectTone = n.areaTone = CardNumbers::kBonus;
    } else if (spell.enemyDamageTotal > 0) {
        n.effect = Number(spell.enemyDamageTotal);
        n.effectBlock = 1;
    } else if (spell.createsObjects) {
        n.effect = Number(spell.createArea);
        n.effectBlock = 13;
    } else {
        n.effect.clear();
        n.effectBlock = 0;
    }
}

}  // namespace

CardSpell CardSpellFrom(const Spell& spell)
{
    CardSpell card;
    card.name = spell.name;
    card.description = spell.description;
    card.flavor = spell.flavor;
    card.element = static_cast<int>(spell.element);
    card.cost = spell.cost;
    card.range = spell.range;
    card.size = spell.size;
    card.hitChance = spell.hitChance;
    card.enemyDamageTotal = spell.enemyDamageTotal;
    card.createArea = spell.createArea;
    card.createsObjects = spell.createsObjects;
    return card;
}

bool CardTileBonus(int element, const std::string& tileKind)
{
    if (element < 0 || element > 4) return false;
    return spelltargeting::BonusOnBiome(static_cast<ElementType>(element), tileKind);
}

CardNumbers ComputeCardNumbers(const CardSpell& spell, const CardHolder& holder)
{
    CardNumbers n;
    n.area = Number(spell.size);
    SetEffect(n, spell, holder.exists && CardTileBonus(spell.element, holder.tileKind));

    const bool confused = holder.exists && holder.confused;
    n.hit = Number(spelltargeting::ChanceFor(spell.hitChance, confused));
    n.hitBlock = confused ? 12 : 10;
    n.hitTone = confused ? CardNumbers::kPenalty : CardNumbers::kDefault;

    const bool blinded = holder.exists && holder.blinded;
    const std::int32_t range = spelltargeting::ReachFor(spell.range, blinded);
    n.range = range >= kInfiniteRange ? "INF" : Number(range);
    n.rangeBlock = blinded ? 9 : 7;
    n.rangeTone = blinded ? CardNumbers::kPenalty : CardNumbers::kDefault;
    return n;
}
