#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "battle/StatusEffect.h"
#include "engine/Json.h"
#include "objects/Object.h"

class Map;
class Spell;
class Tile;

// A wizard of one side standing on one tile: health, action points, a hand of spells from the
// map's spell book, status effects and the walk in progress. A defeated wizard stays in the map's
// list with health 0 and no tile.
class Wizard : public Object {
public:
    static constexpr std::int32_t kMaxAp = 5;
    static constexpr std::int32_t kHealthCeiling = 100;
    static constexpr float kWalkSpeed = 5.0f;

    Wizard(std::int32_t column, std::int32_t row, std::int32_t health, std::int32_t side);

    bool Alive() const { return health >= 1; }
    // Only while alive: health moves by delta within 0..maximum; reaching 0 defeats the wizard.
    void ChangeHealth(std::int32_t delta);
    // Health becomes value held within 0..100 (restart and the stats reader); 0 defeats.
    void SetHealth(std::int32_t value);

    // Appends a spell of the map's book to the hand. Null adds nothing.
    void AddSpell(const Spell* spell);
    // Removes the hand's spell at index; the selected index follows as a cast expects:
    // (index - 1 + count) mod count of the new count, or -1 when the hand is empty.
    void RemoveSpellAt(int index);
    // Spells in the hand that count towards the limit of four (all but "Cantrip").
    int CountNonCantrips() const;
    bool HoldsSpellNamed(const std::string& spellName) const;

    // Adds an entry (living wizards only) with its effect emitter "active_effect_<n>".
    void AddStatusEffect(StatusEffect effect);
    // Ticks every entry with the phase through the map's spell rules; removes those below 0.
    void TickStatusEffects(int phase);
    // Removes one entry and stops its emitter.
    void RemoveStatusEffectAt(std::size_t index);
    bool HasStatus(InflictType type) const;

    // The stats format: "health", "numSpells", "movementRange", "AP", "startPosition".
    void ReadStats(const json::Value& doc);
    void Read(const std::string& fileName) override;

    void Update(float dt) override;
    void FillMaterialInputs(MaterialInputs& inputs) const override;

    glm::vec2 Position() const;
    void SetPosition(glm::vec2 position);
    // The sheet frame: the facing, +4 once defeated.
    int Frame() const { return facing + (Alive() ? 0 : 4); }

    std::vector<StatusEffect> statusEffects;
    Tile* tile = nullptr;
    Map* map = nullptr;
    std::int32_t column;
    std::int32_t row;
    std::int32_t previousColumn;
    std::int32_t previousRow;
    std::int32_t logicalColumn;
    std::int32_t logicalRow;
    std::int32_t side;
    std::int32_t facing = 0;
    std::int32_t health;
    std::int32_t maxHealth;
    std::int32_t ap = kMaxAp;
    std::int32_t maxAp = kMaxAp;
    std::int32_t movementRange = 5;
    std::int32_t spellCount = 0;
    std::vector<const Spell*> hand;
    int selectedCard = -1;
    // The walk in progress: path destination first, start tile last.
    bool walking = false;
    std::vector<Tile*> path;
    int waypoint = -1;
    glm::vec2 velocity{0.0f};
    float walkSpeed = kWalkSpeed;
    float shownHealth;        // what the health bar shows, easing towards health
    int markerFrame = 0;      // turn marker: 0 turn start, 1 AP spent, 2 possible target
    bool markerShown = false;
    int effectCounter = 0;    // grows with every effect added, so emitter names never repeat

private:
    glm::vec2 storedPosition{0.0f};  // where a wizard without a Transform (headless) stands
    void Defeat();
    void StepWalk(float dt);
    void ReachWaypoint();
    void EndWalk();
};
