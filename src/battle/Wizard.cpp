#include "battle/Wizard.h"

#include <algorithm>
#include <cmath>

#include "battle/Map.h"
#include "battle/Tile.h"
#include "engine/Log.h"
#include "objects/Animation.h"
#include "objects/Transform.h"
#include "render/Emitter.h"
#include "render/MaterialInputs.h"
#include "spells/Spell.h"

namespace {

const char* EffectAnimation(InflictType type)
{
    switch (type) {
    case InflictType::Burned: return "burned";
    case InflictType::Petrified: return "petrified";
    case InflictType::Confused: return "confused";
    case InflictType::Frostbitten: return "frostbitten";
    case InflictType::Blinded: return "blinded";
    default: return nullptr;
    }
}

}  // namespace

Wizard::Wizard(std::int32_t column, std::int32_t row, std::int32_t health, std::int32_t side)
    : column(column), row(row), previousColumn(column), previousRow(row), logicalColumn(column),
      logicalRow(row), side(side), health(health), maxHealth(health), shownHealth(static_cast<float>(health))
{
    name = "Name";
}

void Wizard::ChangeHealth(std::int32_t delta)
{
    if (!Alive()) return;
    std::int64_t next = static_cast<std::int64_t>(health) + delta;
    health = static_cast<std::int32_t>(std::clamp<std::int64_t>(next, 0, std::max(0, maxHealth)));
    if (health == 0) Defeat();
}

void Wizard::SetHealth(std::int32_t value)
{
    bool wasAlive = Alive();
    health = std::clamp(value, 0, kHealthCeiling);
    if (health == 0 && wasAlive) Defeat();
}

void Wizard::Defeat()
{
    health = 0;
    ap = 0;
    for (const StatusEffect& effect : statusEffects) emitters.erase(effect.icon);
    statusEffects.clear();
    if (tile && tile->wizard == this) tile->wizard = nullptr;
    tile = nullptr;
    walking = false;
    velocity = glm::vec2(0.0f);
    if (map) map->OnWizardDefeated(*this);
}

void Wizard::AddSpell(const Spell* spell)
{
    if (!spell) return;
    hand.push_back(spell);
    ++spellCount;
    if (map) map->OnHandChanged(*this);
}

void Wizard::RemoveSpellAt(int index)
{
    if (index < 0 || index >= static_cast<int>(hand.size())) return;
    hand.erase(hand.begin() + index);
    --spellCount;
    int count = static_cast<int>(hand.size());
    selectedCard = count == 0 ? -1 : (index - 1 + count) % count;
    if (map) map->OnHandChanged(*this);
}

int Wizard::CountNonCantrips() const
{
    return static_cast<int>(std::count_if(hand.begin(), hand.end(),
                                          [](const Spell* s) { return s && s->name != kCantripName; }));
}

bool Wizard::HoldsSpellNamed(const std::string& spellName) const
{
    return std::any_of(hand.begin(), hand.end(), [&](const Spell* s) { return s && s->name == spellName; });
}

void Wizard::AddStatusEffect(StatusEffect effect)
{
    if (!Alive()) return;
    effect.icon = "active_effect_" + std::to_string(effectCounter++);
    const char* animation = EffectAnimation(effect.type);
    if (animation && map && map->visuals) {
        Emitter* emitter = addEmitter("Wizard_Effects", effect.icon);
        emitter->SetEffect(animation);
        glm::vec2 p = Position();
        emitter->setPosition(p.x, p.y);
    }
    statusEffects.push_back(std::move(effect));
}

void Wizard::RemoveStatusEffectAt(std::size_t index)
{
    if (index >= statusEffects.size()) return;
    if (auto* emitter = getEmitter(statusEffects[index].icon)) emitter->Stop();
    statusEffects.erase(statusEffects.begin() + static_cast<std::ptrdiff_t>(index));
}

void Wizard::TickStatusEffects(int phase)
{
    if (!Alive() || !map) return;
    // Entries are ticked in order; a tick may defeat the wizard, which empties the list.
    for (std::size_t i = 0; i < statusEffects.size() && Alive(); ++i) map->TickWizardEffect(*this, statusEffects[i], phase);
    for (std::size_t i = statusEffects.size(); i-- > 0;)
        if (statusEffects[i].remaining < 0) RemoveStatusEffectAt(i);
}

bool Wizard::HasStatus(InflictType type) const
{
    return std::any_of(statusEffects.begin(), statusEffects.end(), [&](const StatusEffect& e) { return e.type == type; });
}

void Wizard::ReadStats(const json::Value& doc)
{
    if (!doc.IsObject()) {
        print("Error:Not an object.");
        return;
    }
    int value = 0;
    if (json::GetInt(doc, "health", value) == json::Field::Ok)
        SetHealth(value);
    else
        print("Error: 'health' missing.");
    if (json::GetInt(doc, "numSpells", value) == json::Field::Ok)
        spellCount = value;
    else
        print("Error: 'numSpells' missing.");
    if (json::GetInt(doc, "movementRange", value) == json::Field::Ok)
        movementRange = value;
    else
        print("Error: 'movementRange' is missing.");
    if (json::GetInt(doc, "AP", value) == json::Field::Ok)
        ap = std::clamp(value, 0, kMaxAp);
    else
        print("Error: 'AP' is missing.");
    const json::Value* start = nullptr;
    if (json::GetArray(doc, "startPosition", start) != json::Field::Ok || start->Size() != 2) {
        print("Error: 'startPosition'  missing.");
        return;
    }
}

void Wizard::Read(const std::string& fileName)
{
    json::Document doc;
    if (!json::ParseFile(fileName, doc).ok()) {
        print("Error: Failed to open doc.");
        return;
    }
    ReadStats(doc);
}

glm::vec2 Wizard::Position() const
{
    if (auto* t = Get<Transform>()) return t->position;
    return storedPosition;
}

void Wizard::SetPosition(glm::vec2 position)
{
    storedPosition = position;
    if (auto* t = Get<Transform>()) t->setPosition(position);
}

void Wizard::Update(float dt)
{
    if (walking) StepWalk(dt);
    if (auto* animation = Get<Animation>()) animation->currentFrame = Frame();
    // The bar eases towards the real health by at most half a point per frame.
    float target = static_cast<float>(health);
    shownHealth += std::clamp(target - shownHealth, -0.5f, 0.5f);
    glm::vec2 p = Position();
    for (const StatusEffect& effect : statusEffects)
        if (auto* emitter = getEmitter(effect.icon)) emitter->setPosition(p.x, p.y);
    Object::Update(dt);
}

void Wizard::StepWalk(float dt)
{
    if (waypoint < 0 || waypoint >= static_cast<int>(path.size())) {
        EndWalk();
        return;
    }
    glm::vec2 p = Position() + velocity * dt;
    glm::vec2 target = path[static_cast<std::size_t>(waypoint)]->WorldPosition();
    bool reached = (facing == 0 && p.x >= target.x) || (facing == 1 && p.y <= target.y) ||
                   (facing == 2 && p.x <= target.x) || (facing == 3 && p.y >= target.y) || velocity == glm::vec2(0.0f);
    SetPosition(reached ? target : p);
    // One waypoint per frame at most: a long frame snaps to it and never skips an entered tile.
    if (reached) ReachWaypoint();
}

void Wizard::ReachWaypoint()
{
    Tile* reachedTile = path[static_cast<std::size_t>(waypoint)];
    bool isStart = waypoint == static_cast<int>(path.size()) - 1;
    if (!isStart && map) map->ApplyEnteringEffects(*this, *reachedTile);
    if (!Alive() || waypoint == 0) {
        EndWalk();
        return;
    }
    --waypoint;
    glm::vec2 next = path[static_cast<std::size_t>(waypoint)]->WorldPosition();
    velocity = (next - Position()) * walkSpeed;
    if (std::fabs(velocity.x) <= std::fabs(velocity.y))
        facing = velocity.y > 0.0f ? 3 : 1;
    else
        facing = velocity.x > 0.0f ? 0 : 2;
}

void Wizard::EndWalk()
{
    walking = false;
    velocity = glm::vec2(0.0f);
    Tile* destination = path.empty() ? nullptr : path.front();
    if (destination) {
        logicalColumn = destination->column;
        logicalRow = destination->row;
    }
    path.clear();
    waypoint = -1;
    if (map) map->OnWalkEnded(*this, destination);
}

void Wizard::FillMaterialInputs(MaterialInputs& inputs) const
{
    inputs.playerNumber = side;
    inputs.currentValue = shownHealth;
    inputs.maxValue = static_cast<float>(std::max(1, maxHealth));
}
