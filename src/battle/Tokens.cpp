#include <iostream>

#include "battle/Map.h"
#include "engine/Log.h"
#include "engine/Random.h"
#include "meta/TutorialScript.h"
#include "render/Emitter.h"
#include "spells/SpellBook.h"

namespace {

const char* const kClaimAnimations[5] = {"", "Claim_Fire", "Claim_Water", "Claim_Earth", "Claim_Wind"};

}  // namespace

void Map::ArmToken(MapObject& token)
{
    bool any = false;
    for (int e = 1; e <= 4; ++e) any = any || elementAllowed[e];
    if (!any) {
        // Nothing to draw from: the token stays empty instead of drawing for ever.
        print("??? Map Class :: no element allowed for a Primalite token ???");
        token.SetElement(0);
        return;
    }
    std::int32_t element = 0;
    do {
        element = static_cast<std::int32_t>(RandomU32() & 3u) + 1;
    } while (!elementAllowed[element]);
    token.SetElement(element);
    if (auto* effect = token.getEmitter("effect")) effect->SetEffect("Shimmer");
}

const Spell* Map::RandomSpellOfElement(int element)
{
    if (element < 0 || element >= kElementCount) return nullptr;
    return spellBook->Random(static_cast<ElementType>(element));
}

const Spell* Map::SpellOfElementByName(int element, const std::string& spellName)
{
    if (element < 0 || element >= kElementCount) return nullptr;
    return spellBook->Get(static_cast<ElementType>(element), spellName);
}

namespace {

// The second spell of a pickup under Duplication Protection: drawn again until its name differs
// from the first. When the element has no spell of another name the duplicate stays, with a line.
const Spell* DrawSecond(Map& map, int element, const Spell* first)
{
    const Spell* second = map.RandomSpellOfElement(element);
    if (!second || !first || !map.duplicationProtection) return second;
    bool other = false;
    for (const Spell* spell : map.Book().Spells(static_cast<ElementType>(element)))
        other = other || (spell->name != kCantripName && spell->name != first->name);
    if (!other) {
        print("??? Map Class :: Duplication Protection found no second spell ???");
        return second;
    }
    while (second->name == first->name) second = map.RandomSpellOfElement(element);
    return second;
}

void GrantTutorial(Map& map, Wizard& wizard, int held)
{
    int count = TutorialScript::FireballsFor(held);
    for (int i = 0; i < count; ++i) {
        const Spell* fireball = map.SpellOfElementByName(1, "Fireball");
        if (!fireball) {
            map.ReportMissingSpell("Fireball");
            return;
        }
        wizard.AddSpell(fireball);
    }
}

void GrantByElement(Map& map, Wizard& wizard, int element, int held)
{
    if (element < 1 || element > 4) {
        wizard.AddSpell(map.RandomSpellOfElement(0));
        return;
    }
    if (held >= 4) return;
    const Spell* first = map.RandomSpellOfElement(element);
    wizard.AddSpell(first);
    if (held == 3 || !first) return;
    wizard.AddSpell(DrawSecond(map, element, first));
}

}  // namespace

void Map::CollectToken()
{
    Wizard* wizard = controls.selectedWizard;
    if (!wizard || !wizard->Alive()) {
        controls.Refresh();
        hooks->ControlsChanged();
        return;
    }
    Tile* tile = TileAt(wizard->logicalColumn, wizard->logicalRow);
    MapObject* token = tile ? tile->object : nullptr;
    // Only an armed token under the wizard is collected; anything else changes nothing.
    if (token && token->Armed()) {
        int held = wizard->CountNonCantrips();
        if (tutorial)
            GrantTutorial(*this, *wizard, held);
        else
            GrantByElement(*this, *wizard, token->element, held);
        hooks->PlaySound("TokenCollect");
        if (auto* effect = token->getEmitter("effect")) effect->SetEffect(kClaimAnimations[token->element]);
        token->SetElement(0);
        if (tutorial) hooks->TutorialMilestone(2);
    }
    controls.Refresh();
    hooks->ControlsChanged();
}
