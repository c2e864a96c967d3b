#include "battle/TurnManager.h"

#include <algorithm>

#include "battle/Map.h"
#include "engine/Log.h"
#include "spells/Spell.h"

void TurnManager::StartGame()
{
    if (!map || started) return;
    if (map->wizards.empty() || wizardsPerSide < 1 || sideCount < 1)
        print("The game could not start because all parameters were not set.");
    started = true;
    round = 1;
    currentSide = 1;
    turnStarted = false;
    if (!IsComputerSide(currentSide)) map->controls.RequestTurnBanner(currentSide);
}

bool TurnManager::IsComputerSide(int side) const
{
    if (!map || sideCount < 2) return false;
    return (side == 2 && map->cpuSide2) || (side == 1 && map->cpuSide1);
}

void TurnManager::StartTurn()
{
    if (!map || map->battleOver) return;
    for (auto& wizard : map->wizards)
        if (wizard->side == currentSide && wizard->Alive()) wizard->ap = Wizard::kMaxAp;
    turnStarted = true;
    TurnStartStep();
    print("Turn Manager: Switched to player: ", currentSide, ". Turn number is: ", round);
}

void TurnManager::TickAllWizards(int phase)
{
    for (auto& wizard : map->wizards) wizard->TickStatusEffects(phase);
}

void TurnManager::TurnStartStep()
{
    TickAllWizards(0);
    for (auto& wizard : map->wizards) {
        if (wizard->side != currentSide || !wizard->Alive()) continue;
        wizard->markerShown = true;
        wizard->markerFrame = 0;
        if (wizard->HoldsSpellNamed(kCantripName)) continue;
        if (const Spell* cantrip = map->SpellOfElementByName(0, kCantripName))
            wizard->AddSpell(cantrip);
        else
            map->ReportMissingSpell(kCantripName);
    }
    for (auto& wizard : map->wizards)
        if (wizard->Alive() && wizard->tile) map->ApplyObjectEffect(*wizard, *wizard->tile);
    map->TickObjectEffects(0);
    map->controls.OnTurnStarted();
}

void TurnManager::EndTurn()
{
    if (!map || map->battleOver) return;
    for (auto& wizard : map->wizards)
        if (wizard->side == currentSide) wizard->ap = 0;
    map->ClearAllMarks();
    if (currentSide >= sideCount) {
        ++round;
        RoundEndStep();
    }
    TickAllWizards(2);
    map->TickObjectEffects(2);
    TurnEndStep();
    int next = currentSide >= sideCount ? 1 : currentSide + 1;
    if (!map->battleOver && !IsComputerSide(next)) map->controls.RequestTurnBanner(next);
    currentSide = next;
    turnStarted = false;
}

void TurnManager::TurnEndStep()
{
    map->controls.ResetSelection();
    TickAllWizards(1);
    for (auto& wizard : map->wizards) wizard->markerShown = false;
    map->TickObjectEffects(1);
    int decided = CheckWinner();
    if (decided >= 0 && !map->tutorial) {
        map->winner = decided;
        map->battleOver = true;
        map->victoryPending = false;
    }
    map->controls.ClearJumpCycle();
}

int TurnManager::CheckWinner() const
{
    if (!map) return -1;
    int standing = 0;
    int last = -1;
    for (int side = 1; side <= sideCount; ++side) {
        if (map->CountLiving(side) > 0) {
            ++standing;
            last = side;
        }
    }
    if (standing == 1) return last - 1;
    if (standing > 1) return -1;
    // Nobody is left: the side whose spell ended it, else the side whose turn it is.
    int side = map->lastCasterSide > 0 ? map->lastCasterSide : currentSide;
    return side - 1;
}

void TurnManager::RoundEndStep()
{
    TickAllWizards(3);
    map->TickObjectEffects(3);
    Decay();
    for (auto& tile : map->tiles) --tile->inactivity;
    if (round % 3 == 0) Refresh();
}

void TurnManager::Decay()
{
    // Every entry loses its amount first; the expired objects go afterwards, so destroying one never
    // disturbs the walk over the list.
    std::vector<MapObject*> expired;
    for (Map::DecayEntry& entry : map->decay) {
        MapObject* object = entry.object;
        std::int64_t next = static_cast<std::int64_t>(object->health) - entry.amount;
        object->health = static_cast<std::int32_t>(std::clamp<std::int64_t>(next, 0, std::max(0, object->maxHealth)));
        if (object->health < 1) expired.push_back(object);
    }
    for (MapObject* object : expired) map->DestroyObject(object);
}

void TurnManager::Refresh()
{
    map->controls.Announce("Primalites Refreshed! ", 5.0f, {1.0f, 1.0f, 0.0f});
    for (auto& object : map->objects)
        if (object->IsToken() && object->element == 0) map->ArmToken(*object);
    if (map->divineIntervention) DivineIntervention();
}

void TurnManager::DivineIntervention()
{
    std::int64_t sums[3] = {0, 0, 0};
    for (auto& wizard : map->wizards)
        if (wizard->side == 1 || wizard->side == 2) sums[wizard->side] += std::max(0, wizard->health);
    bool help[3] = {false, sums[1] <= sums[2], sums[2] <= sums[1]};
    for (auto& wizard : map->wizards) {
        if (wizard->side < 1 || wizard->side > 2 || !help[wizard->side] || !wizard->Alive()) continue;
        const Spell* gift = map->RandomSpellOfElement(0);
        if (!gift) continue;
        wizard->AddSpell(gift);
        FloatingText text{"Divine Intervention!", 5.0f, 20.0f, 4, wizard->Position(), wizard.get()};
        map->hooks->ShowFloatingText(text);
    }
}
