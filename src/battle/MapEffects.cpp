#include <algorithm>

#include "battle/Map.h"
#include "engine/Log.h"
#include "objects/Texture.h"
#include "objects/Transform.h"

std::string Map::DescribeOccupant(const Tile& tile)
{
    if (!tile.object) return "None";
    return tile.object->IsToken() ? "Primalite" : "Object";
}

bool Map::Occupied(const Tile& tile)
{
    return tile.object || tile.wizard;
}

bool Map::Blocks(const Tile& tile)
{
    return tile.wizard || (tile.object && !tile.object->IsToken());
}

namespace {

struct Creation {
    const char* kind;
    std::int32_t health;
    bool passable;
    const char* texture;
};

bool CreationOf(CreateType type, Creation& out)
{
    switch (type) {
    case CreateType::Boulder: out = {"Boulder", 15, false, "Boulder"}; return true;
    case CreateType::Primalite: out = {"Primalite", -1, false, "Empty_Token"}; return true;
    case CreateType::Caltrop: out = {"Caltrop", 10, true, "Caltrop"}; return true;
    case CreateType::Ambrosia: out = {"Ambrosia", 20, true, "Ambrosia_Tile"}; return true;
    case CreateType::HotCoal: out = {"Hot_Coal", 15, true, "Hot Coal"}; return true;
    default: return false;
    }
}

}  // namespace

std::int32_t Map::CreationHealth(CreateType kind)
{
    Creation made{};
    return CreationOf(kind, made) ? std::max(0, made.health) : 0;
}

bool Map::CreateOnTile(Tile& tile, int lifetime, CreateType kind)
{
    if (kind == CreateType::FireTile) {
        tile.SetBiome("Fire_Tile");
        return true;
    }
    if (kind == CreateType::AetherTile) {
        tile.SetBiome("Aether_Tile");
        return true;
    }
    Creation made{};
    if (!CreationOf(kind, made) || tile.object) return false;
    if (kind == CreateType::Boulder && tile.wizard) return false;
    auto object = std::make_unique<MapObject>();
    object->kind = made.kind;
    object->SetHealth(made.health);
    object->shownHealth = static_cast<float>(made.health);
    object->passable = made.passable;
    object->column = tile.column;
    object->row = tile.row;
    object->name = "Object_" + std::to_string(tile.column) + "_" + std::to_string(tile.row);
    GiveSprite(*object, "basic", made.texture);
    object->Get<Transform>()->setPosition(tile.WorldPosition());
    object->tile = &tile;
    tile.object = object.get();
    MapObject& placed = *object;
    objects.push_back(std::move(object));
    if (kind == CreateType::Primalite) {
        ArmToken(placed);
        return true;
    }
    if (lifetime < 1) {
        print("??? Map Class :: create lifetime below 1, using 1 ???");
        lifetime = 1;
    }
    decay.push_back({&placed, kind, std::max(1, made.health / lifetime)});
    return true;
}

void Map::DestroyObject(MapObject* object)
{
    if (!object) return;
    decay.erase(std::remove_if(decay.begin(), decay.end(), [&](const DecayEntry& e) { return e.object == object; }),
                decay.end());
    if (object->tile && object->tile->object == object) object->tile->object = nullptr;
    bool dummy = object->kind == "Training_Dummy";
    auto found = std::find_if(objects.begin(), objects.end(), [&](const auto& o) { return o.get() == object; });
    if (found != objects.end()) objects.erase(found);
    if (dummy && tutorial) hooks->TutorialMilestone(5);
}

void Map::ApplyObjectEffect(Wizard& wizard, const Tile& tile)
{
    if (!wizard.Alive() || !tile.object) return;
    const std::string& kind = tile.object->kind;
    if (kind == "Caltrop") {
        wizard.ChangeHealth(-3);
        hooks->ShowFloatingText({"3", 2.5f, 30.0f, 1, wizard.Position(), &wizard});
    } else if (kind == "Ambrosia") {
        wizard.ChangeHealth(4);
        hooks->ShowFloatingText({"4", 2.5f, 40.0f, 2, wizard.Position(), &wizard});
    } else if (kind == "Hot_Coal") {
        wizard.AddStatusEffect({2, InflictType::Burned, CommandType::Enemy, ""});
        hooks->ShowFloatingText({"Burned", 3.5f, 20.0f, 3, wizard.Position(), &wizard});
    }
}

void Map::ApplyEnteringEffects(Wizard& wizard, Tile& tile)
{
    if (!wizard.Alive()) return;
    if (tile.status == "flaming") wizard.AddStatusEffect(tile.storedEffect);
    ApplyObjectEffect(wizard, tile);
    wizard.TickStatusEffects(4);
}

void Map::TickWizardEffect(Wizard& wizard, StatusEffect& effect, int phase)
{
    if (rules.tickWizard) rules.tickWizard(*this, wizard, effect, phase);
}

void Map::TickObjectEffects(int phase)
{
    for (auto& object : objects) {
        auto& effects = object->timedEffects;
        if (rules.tickObject)
            for (StatusEffect& effect : effects) rules.tickObject(*this, *object, effect, phase);
        effects.erase(std::remove_if(effects.begin(), effects.end(), [](const StatusEffect& e) { return e.remaining < 1; }),
                      effects.end());
    }
}

void Map::FinishCast()
{
    Wizard* finished = caster;
    state = kIdle;
    caster = nullptr;
    targetTile = nullptr;
    targetWizard = nullptr;
    controls.OnCastFinished(finished);
    int decided = turns.CheckWinner();
    if (decided >= 0) {
        victoryPending = true;
        pendingWinner = decided;
    }
}

void Map::OnWizardDefeated(Wizard& wizard)
{
    if (controls.selectedWizard == &wizard) {
        controls.selectedWizard = nullptr;
        controls.selectedTile = nullptr;
        controls.cardsVisible = false;
        if (state == kWalkMode || state == kAiming) state = kIdle;
    }
    hooks->HandChanged(wizard);
}

void Map::OnHandChanged(Wizard& wizard)
{
    hooks->HandChanged(wizard);
}

void Map::OnWalkEnded(Wizard& wizard, Tile* destination)
{
    if (destination) {
        bool spent = wizard.ap < 1 || !wizard.Alive();
        destination->SetTint(spent ? Tile::kTintRed : Tile::kTintWhite);
        bool onToken = destination->object && destination->object->IsToken();
        bool onFire = destination->biome == "Fire_Tile";
        if (tutorial && (onToken || onFire)) hooks->TutorialWalkEnded(onToken, onFire);
    }
    controls.OnWalkEnded(wizard);
}

void Map::ReportMissingSpell(const std::string& spellName)
{
    if (std::find(reportedMissing.begin(), reportedMissing.end(), spellName) != reportedMissing.end()) return;
    reportedMissing.push_back(spellName);
    print("??? Map Class :: no spell \"", spellName, "\" in the spell book ???");
}
