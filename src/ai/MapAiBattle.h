#pragma once
#include <cstdint>
#include <string>

#include "ai/AiBattle.h"

class Map;
class Spell;
class Wizard;

// The computer's view of a real battle: reads the map into the snapshot its decisions use and acts
// through the controls' computer entry points, which skip only the locks that hold back a human
// (the computer's turn, prompts, map view, party mode). Serves whichever side the driver plays.
class MapAiBattle : public AiBattle {
public:
    explicit MapAiBattle(Map& map) : map(map) {}

    bool BattleOver() const override;
    bool Busy() const override;
    std::int32_t State() const override;
    std::int32_t WizardCount() const override;
    WizardState Wizard(std::int32_t index) const override;
    void BuildBoard(AiBoard& board) const override;

    void StartTurn() override;
    void EndTurn() override;

    void Deselect() override;
    void ClickTile(std::int32_t column, std::int32_t row) override;
    bool SelectCard(std::int32_t wizard, const Spell* spell, const std::string& spellName) override;
    void CollectToken() override;
    void SetAp(std::int32_t wizard, std::int32_t ap) override;

    void Caption(std::int32_t wizard, const std::string& text) override;
    void Announce(const std::string& text) override;
    void Follow(std::int32_t wizard) override;

private:
    class Wizard* At(std::int32_t index) const;

    Map& map;
    const class Wizard* followed = nullptr;
};

// What the computer reads of one spell in a caster's hand, with reach and hit chance by the same
// rules the cards and target marks use.
AiSpell DescribeSpell(const Spell& spell, const class Wizard& caster);
