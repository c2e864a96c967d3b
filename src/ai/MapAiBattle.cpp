#include "ai/MapAiBattle.h"

#include <algorithm>

#include "battle/Map.h"
#include "spells/Spell.h"
#include "spells/SpellTargeting.h"

namespace {

constexpr std::int32_t kAetherTile = 5;

AiCell DescribeTile(const Tile& tile)
{
    AiCell cell;
    cell.exists = true;
    cell.elementTile = tile.biome == "Aether_Tile" ? kAetherTile : tile.Alignment();
    if (const MapObject* object = tile.object) {
        cell.object = object->IsToken() ? AiCell::kToken : AiCell::kOther;
        cell.tokenActive = object->Armed();
        cell.passable = object->passable;
        cell.objectHealth = object->health;
    }
    return cell;
}

}  // namespace

AiSpell DescribeSpell(const Spell& spell, const class Wizard& caster)
{
    AiSpell s;
    s.spell = &spell;
    s.name = spell.name;
    s.element = static_cast<std::int32_t>(spell.element);
    s.cost = spell.cost;
    s.range = spell.range;
    s.reach = spelltargeting::Reach(spell, caster);
    s.size = spell.size;
    s.hitChance = spelltargeting::HitChance(spell, caster);
    static_cast<SpellEffects&>(s) = spell;
    s.hasSelfCommands = !spell.selfCommands.empty();
    s.hasEnemyCommands = !spell.enemyCommands.empty();
    s.hasAllyCommands = !spell.allyCommands.empty();
    s.hasTileCommands = !spell.tileCommands.empty();
    return s;
}

class Wizard* MapAiBattle::At(std::int32_t index) const
{
    if (index < 0 || index >= static_cast<std::int32_t>(map.wizards.size())) return nullptr;
    return map.wizards[static_cast<std::size_t>(index)].get();
}

bool MapAiBattle::BattleOver() const { return map.battleOver; }

bool MapAiBattle::Busy() const { return map.Busy(); }

std::int32_t MapAiBattle::State() const { return map.state; }

std::int32_t MapAiBattle::WizardCount() const { return static_cast<std::int32_t>(map.wizards.size()); }

AiBattle::WizardState MapAiBattle::Wizard(std::int32_t index) const
{
    WizardState s;
    const class Wizard* w = At(index);
    if (!w) return s;
    s.side = w->side;
    s.health = w->health;
    s.ap = w->ap;
    s.column = w->tile ? w->logicalColumn : -1;
    s.row = w->tile ? w->logicalRow : -1;
    s.handSize = static_cast<std::int32_t>(w->hand.size());
    const Tile* under = w->tile ? map.TileAt(w->logicalColumn, w->logicalRow) : nullptr;
    s.armedTokenUnder = under && under->object && under->object->Armed();
    return s;
}

void MapAiBattle::BuildBoard(AiBoard& board) const
{
    board.Resize(map.width, map.height);
    board.wizards.clear();
    board.maxHealth = map.wizardHealth;
    for (const auto& tile : map.tiles) {
        const std::int32_t cell = board.Index(tile->column, tile->row);
        if (cell >= 0) board.cells[cell] = DescribeTile(*tile);
    }
    for (const auto& owned : map.wizards) {
        const class Wizard& w = *owned;
        const bool standing = w.Alive() && w.tile;
        const std::int32_t index = board.AddWizard(standing ? w.logicalColumn : -1, standing ? w.logicalRow : -1,
                                                   w.side, w.health, w.ap);
        AiWizard& entry = board.wizards[static_cast<std::size_t>(index)];
        entry.hand.reserve(w.hand.size());
        for (const Spell* spell : w.hand)
            if (spell) entry.hand.push_back(DescribeSpell(*spell, w));
    }
}

void MapAiBattle::StartTurn()
{
    // The computer's side is never shown a banner; its turn starts here, once.
    if (!map.turns.turnStarted) map.turns.StartTurn();
}

void MapAiBattle::EndTurn()
{
    map.controls.ResetSelection();
    map.turns.EndTurn();
    map.controls.ResetSelection();
}

void MapAiBattle::Deselect()
{
    // A spell in flight keeps its state until it lands.
    if (map.state == Map::kSpellInFlight) return;
    map.controls.ResetSelection();
}

void MapAiBattle::ClickTile(std::int32_t column, std::int32_t row)
{
    if (Tile* tile = map.TileAt(column, row)) map.controls.ComputerClick(tile);
}

bool MapAiBattle::SelectCard(std::int32_t wizard, const Spell* spell, const std::string& spellName)
{
    const class Wizard* w = At(wizard);
    if (!w || map.controls.selectedWizard != w) return false;
    int index = -1;
    for (std::size_t i = 0; i < w->hand.size() && index < 0; ++i)
        if (spell && w->hand[i] == spell) index = static_cast<int>(i);
    for (std::size_t i = 0; i < w->hand.size() && index < 0; ++i)
        if (w->hand[i] && w->hand[i]->name == spellName) index = static_cast<int>(i);
    return index >= 0 && map.controls.ComputerSelectCard(index);
}

void MapAiBattle::CollectToken()
{
    if (map.controls.AcceptsComputerInput()) map.CollectToken();
}

void MapAiBattle::SetAp(std::int32_t wizard, std::int32_t ap)
{
    class Wizard* w = At(wizard);
    if (!w) return;
    w->ap = w->Alive() ? std::clamp(ap, 0, ::Wizard::kMaxAp) : 0;
    map.controls.Refresh();
    map.hooks->ControlsChanged();
}

void MapAiBattle::Caption(std::int32_t wizard, const std::string& text)
{
    const class Wizard* w = At(wizard);
    if (!w) return;
    map.hooks->ShowFloatingText(FloatingText{text, 5.0f, 20.0f, 0, w->Position(), w});
}

void MapAiBattle::Announce(const std::string& text)
{
    if (text.empty())
        map.controls.ClearAnnouncement();
    else
        map.controls.Announce(text, -1.0f, {1.0f, 0.0f, 0.0f});
}

void MapAiBattle::Follow(std::int32_t wizard)
{
    const class Wizard* w = At(wizard);
    if (!w || w == followed || map.cameraLocked) return;
    followed = w;
    map.hooks->GlideCamera(w->Position());
}
