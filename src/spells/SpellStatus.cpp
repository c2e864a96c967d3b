#include <algorithm>

#include "battle/Map.h"
#include "spells/SpellCast.h"

// What status records do when their holder's side begins its turn (phase 0) and while a wizard
// walks (phase 4). Records from "on self" and "on ally" lines never act or count down.
namespace spellcast {
namespace {

constexpr int kRed = 1;
constexpr int kYellow = 3;
constexpr int kTurnStart = 0;
constexpr int kTileEntered = 4;

struct TickText {
    const char* text;
    int colour;
};

TickText TextFor(InflictType type)
{
    switch (type) {
    case InflictType::Burned: return {"Burned: -5 HP", kRed};
    case InflictType::Petrified: return {"Petrified: -1 AP", kYellow};
    case InflictType::Confused: return {"Confused: -50% Accuracy", kYellow};
    case InflictType::Frostbitten: return {"Frostbitten: -1 HP per Move", kYellow};
    case InflictType::Blinded: return {"Blinded: -25% Range", kYellow};
    case InflictType::None: break;
    }
    return {"", kYellow};
}

bool Acts(InflictType type)
{
    return type >= InflictType::Burned && type <= InflictType::Blinded;
}

void Show(Map& map, const char* text, int colour, glm::vec2 at)
{
    map.hooks->ShowFloatingText({text, 5.0f, 20.0f, colour, at, nullptr});
}

void TurnStart(Map& map, Wizard& wizard, StatusEffect& record)
{
    if (!Acts(record.type)) return;
    if (--record.remaining < 0) return;  // spent: the wizard removes it after the tick
    const InflictType type = record.type;
    // Nothing below may touch the record again: a burn can defeat the wizard, which empties its list.
    if (type == InflictType::Burned) wizard.ChangeHealth(-5);
    if (type == InflictType::Petrified) wizard.ap = std::max(0, wizard.ap - 1);
    const TickText shown = TextFor(type);
    Show(map, shown.text, shown.colour, wizard.Position());
}

}  // namespace

void TickWizard(Map& map, Wizard& wizard, StatusEffect& record, int phase)
{
    if (record.source != CommandType::Enemy || !wizard.Alive() || wizard.side != map.turns.currentSide) return;
    if (phase == kTurnStart) TurnStart(map, wizard, record);
    if (phase == kTileEntered && record.type == InflictType::Frostbitten) {
        wizard.ChangeHealth(-1);
        Show(map, "-1 HP", kRed, wizard.Position());
    }
}

void TickObject(Map& map, MapObject& object, StatusEffect& record, int phase)
{
    if (phase != kTurnStart || record.type != InflictType::Burned || object.health < 1) return;
    if (--record.remaining < 0) return;
    object.ChangeHealth(-5);
    Show(map, "Burned: -5 HP", kRed,
         {64.0f * static_cast<float>(object.column), -64.0f * static_cast<float>(object.row)});
}

}  // namespace spellcast
