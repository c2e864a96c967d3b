#include "spells/SpellCommands.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "battle/Map.h"
#include "engine/Random.h"
#include "spells/SpellTargeting.h"
#include "spells/SpellWords.h"

namespace {

constexpr int kRed = 1;
constexpr int kGreen = 2;
constexpr int kYellow = 3;

void Text(Map& map, std::string text, glm::vec2 at, float lifetime, float scale, int colour)
{
    map.hooks->ShowFloatingText({std::move(text), lifetime, scale, colour, at, nullptr});
}

glm::vec2 ObjectPosition(const MapObject& object)
{
    return {64.0f * static_cast<float>(object.column), -64.0f * static_cast<float>(object.row)};
}

// The object a tile command may touch: any but a token.
MapObject* Struck(const CommandContext& c)
{
    if (!c.tile || !c.tile->object || c.tile->object->IsToken()) return nullptr;
    return c.tile->object;
}

void Damage(const CommandContext& c, const SpellCommand& command)
{
    const std::int32_t v = DamageValue(c.spell, c.caster, command.number);
    const float scale = static_cast<float>(std::abs(v)) * 10.0f;
    const std::string shown = std::to_string(std::abs(v));
    switch (command.section) {
    case CommandType::Self:
    case CommandType::Ally: {
        Wizard* w = command.section == CommandType::Self ? &c.caster : c.wizard;
        if (!w) return;
        w->ChangeHealth(v);
        Text(c.map, shown, w->Position(), 2.5f, scale, v < 1 ? kRed : kGreen);
        return;
    }
    case CommandType::Enemy:
        if (!c.wizard) return;
        c.wizard->ChangeHealth(-v);
        Text(c.map, shown, c.wizard->Position(), 2.5f, scale, v >= 0 ? kRed : kGreen);
        return;
    case CommandType::Tile:
        if (MapObject* object = Struck(c)) {
            object->ChangeHealth(-v);
            Text(c.map, std::to_string(v), ObjectPosition(*object), 2.5f, scale, kRed);
        }
        return;
    }
}

void Inflict(const CommandContext& c, const SpellCommand& command)
{
    const StatusEffect record{command.number, static_cast<InflictType>(command.word), command.section, {}};
    if (command.section == CommandType::Tile) {
        if (MapObject* object = Struck(c)) object->timedEffects.push_back(record);
        return;
    }
    Wizard* w = command.section == CommandType::Self ? &c.caster : c.wizard;
    if (!w || !w->Alive()) return;
    w->AddStatusEffect(record);
    Text(c.map, spellwords::InflictShownName(record.type), w->Position(), 3.5f, 20.0f, kYellow);
}

void Create(const CommandContext& c, const SpellCommand& command)
{
    if (c.tile) c.map.CreateOnTile(*c.tile, command.number, static_cast<CreateType>(command.word));
}

void Reroll(const CommandContext& c, const SpellCommand& command)
{
    const std::uint32_t roll = RandomU32() % 101;
    std::cout << "Roll was " << roll << " and needed was " << command.number << std::endl;
    if (static_cast<std::int64_t>(roll) > spelltargeting::RerollTarget(command.number, c.caster))
        *c.spell.backedOut = true;
}

void Cleanse(const CommandContext& c, const SpellCommand& command)
{
    Wizard* w = command.section == CommandType::Self ? &c.caster : c.wizard;
    if (!w) return;
    // Last first; a defeated wizard holds no records, so nothing here can empty the list early.
    while (!w->statusEffects.empty()) {
        w->RemoveStatusEffectAt(w->statusEffects.size() - 1);
        w->ChangeHealth(3);
        Text(c.map, "3", w->Position(), 2.5f, 30.0f, kGreen);
    }
}

}  // namespace

std::int32_t DamageValue(const Spell& spell, const Wizard& caster, std::int32_t amount)
{
    const double factor = spelltargeting::TileBonus(spell, caster) ? 1.5 : 1.0;
    return static_cast<std::int32_t>(std::ceil(static_cast<double>(amount) * factor));
}

void RunCommand(const CommandContext& context, const SpellCommand& command)
{
    switch (command.kind) {
    case CommandKind::Damage: Damage(context, command); break;
    case CommandKind::Inflict: Inflict(context, command); break;
    case CommandKind::Create: Create(context, command); break;
    case CommandKind::Reroll: Reroll(context, command); break;
    case CommandKind::Cleanse: Cleanse(context, command); break;
    }
}
