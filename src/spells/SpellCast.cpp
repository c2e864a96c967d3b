#include "spells/SpellCast.h"

#include <cmath>
#include <iostream>
#include <limits>

#include "battle/Map.h"
#include "engine/Random.h"
#include "meta/Config.h"
#include "meta/PlayerProfile.h"
#include "render/Emitter.h"
#include "spells/Spell.h"
#include "spells/SpellCommands.h"
#include "spells/SpellTargeting.h"

namespace spellcast {
namespace {

constexpr int kYellow = 3;

void Sound(Map& map, const std::string& name)
{
    if (UserConfig.sfx && !name.empty()) map.hooks->PlaySound(name);
}

// The tile's "reaction" emitter plays the spell's hit effect from the start.
void Reaction(Tile& tile, const Spell& spell)
{
    if (auto* emitter = tile.getEmitter<Emitter>("reaction")) emitter->SetEffect(spell.hitEffect);
}

void Count(int& counter)
{
    if (counter < std::numeric_limits<int>::max()) ++counter;
}

void CountHit(const Spell& spell)
{
    Count(PlayerProfile.spellsCasted);
    switch (spell.element) {
    case ElementType::Normal: Count(PlayerProfile.normalUsed); break;
    case ElementType::Fire: Count(PlayerProfile.fireUsed); break;
    case ElementType::Water: Count(PlayerProfile.waterUsed); break;
    case ElementType::Earth: Count(PlayerProfile.earthUsed); break;
    case ElementType::Wind: Count(PlayerProfile.windUsed); break;
    }
}

// One cast being resolved: what it has touched so far.
struct Resolution {
    Map& map;
    const Spell& spell;
    Wizard& caster;
    Tile& target;
    CommandType kind;
    bool rollHits = false;
    bool hit = false;
    bool someoneDied = false;

    void AffectWizard(Wizard& wizard, Tile& at, CommandType as)
    {
        RunLists(map, spell, {&wizard, nullptr}, caster, as);
        someoneDied |= !wizard.Alive();
        Reaction(at, spell);
        hit = true;
    }

    void AffectTile(Tile& tile, bool react)
    {
        RunLists(map, spell, {nullptr, &tile}, caster, CommandType::Tile);
        if (react) Reaction(tile, spell);
        hit = true;
    }

    bool WizardCounts(const Wizard* wizard) const
    {
        if (!wizard || wizard->health <= 0) return false;
        const bool ofSideInTurn = wizard->side == map.turns.currentSide;
        return kind == CommandType::Ally ? ofSideInTurn : !ofSideInTurn;
    }

    void Run()
    {
        const std::int32_t radius = spelltargeting::CreationRadius(spell, caster);
        // Tiles are visited by index: commands may create objects and defeat wizards, never tiles.
        const std::size_t count = map.tiles.size();
        switch (kind) {
        case CommandType::Self:
            if (!rollHits) return;
            RunLists(map, spell, {&caster, nullptr}, caster, CommandType::Self);
            someoneDied |= !caster.Alive();
            if (spell.createsObjects)
                for (std::size_t i = 0; i < count; ++i)
                    if (spelltargeting::InArea(*map.tiles[i], target, radius)) AffectTile(*map.tiles[i], false);
            Reaction(target, spell);
            hit = true;
            return;
        case CommandType::Enemy:
        case CommandType::Ally:
            if (!rollHits) return;
            for (std::size_t i = 0; i < count; ++i) {
                Tile& tile = *map.tiles[i];
                if (spell.createsObjects && spelltargeting::InArea(tile, target, radius)) AffectTile(tile, true);
                if (spelltargeting::InArea(tile, target, spell.size) && WizardCounts(tile.wizard))
                    AffectWizard(*tile.wizard, tile, kind);
            }
            return;
        case CommandType::Tile:
            if (!rollHits) return;
            for (std::size_t i = 0; i < count; ++i) {
                Tile& tile = *map.tiles[i];
                if (!spelltargeting::InArea(tile, target, radius)) continue;
                if (!spell.createsObjects && (!tile.object || !spelltargeting::InArea(tile, target, spell.size))) continue;
                AffectTile(tile, true);
            }
            return;
        }
    }

    void Feedback(Wizard* targetWizard)
    {
        if (hit) {
            map.flight.projectile.active = false;
            Sound(map, spell.hitSound);
            if (kind == CommandType::Enemy && targetWizard)
                Sound(map, targetWizard->health < 1 ? "DeathSound" : "HitSound");
            else if (kind == CommandType::Tile || someoneDied)
                Sound(map, someoneDied ? "DeathSound" : "HitSound");
            CountHit(spell);
            return;
        }
        Sound(map, "SpellMiss");
        FloatingText text{"WHIFFED!", 2.5f, 20.0f, kYellow, target.WorldPosition(), nullptr};
        Wizard* at = kind == CommandType::Self ? &caster : target.wizard;
        if (kind == CommandType::Enemy) at = targetWizard;
        if (at) text.position = at->Position();
        map.hooks->ShowFloatingText(text);
    }
};

// The hand entry the launched spell came from: the remembered index when it still holds that
// spell, else the first entry holding it; -1 when the hand no longer has it.
int LaunchedEntry(const Wizard& caster, const SpellInFlight& flight)
{
    const int size = static_cast<int>(caster.hand.size());
    if (flight.handIndex >= 0 && flight.handIndex < size && caster.hand[flight.handIndex] == flight.spell)
        return flight.handIndex;
    for (int i = 0; i < size; ++i)
        if (caster.hand[i] == flight.spell) return i;
    return -1;
}

}  // namespace

bool Launch(Map& map)
{
    SpellInFlight& flight = map.flight;
    flight.spell = nullptr;
    flight.handIndex = -1;
    Wizard* caster = map.caster;
    if (!caster || !caster->tile || !map.targetTile) return false;
    const int index = caster->selectedCard;
    if (index < 0 || index >= static_cast<int>(caster->hand.size()) || !caster->hand[index]) return false;
    const Spell& spell = *caster->hand[index];
    if (!flight.projectile.Launch(spell, caster->tile->WorldPosition(), map.targetTile->WorldPosition())) return false;
    flight.spell = &spell;
    flight.handIndex = index;
    if (map.castKind == CommandType::Enemy) map.targetWizard = map.targetTile->wizard;
    Sound(map, spell.castSound);
    return true;
}

void UpdateFlight(Map& map, float dt)
{
    if (!map.flight.spell || !map.caster || !map.targetTile || map.flight.projectile.Advance(dt)) Resolve(map);
}

void Resolve(Map& map)
{
    SpellInFlight& flight = map.flight;
    if (!flight.spell || !map.caster || !map.targetTile) {
        flight.projectile.active = false;
        flight.spell = nullptr;
        map.FinishCast();
        return;
    }
    const Spell& spell = *flight.spell;
    Wizard& caster = *map.caster;
    Resolution cast{map, spell, caster, *map.targetTile, map.castKind};
    const std::uint32_t roll = RandomU32() % 101;
    cast.rollHits = static_cast<std::int64_t>(roll) <= spelltargeting::HitChance(spell, caster);
    cast.Run();
    cast.Feedback(map.targetWizard);
    const int entry = LaunchedEntry(caster, flight);
    if (entry >= 0) caster.RemoveSpellAt(entry);
    flight.spell = nullptr;
    flight.handIndex = -1;
    map.FinishCast();
}

void RunLists(Map& map, const Spell& spell, Target target, Wizard& caster, CommandType kind)
{
    CommandContext context{map, spell, caster, target.wizard, target.tile};
    auto run = [&](const std::vector<SpellCommand>& list, bool onCaster) {
        for (const SpellCommand& command : list) {
            if (*spell.backedOut) {
                std::cout << "SPELL BACKED OUT!" << std::endl;
                *spell.backedOut = false;
                continue;
            }
            CommandContext at = context;
            if (onCaster) at.wizard = &caster;
            RunCommand(at, command);
        }
    };
    if (kind != CommandType::Self) run(spell.Commands(kind), false);
    run(spell.selfCommands, true);
}

SpellRules Rules()
{
    SpellRules rules;
    rules.tickWizard = TickWizard;
    rules.tickObject = TickObject;
    rules.launch = Launch;
    rules.updateFlight = UpdateFlight;
    return rules;
}

namespace {
// Every map built from now on casts with these rules.
const bool installed = (InstalledSpellRules() = Rules(), true);
}  // namespace

}  // namespace spellcast
