#include "battle/BattleHud.h"

#include "battle/Map.h"
#include "battle/Pathing.h"
#include "spells/Spell.h"
#include "ui/ApDisplay.h"
#include "ui/InfoPanel.h"
#include "ui/Pointer.h"
#include "ui/Profile.h"
#include "ui/TurnDisplay.h"

BattleHud::BattleHud(Map& owner) : map(owner)
{
    info = std::make_unique<InfoPanel>();
    ap = std::make_unique<AP>();
    // Above the top of a raised card, below a column of five portraits.
    ap->SetBottomClearance(kApClearance);
    turnDisplay = std::make_unique<TurnDisplay>();
    for (int side = 1; side <= 2; ++side) turnDisplay->AddBanner(map.factions[side - 1], side);
    int slots[2] = {0, 0};
    for (auto& wizard : map.wizards) {
        int side = wizard->side == 1 ? 1 : 2;
        profiles.push_back(std::make_unique<Profile>(side, slots[side - 1]++));
    }
}

BattleHud::~BattleHud() = default;

TileView BattleHud::ViewOf(const Tile& tile)
{
    TileView view;
    view.column = tile.column;
    view.row = tile.row;
    view.kind = tile.biome;
    if (const MapObject* object = tile.object) {
        view.hasObject = true;
        view.objectName = object->kind;
        view.isToken = object->IsToken();
        view.tokenActive = object->Armed();
        view.tokenElement = object->element;
        view.objectHealth = object->health;
    }
    return view;
}

int BattleHud::PreviewCost(Map& map)
{
    const Wizard* wizard = map.controls.selectedWizard;
    if (!wizard) return 0;
    int spellCost = 0;
    if (wizard->selectedCard >= 0 && wizard->selectedCard < static_cast<int>(wizard->hand.size()))
        spellCost = wizard->hand[static_cast<std::size_t>(wizard->selectedCard)]->cost;
    Tile* hovered = map.hoveredTile;
    bool walkShown = map.state == Map::kWalkMode && hovered && hovered->highlighted && wizard->tile;
    // The walk pays the path it takes, which bends round Boulders and holes; only walk mode
    // searches, and never beyond the wizard's points.
    int walkCost = walkShown ? PathCost(map, wizard->tile, hovered, wizard->ap) : -1;
    return ApPreviewCost(map.state, wizard->ap, spellCost, walkShown, walkCost);
}

bool BattleHud::Update(float dt)
{
    if (map.hoveredTile != lastHovered) {
        lastHovered = map.hoveredTile;
        if (lastHovered) pinned = nullptr;
    }
    const Tile* shownTile = pinned ? pinned : map.hoveredTile;
    TileView view;
    if (shownTile) view = ViewOf(*shownTile);
    info->ShowTile(shownTile ? &view : nullptr, map.turns.round);
    const Wizard* selected = map.controls.selectedWizard;
    bool mine = selected && selected->side == map.turns.currentSide && selected->Alive();
    ap->Show(mine, mine ? selected->ap : 0, mine ? PreviewCost(map) : 0);
    for (std::size_t i = 0; i < profiles.size() && i < map.wizards.size(); ++i) {
        const Wizard& wizard = *map.wizards[i];
        profiles[i]->Show(ProfileView{wizard.health, wizard.maxHealth, wizard.statusEffects});
    }
    // Panels claim the mouse in their own updates (the shared press rule): the first that holds
    // it wins, and the tiles then stay untouched.
    const void* before = ui::Pointer().claimedBy;
    info->Update(dt);
    ap->Update(dt);
    for (auto& profile : profiles) profile->Update(dt);
    turnDisplay->Update(map.turns.round, dt);
    return ui::Pointer().claimedBy != before;
}

void BattleHud::Draw()
{
    info->Draw();
    for (auto& profile : profiles) profile->Draw();
    ap->Draw();
    turnDisplay->Draw();
}
