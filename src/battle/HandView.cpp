#include "battle/HandView.h"

#include <algorithm>

#include "battle/Map.h"
#include "battle/Pathing.h"
#include "engine/Log.h"
#include "spells/Spell.h"
#include "spells/SpellCard.h"
#include "spells/SpellHand.h"

HandView::HandView(Map& owner) : map(owner) {}

HandView::~HandView() = default;

CardHolder HandView::HolderOf(const Wizard* wizard)
{
    CardHolder holder;
    if (!wizard) return holder;
    holder.exists = true;
    holder.tileKind = wizard->tile ? wizard->tile->biome : "";
    holder.confused = wizard->HasStatus(InflictType::Confused);
    holder.blinded = wizard->HasStatus(InflictType::Blinded);
    holder.actionPoints = wizard->ap;
    return holder;
}

bool HandView::Castable(const Map& map, const Wizard& caster, const Spell& spell)
{
    if (!caster.tile) return false;
    if (spell.TargetsOwnTile()) return true;
    int reach = SpellReach(caster, spell);
    for (const auto& owned : map.tiles) {
        const Tile& tile = *owned;
        if (&tile == caster.tile || distanceBetweenTiles(caster.tile, &tile) > reach) continue;
        const Wizard* standing = tile.wizard;
        if (standing && standing->Alive() && standing->side != caster.side && !spell.enemyCommands.empty()) return true;
        if (standing && standing->side == caster.side && !spell.allyCommands.empty()) return true;
        if (!spell.tileCommands.empty() && (spell.createsObjects || (tile.object && !tile.object->IsToken()))) return true;
    }
    return false;
}

SpellCard* HandView::Card(int index) const
{
    if (index < 0 || index >= Count()) return nullptr;
    return cards[static_cast<std::size_t>(index)].get();
}

void HandView::Rebuild(Wizard* wizard)
{
    bool sameHolder = wizard == holder;
    std::vector<const Spell*> before = sameHolder ? handShown : std::vector<const Spell*>{};
    std::vector<std::unique_ptr<SpellCard>> kept;
    kept.swap(cards);
    holder = wizard;
    handShown = wizard ? wizard->hand : std::vector<const Spell*>{};
    for (const Spell* spell : handShown) {
        // A card of the same spell still in the hand keeps its place and state.
        auto same = std::find(before.begin(), before.end(), spell);
        if (same != before.end()) {
            std::size_t at = static_cast<std::size_t>(same - before.begin());
            before[at] = nullptr;
            cards.push_back(std::move(kept[at]));
            continue;
        }
        auto card = std::make_unique<SpellCard>(*spell);
        card->showStats = true;
        if (sameHolder) {
            card->MarkReceived();
        } else {
            card->SetPosition(glm::vec2(0.0f, -600.0f));
        }
        cards.push_back(std::move(card));
    }
    hovered = -1;
    if (wizard) print("MapInterface: hand shown: ", Count(), " cards");
}

bool HandView::Update(float dt, glm::vec2 viewport)
{
    Wizard* wizard = map.controls.selectedWizard;
    shown = wizard && map.controls.cardsVisible && !map.mapView && !map.battleOver;
    if (!shown) {
        hovered = -1;
        return false;
    }
    if (wizard != holder || wizard->hand != handShown) Rebuild(wizard);
    int count = Count();
    int aimed = map.state == Map::kAiming ? wizard->selectedCard : -1;
    std::vector<glm::vec2> places = spell_hand::Positions(count, viewport, hovered >= 0 ? hovered : aimed);
    CardHolder cardHolder = HolderOf(wizard);
    bool open = map.controls.AcceptsPlayerInput();
    bool computer = map.turns.IsComputerSide(map.turns.currentSide);
    for (int i = 0; i < count; ++i) {
        SpellCard& card = *cards[static_cast<std::size_t>(i)];
        const Spell* spell = handShown[static_cast<std::size_t>(i)];
        card.castable = Castable(map, *wizard, *spell);
        card.SetGreyed(wizard->ap < spell->cost || !card.castable);
        card.expanded = i == aimed;
        card.SetContext(cardHolder, open, computer);
        card.GlideTo(places[static_cast<std::size_t>(i)]);
    }
    int nowHovered = -1;
    int picked = -1;
    for (int index : spell_hand::UpdateOrder(count, hovered)) {
        SpellCard& card = *cards[static_cast<std::size_t>(index)];
        card.Update(dt);
        if (card.hovered && nowHovered < 0) nowHovered = index;
        if (card.selected && picked < 0) picked = index;
    }
    hovered = nowHovered;
    // The card's own click selects its spell; one already aimed stays as it is.
    if (picked >= 0 && picked != aimed) map.controls.SelectCard(picked);
    return nowHovered >= 0 || picked >= 0;
}

void HandView::Draw()
{
    if (!shown) return;
    int aimed = map.state == Map::kAiming && holder ? holder->selectedCard : -1;
    for (int index : spell_hand::DrawOrder(Count(), hovered >= 0 ? hovered : aimed)) cards[static_cast<std::size_t>(index)]->Draw();
}
