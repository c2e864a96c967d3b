#include <random>

#include "battle/Map.h"
#include "objects/Transform.h"
#include "render/Emitter.h"

void Map::PressEscape()
{
    // Once the battle is over the closing panel leads out; no pause menu can skip the victory.
    if (battleOver) return;
    hooks->PlaySound("Click");
    paused = !paused;
    if (paused && partyMode) {
        partyMode = false;
        hooks->SwitchMusic(false, true);
    }
    hooks->SwitchMusic(paused, false);
    hooks->ControlsChanged();
}

void Map::PressPartyKey()
{
    if (paused || Busy()) return;
    partyMode = !partyMode;
    if (partyMode) {
        controls.ResetSelection();
        hooks->SwitchMusic(true, true);
    } else {
        hooks->SwitchMusic(false, true);
        ClearAllMarks();
    }
}

void Map::PressMapViewKey()
{
    if (paused) return;
    mapView = !mapView;
}

void Map::UpdatePartyMode(float dt)
{
    // Cosmetic only, so it draws from its own source and never shifts the battle's rolls.
    static std::minstd_rand party(7u);
    partyClock += dt;
    partyTileClock += dt;
    if (partyClock >= 0.2f) {
        partyClock = 0.0f;
        for (auto& wizard : wizards) wizard->facing = (wizard->facing + 1) % 4;
    }
    if (partyTileClock >= 0.6f) {
        partyTileClock = 0.0f;
        const std::int32_t looks[9] = {1, 2, 3, 4, 5, 6, -2, 9, 10};
        for (auto& tile : tiles) {
            std::int32_t look = looks[party() % 9];
            if (look != -2) tile->SetTint(look);
        }
    }
}

void Map::UpdateObjects(float dt)
{
    std::vector<MapObject*> spent;
    for (auto& object : objects) {
        MapObject& o = *object;
        if (o.IsToken() && visuals && !o.getEmitter("effect")) {
            Emitter* effect = o.addEmitter("Primalite", "effect");
            glm::vec2 p = o.tile ? o.tile->WorldPosition() : glm::vec2(0.0f);
            effect->setPosition(p.x, p.y);
            effect->SetEffect("Shimmer");
        }
        o.shownHealth += std::clamp(static_cast<float>(o.health) - o.shownHealth, -0.5f, 0.5f);
        if (!o.IsToken() && o.health < 1) spent.push_back(&o);
        o.Update(dt);
    }
    for (MapObject* object : spent) DestroyObject(object);
}

void Map::Update(float dt)
{
    if (paused) return;
    if (partyMode) UpdatePartyMode(dt);
    controls.Update(dt);
    if (computerDriver && turns.IsComputerSide(turns.currentSide) && !battleOver)
        computerDriver(*this, dt);
    if (state == kIdle) {
        for (auto& wizard : wizards) {
            bool mine = wizard->side == turns.currentSide && wizard->Alive() && turns.turnStarted;
            wizard->markerShown = mine;
            if (mine && !wizard->walking) wizard->markerFrame = wizard->ap < Wizard::kMaxAp ? 1 : 0;
        }
        for (auto& object : objects) object->markerShown = false;
        for (auto& tile : tiles) tile->markerShown = false;
    } else if (state == kSpellInFlight) {
        if (rules.updateFlight)
            rules.updateFlight(*this, dt);
        else
            FinishCast();
    }
    for (auto& tile : tiles) tile->Update(dt);
    UpdateObjects(dt);
    for (auto& wizard : wizards) wizard->Update(dt);
    if (victoryPending && !tutorial && !battleOver && pendingWinner == turns.currentSide - 1)
        controls.Announce("All enemies defeated.\n End turn to claim victory.", -1.0f, {1.0f, 0.0f, 0.0f});
}
