#include "battle/BattleControls.h"

#include <algorithm>
#include <iostream>

#include "battle/Map.h"
#include "battle/Pathing.h"
#include "engine/Log.h"
#include "spells/Spell.h"

namespace {
constexpr glm::vec3 kRed{1.0f, 0.0f, 0.0f};
}

int SpellReach(const Wizard& caster, const Spell& spell)
{
    if (caster.HasStatus(InflictType::Blinded)) return static_cast<int>(static_cast<float>(spell.range) * 0.75f);
    return spell.range;
}

bool BattleControls::AcceptsComputerInput() const
{
    return map && !map->paused && !map->battleOver && !map->Busy() && map->turns.turnStarted;
}

bool BattleControls::AcceptsPlayerInput() const
{
    if (!AcceptsComputerInput()) return false;
    if (map->mapView || map->partyMode || AnyPromptShown()) return false;
    return !map->turns.IsComputerSide(map->turns.currentSide);
}

int BattleControls::tileEventHandler(Tile* tile)
{
    if (!AcceptsPlayerInput()) return kIgnored;
    return Handle(tile);
}

int BattleControls::ComputerClick(Tile* tile)
{
    if (!AcceptsComputerInput()) return kIgnored;
    computerActing = true;
    int result = Handle(tile);
    computerActing = false;
    return result;
}

int BattleControls::Finish(int result)
{
    lastResult = result;
    std::cout << "tileEventHandler result was ID " << result << std::endl;
    Refresh();
    map->hooks->ControlsChanged();
    return result;
}

int BattleControls::Handle(Tile* tile)
{
    Refresh();
    if (!tile) {
        ResetSelection();
        if (!map->turns.IsComputerSide(map->turns.currentSide)) ClearAnnouncement();
        return Finish(0);
    }
    if (tile->wizard && tile->wizard->side == map->turns.currentSide && tile->wizard != selectedWizard)
        map->hooks->PlaySound("Sword_Announcement");
    if (map->state == Map::kAiming) return Aim(*tile);
    if (selectedWizard && selectedTile && selectedTile->wizard == selectedWizard &&
        selectedWizard->side == map->turns.currentSide)
        return WithSelection(*tile);
    return WithoutSelection(*tile);
}

const Spell* BattleControls::SelectedSpell() const
{
    if (!selectedWizard) return nullptr;
    int index = selectedWizard->selectedCard;
    if (index < 0 || index >= static_cast<int>(selectedWizard->hand.size())) return nullptr;
    return selectedWizard->hand[static_cast<std::size_t>(index)];
}

int BattleControls::Aim(Tile& tile)
{
    Wizard* caster = selectedWizard;
    const Spell* spell = SelectedSpell();
    bool target = tile.highlighted && tile.tintMode != Tile::kTintInRange;
    if (!caster || !spell || !target) {
        ResetSelection();
        return Finish(-1);
    }
    // Without the AP the click changes nothing: aiming goes on.
    if (caster->ap < spell->cost) return kIgnored;
    if (!tile.wizard) return CastAt(tile, CommandType::Tile, 4);
    if (tile.wizard == caster) {
        // The caster's own tile: its self commands, else the ally ones (the caster is its own ally).
        if (!spell->selfCommands.empty()) return CastAt(tile, CommandType::Self, 3);
        return CastAt(tile, CommandType::Ally, 2);
    }
    if (tile.wizard->side == caster->side) return CastAt(tile, CommandType::Ally, 2);
    return CastAt(tile, CommandType::Enemy, 1);
}

int BattleControls::CastAt(Tile& tile, CommandType kind, int result)
{
    Wizard* caster = selectedWizard;
    const Spell* spell = SelectedSpell();
    caster->ap -= spell->cost;
    map->caster = caster;
    map->targetTile = &tile;
    map->targetWizard = tile.wizard;
    map->castKind = kind;
    map->lastCasterSide = caster->side;
    map->ClearAllMarks();
    cardsVisible = false;
    map->state = Map::kSpellInFlight;
    bool launched = map->rules.launch && map->rules.launch(*map);
    if (!launched) {
        // Nothing flies: the AP comes back and the battle stays where it was.
        print("??? Map Class :: the spell could not be launched ???");
        caster->ap += spell->cost;
        map->state = Map::kIdle;
    }
    lastResult = result;
    std::cout << "tileEventHandler result was ID " << result << std::endl;
    map->hooks->ControlsChanged();
    return result;
}

int BattleControls::WalkTo(Tile& tile, int result)
{
    Wizard* walker = selectedWizard;
    if (!MoveWizard(*map, *walker, &tile)) {
        std::cout << "Result was do nothing!" << std::endl;
        ResetSelection();
        return Finish(16);
    }
    map->state = Map::kIdle;
    selectedTile = &tile;
    return Finish(result);
}

int BattleControls::WithSelection(Tile& tile)
{
    Wizard* selected = selectedWizard;
    bool empty = !tile.wizard && !tile.object;
    if (empty && tile.highlighted && map->state == Map::kWalkMode) return WalkTo(tile, 15);
    if (empty) {
        std::cout << "Result was do nothing!" << std::endl;
        ResetSelection();
        return Finish(16);
    }
    if (tile.wizard == selected) {
        if (selected->ap >= 1) {
            EnterWalkMode();
            return Finish(6);
        }
        ResetSelection();
        tile.SetTint(Tile::kTintRed);
        return Finish(89);
    }
    if (tile.wizard && tile.wizard->side == map->turns.currentSide) {
        SelectWizard(*tile.wizard);
        return Finish(5);
    }
    if (tile.wizard) {
        bool dead = !tile.wizard->Alive();
        ResetSelection();
        tile.SetTint(Tile::kTintRed);
        if (dead) return Finish(7);
        map->hooks->ShowWizardPanel(*tile.wizard);
        return Finish(678);
    }
    if (tile.object->IsToken() || tile.object->passable) {
        if (tile.highlighted && map->state == Map::kWalkMode) return WalkTo(tile, 8);
        ResetSelection();
        tile.SetTint(Tile::kTintToken);
        return Finish(9);
    }
    ResetSelection();
    tile.SetTint(Tile::kTintRed);
    return Finish(10);
}

int BattleControls::WithoutSelection(Tile& tile)
{
    bool hadSelection = selectedTile != nullptr;
    bool hadObjectOnly = selectedTile && !selectedTile->wizard && selectedTile->object;
    ResetSelection();
    if (tile.wizard) {
        Wizard& wizard = *tile.wizard;
        if (!wizard.Alive()) {
            tile.SetTint(Tile::kTintRed);
            return Finish(hadSelection ? 20 : 14);
        }
        if (wizard.side == map->turns.currentSide) {
            SelectWizard(wizard);
            return Finish(hadSelection ? 18 : 13);
        }
        tile.SetTint(Tile::kTintRed);
        map->hooks->ShowWizardPanel(wizard);
        return Finish(hadSelection ? 2457 : 19);
    }
    if (!tile.object) return Finish(hadObjectOnly ? 17 : 23);
    selectedTile = &tile;
    if (tile.object->IsToken()) {
        tile.SetTint(Tile::kTintToken);
        return Finish(hadSelection ? 21 : 11);
    }
    tile.SetTint(Tile::kTintRed);
    return Finish(hadSelection ? 22 : 12);
}

void BattleControls::SelectWizard(Wizard& wizard)
{
    map->ClearAllMarks();
    if (selectedWizard) selectedWizard->selectedCard = -1;
    map->state = Map::kIdle;
    selectedWizard = &wizard;
    selectedTile = wizard.tile;
    if (selectedTile) selectedTile->SetTint(wizard.ap < 1 ? Tile::kTintRed : Tile::kTintWhite);
    cardsVisible = true;
    Refresh();
}

void BattleControls::ResetSelection()
{
    if (!map) return;
    if (selectedWizard) selectedWizard->selectedCard = -1;
    selectedWizard = nullptr;
    selectedTile = nullptr;
    cardsVisible = false;
    if (map->state != Map::kSpellInFlight) map->state = Map::kIdle;
    map->ClearAllMarks();
    for (auto& wizard : map->wizards)
        if (wizard->markerFrame == 2) wizard->markerFrame = wizard->ap < Wizard::kMaxAp ? 1 : 0;
    Refresh();
}

bool BattleControls::EnterWalkMode()
{
    Wizard* wizard = selectedWizard;
    if (!wizard || !wizard->Alive() || !wizard->tile || wizard->ap < 1) return false;
    if (wizard->side != map->turns.currentSide) return false;
    map->ClearAllMarks();
    if (wizard->selectedCard >= 0) wizard->selectedCard = -1;
    map->state = Map::kWalkMode;
    selectedTile = wizard->tile;
    ShowReachable(*map, *wizard->tile, wizard->ap);
    Refresh();
    return true;
}

void BattleControls::Refresh()
{
    if (!map) return;
    if (map->state == Map::kWalkMode || map->state == Map::kAiming) {
        buttons = {"Back"};
        return;
    }
    Wizard* wizard = selectedTile ? selectedTile->wizard : nullptr;
    if (wizard && wizard->side == map->turns.currentSide && wizard->ap != 0) {
        bool token = selectedTile->object && selectedTile->object->Armed();
        if (token)
            buttons = {"PickUp", "Walk", "Jump", "EndTurn"};
        else
            buttons = {"Walk", "Jump", "EndTurn"};
        return;
    }
    if (AnyJumpCandidate())
        buttons = {"Jump", "EndTurn"};
    else
        buttons = {"EndTurn"};
}

bool BattleControls::AnyJumpCandidate() const
{
    for (auto& wizard : map->wizards)
        if (wizard->side == map->turns.currentSide && wizard->Alive() && wizard->ap >= 1) return true;
    return false;
}

Wizard* BattleControls::NextJumpWizard()
{
    std::vector<Wizard*> candidates;
    for (auto& wizard : map->wizards)
        if (wizard->side == map->turns.currentSide && wizard->Alive() && wizard->ap >= 1) candidates.push_back(wizard.get());
    if (candidates.empty()) return nullptr;
    if (jumped.size() >= candidates.size()) jumped.clear();
    for (int pass = 0; pass < 2; ++pass) {
        for (Wizard* wizard : candidates) {
            if (std::find(jumped.begin(), jumped.end(), wizard) != jumped.end()) continue;
            jumped.push_back(wizard);
            return wizard;
        }
        // Everyone left was already visited (others spent their AP): the cycle starts again.
        jumped.clear();
    }
    return nullptr;
}
