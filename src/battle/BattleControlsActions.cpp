#include <algorithm>

#include "battle/BattleControls.h"
#include "battle/Map.h"
#include "battle/Pathing.h"
#include "engine/Log.h"
#include "spells/Spell.h"

namespace {
constexpr glm::vec3 kRed{1.0f, 0.0f, 0.0f};
}

bool BattleControls::SelectCard(int index)
{
    if (!AcceptsPlayerInput()) return false;
    return PickCard(index);
}

bool BattleControls::ComputerSelectCard(int index)
{
    if (!AcceptsComputerInput()) return false;
    computerActing = true;
    bool picked = PickCard(index);
    computerActing = false;
    return picked;
}

bool BattleControls::PickCard(int index)
{
    Wizard* wizard = selectedWizard;
    if (!wizard || !wizard->Alive() || !wizard->tile || wizard->side != map->turns.currentSide) return false;
    if (index < 0 || index >= static_cast<int>(wizard->hand.size())) return false;
    const Spell* spell = wizard->hand[static_cast<std::size_t>(index)];
    if (!spell) return false;
    wizard->selectedCard = index;
    map->state = Map::kAiming;
    map->ClearAllMarks();
    bool affordable = wizard->ap >= spell->cost;
    if (affordable) MarkTargets(*wizard, *spell);
    selectedTile = wizard->tile;
    cardsVisible = true;
    buttons = {"Back"};
    bool computerTurn = map->turns.IsComputerSide(map->turns.currentSide);
    if (!computerTurn) {
        if (affordable) {
            Announce("Targeting Mode:\nSelect Highlighted Target To Cast Spell", -1.0f, kRed);
        } else {
            Announce("Not Enough AP!", -1.0f, kRed);
            map->hooks->ShowFloatingText({"Not Enough AP!", 2.5f, 20.0f, 1, wizard->Position(), wizard});
        }
    }
    map->hooks->ControlsChanged();
    return true;
}

void BattleControls::MarkTargets(Wizard& caster, const Spell& spell)
{
    int reach = SpellReach(caster, spell);
    Tile* origin = caster.tile;
    for (auto& owned : map->tiles) {
        Tile& tile = *owned;
        if (&tile == origin || distanceBetweenTiles(origin, &tile) > reach) continue;
        tile.SetTint(Tile::kTintInRange);
        Wizard* standing = tile.wizard;
        bool enemy = standing && standing->Alive() && standing->side != caster.side;
        bool ally = standing && standing->side == caster.side;
        if ((enemy && !spell.enemyCommands.empty()) || (ally && !spell.allyCommands.empty())) {
            tile.SetTint(Tile::kTintRed);
            standing->markerFrame = 2;
        }
        if (!spell.tileCommands.empty()) {
            bool object = tile.object && !tile.object->IsToken();
            if (spell.createsObjects || object) {
                tile.SetTint(Tile::kTintRed);
                if (object)
                    tile.object->markerShown = true;
                else
                    tile.markerShown = true;
            }
        }
    }
    // The caster's own tile is a target exactly when the spell has something to do to the caster.
    if (spell.TargetsOwnTile() && origin) {
        origin->SetTint(Tile::kTintRed);
        caster.markerFrame = 2;
    }
}

bool BattleControls::Press(const std::string& button)
{
    if (!AcceptsPlayerInput()) return false;
    if (std::find(buttons.begin(), buttons.end(), button) == buttons.end() && button != "Cast") return false;
    if (button == "Walk") return EnterWalkMode();
    if (button == "Cast") {
        if (!selectedWizard || selectedWizard->hand.empty()) return false;
        cardsVisible = true;
        buttons = {"Back"};
        return true;
    }
    if (button == "Back") {
        Wizard* wizard = selectedWizard;
        bool walkMode = map->state == Map::kWalkMode;
        ResetSelection();
        // Leaving walk mode returns to the wizard with its cards; leaving aiming drops everything.
        if (walkMode && wizard && wizard->Alive()) SelectWizard(*wizard);
        map->hooks->ControlsChanged();
        return true;
    }
    if (button == "Jump") {
        Wizard* next = NextJumpWizard();
        if (!next) return false;
        if (!map->cameraLocked) map->hooks->GlideCamera(next->Position());
        ResetSelection();
        SelectWizard(*next);
        map->hooks->ControlsChanged();
        return true;
    }
    if (button == "EndTurn") {
        bool spent = std::none_of(map->wizards.begin(), map->wizards.end(), [&](const auto& w) {
            return w->side == map->turns.currentSide && w->Alive() && w->ap > 0;
        });
        if (spent)
            EndTurnNow();
        else
            endTurnPromptShown = true;
        map->hooks->ControlsChanged();
        return true;
    }
    if (button == "PickUp") {
        map->CollectToken();
        return true;
    }
    return false;
}

bool BattleControls::AnswerEndTurnPrompt(bool yes)
{
    if (!endTurnPromptShown) return false;
    endTurnPromptShown = false;
    if (yes && AcceptsPlayerInput()) EndTurnNow();
    map->hooks->ControlsChanged();
    return true;
}

void BattleControls::EndTurnNow()
{
    ResetSelection();
    map->turns.EndTurn();
    ResetSelection();
}

void BattleControls::RequestTurnBanner(int side)
{
    bannerShown = true;
    bannerSide = side;
    map->hooks->PlaySound("Horn");
    map->hooks->ControlsChanged();
}

bool BattleControls::PressReady()
{
    // Only a shown banner with its turn still to start: a second press never restarts a turn.
    if (!bannerShown || map->turns.turnStarted || map->battleOver) return false;
    bannerShown = false;
    map->turns.StartTurn();
    map->hooks->ControlsChanged();
    if (map->tutorial) map->hooks->TutorialMilestone(0);
    return true;
}

void BattleControls::ShowWelcome()
{
    if (!map->Playable()) {
        unplayableShown = true;
        map->hooks->ControlsChanged();
        return;
    }
    if (welcomeDone || welcomeShown) return;
    if (map->tutorial) {
        welcomeDone = true;
        map->turns.StartGame();
        PressReady();
        return;
    }
    welcomeShown = true;
    map->hooks->ControlsChanged();
}

bool BattleControls::PressWelcome()
{
    if (!welcomeShown || welcomeDone) return false;
    welcomeShown = false;
    welcomeDone = true;
    map->cameraEnabled = true;
    map->turns.StartGame();
    map->hooks->ControlsChanged();
    return true;
}

void BattleControls::Announce(const std::string& text, float seconds, glm::vec3 colour)
{
    announcement = text;
    announcementTime = seconds;
    announcementColour = colour;
}

void BattleControls::ClearAnnouncement()
{
    announcement.clear();
    announcementTime = -1.0f;
}

void BattleControls::OnTurnStarted()
{
    buttons = {"Jump", "EndTurn"};
    Wizard* next = NextJumpWizard();
    if (next) {
        if (!map->cameraLocked) map->hooks->GlideCamera(next->Position());
        SelectWizard(*next);
    }
    map->hooks->ControlsChanged();
}

void BattleControls::OnCastFinished(Wizard* caster)
{
    ClearAnnouncement();
    if (caster && caster->Alive() && caster->tile && caster->side == map->turns.currentSide)
        SelectWizard(*caster);
    else
        ResetSelection();
    map->hooks->ControlsChanged();
}

void BattleControls::OnWalkEnded(Wizard& wizard)
{
    if (selectedWizard == &wizard) Refresh();
    map->hooks->ControlsChanged();
}

void BattleControls::Update(float dt)
{
    if (announcementTime >= 0.0f) {
        announcementTime -= dt;
        if (announcementTime < 0.0f) ClearAnnouncement();
    }
    if (map->state == Map::kWalkMode) UpdatePathPreview();
    if (map->state == Map::kAiming) UpdateAimArea();
    if (map->battleOver) {
        if (!closingStarted) {
            closingStarted = true;
            closingPanelY = -static_cast<float>(map->windowHeight);
        }
        bool below = closingPanelY <= 0.0f;
        closingPanelY += 450.0f * dt;
        if (below && closingPanelY > 0.0f) exitRequested = true;
    }
}

void BattleControls::UpdatePathPreview()
{
    Wizard* wizard = selectedWizard;
    Tile* hovered = map->hoveredTile;
    if (!wizard || !wizard->tile || !hovered || hovered == wizard->tile || !hovered->highlighted) return;
    for (auto& tile : map->tiles) {
        if (!tile->pathMark) continue;
        tile->pathMark = 0;
        tile->SetTint(Tile::kTintBlue);
    }
    wizard->tile->SetTint(Tile::kTintWhite);
    getPathing(*map, wizard->tile, hovered, wizard->ap, true);
}

void BattleControls::UpdateAimArea()
{
    for (auto& tile : map->tiles) tile->areaMark = 0;
    const Spell* spell = SelectedSpell();
    Tile* hovered = map->hoveredTile;
    if (!spell || !hovered || !hovered->highlighted || hovered->tintMode == Tile::kTintInRange) return;
    int area = spell->size - 1;
    if (spell->createsObjects && hovered->Alignment() == static_cast<int>(spell->element) && hovered->Alignment() != 0) area = spell->size;
    for (auto& tile : map->tiles)
        if (distanceBetweenTiles(hovered, tile.get()) <= area) tile->areaMark = 1;
}
