#include "battle/OutcomePreview.h"

#include <algorithm>
#include <cmath>

#include "battle/MapObject.h"
#include "battle/Tile.h"
#include "battle/Wizard.h"
#include "spells/Spell.h"

namespace {
const char* StatusName(int type)
{
    static const char* const kNames[] = {"Inflicted!", "Burned", "Petrified", "Confused", "Frostbitten", "Blinded"};
    return type >= 1 && type <= 5 ? kNames[type] : kNames[0];
}

const char* const kElementTiles[] = {"", "Fire_Tile", "Water_Tile", "Earth_Tile", "Wind_Tile"};

CommandType KindFor(const Spell& spell, const Wizard& caster, const Tile& target)
{
    if (!target.wizard) return CommandType::Tile;
    if (target.wizard == &caster) return spell.selfCommands.empty() ? CommandType::Ally : CommandType::Self;
    return target.wizard->side == caster.side ? CommandType::Ally : CommandType::Enemy;
}

// Sums what one list does to the wizard it runs on.
void RunList(const std::vector<SpellCommand>& list, CommandType section, float factor, OutcomePreview& out,
             int& change, bool onTarget)
{
    for (const SpellCommand& command : list) {
        switch (command.kind) {
        case CommandKind::Damage: {
            int v = ScaledAmount(command.number, factor);
            change += section == CommandType::Enemy || section == CommandType::Tile ? -v : v;
            break;
        }
        case CommandKind::Inflict:
            if (onTarget) out.statuses.push_back(StatusName(command.word));
            break;
        case CommandKind::Cleanse:
            if (onTarget) out.cleanses = true;
            break;
        case CommandKind::Create:
            out.creates = true;
            break;
        case CommandKind::Reroll:
            out.mayBackOut = true;
            break;
        }
    }
}
}  // namespace

float DamageFactor(const Spell& spell, const Wizard& caster)
{
    int element = static_cast<int>(spell.element);
    if (element < 1 || element > 4 || !caster.tile) return 1.0f;
    const std::string& biome = caster.tile->biome;
    return biome == kElementTiles[element] || biome == "Aether_Tile" ? 1.5f : 1.0f;
}

int ScaledAmount(int amount, float factor)
{
    return static_cast<int>(std::ceil(static_cast<double>(amount) * static_cast<double>(factor)));
}

int EffectiveHitChance(const Spell& spell, const Wizard& caster)
{
    if (caster.HasStatus(InflictType::Confused)) return static_cast<int>(static_cast<float>(spell.hitChance) * 0.5f);
    return spell.hitChance;
}

OutcomePreview PreviewCast(const Spell& spell, const Wizard& caster, const Tile& target)
{
    OutcomePreview out;
    if (!target.highlighted || target.tintMode == Tile::kTintInRange) return out;
    out.valid = true;
    out.kind = KindFor(spell, caster, target);
    out.hitChance = std::clamp(EffectiveHitChance(spell, caster), 0, 100);
    float factor = DamageFactor(spell, caster);
    out.tileBonus = factor > 1.0f;
    out.creates = spell.createsObjects;
    int targetChange = 0;
    int casterChange = 0;
    if (out.kind != CommandType::Self) RunList(spell.Commands(out.kind), out.kind, factor, out, targetChange, true);
    // The self lines follow every list and act on the caster.
    bool selfIsTarget = out.kind == CommandType::Self;
    RunList(spell.selfCommands, CommandType::Self, factor, out, selfIsTarget ? targetChange : casterChange, selfIsTarget);
    out.targetChange = targetChange;
    out.casterChange = casterChange;
    if (target.wizard) {
        const Wizard& hit = *target.wizard;
        out.wizardTarget = true;
        out.healthBefore = hit.health;
        out.maxHealth = hit.maxHealth;
        int after = hit.health + targetChange;
        // A cleanse gives 3 back for every record the wizard loses.
        if (out.cleanses) after += 3 * static_cast<int>(hit.statusEffects.size());
        out.healthAfter = std::clamp(after, 0, hit.maxHealth);
    } else if (target.object && !target.object->IsToken()) {
        out.healthBefore = target.object->health;
        out.maxHealth = target.object->maxHealth;
        out.healthAfter = std::clamp(target.object->health + targetChange, 0, target.object->maxHealth);
    }
    return out;
}

std::vector<std::string> OutcomePreview::Lines() const
{
    std::vector<std::string> lines;
    if (!valid) return lines;
    lines.push_back("Hit chance: " + std::to_string(hitChance) + "%");
    std::string bonus = tileBonus ? " (tile bonus)" : "";
    if (targetChange < 0) lines.push_back("Damage: " + std::to_string(-targetChange) + bonus);
    if (targetChange > 0) lines.push_back("Healing: " + std::to_string(targetChange) + bonus);
    for (const std::string& status : statuses) lines.push_back("Inflicts: " + status);
    if (cleanses) lines.push_back("Cleanses every status");
    if (creates) lines.push_back("Creates objects");
    if (casterChange < 0) lines.push_back("Costs the caster " + std::to_string(-casterChange) + " HP");
    if (casterChange > 0) lines.push_back("Heals the caster " + std::to_string(casterChange));
    if (mayBackOut) lines.push_back("May back out (reroll)");
    if (maxHealth > 0) lines.push_back("Health: " + std::to_string(healthBefore) + " -> " + std::to_string(healthAfter));
    return lines;
}
