#include "battle/BattleInvariants.h"

#include <algorithm>
#include <set>

#include "battle/Map.h"
#include "spells/Spell.h"

namespace {

struct Report {
    std::vector<std::string>& lines;
    void Add(bool broken, const std::string& what)
    {
        if (broken) lines.push_back(what);
    }
};

void CheckWizards(const Map& map, Report& report)
{
    std::set<const Tile*> standing;
    for (const auto& owned : map.wizards) {
        const Wizard& w = *owned;
        const std::string who = w.name + ": ";
        report.Add(w.health < 0 || w.health > w.maxHealth, who + "health outside 0..max");
        report.Add((w.health == 0) != (w.tile == nullptr), who + "health 0 exactly when without a tile");
        report.Add(w.ap < 0 || w.ap > Wizard::kMaxAp, who + "AP outside 0..5");
        report.Add(!w.Alive() && w.ap != 0, who + "defeated with AP");
        int cantrips = static_cast<int>(std::count_if(w.hand.begin(), w.hand.end(),
                                                      [](const Spell* s) { return s && s->name == kCantripName; }));
        report.Add(cantrips > 1, who + "more than one Cantrip");
        report.Add(!map.divineIntervention && w.CountNonCantrips() > 4, who + "more than four spells");
        report.Add(std::count(w.hand.begin(), w.hand.end(), nullptr) > 0, who + "empty hand slot");
        report.Add(w.selectedCard < -1 || w.selectedCard >= static_cast<int>(w.hand.size()), who + "selected card outside the hand");
        if (w.tile) {
            report.Add(w.tile->wizard != &w, who + "tile does not hold it");
            report.Add(!standing.insert(w.tile).second, who + "shares a tile");
            report.Add(w.tile->object && !w.tile->object->IsToken() && !w.tile->object->passable, who + "inside a blocking object");
            bool logical = w.logicalColumn == w.tile->column && w.logicalRow == w.tile->row;
            report.Add(!w.walking && !logical, who + "logical cell is not its tile");
        }
    }
}

void CheckObjects(const Map& map, Report& report)
{
    for (const auto& owned : map.objects) {
        const MapObject& o = *owned;
        report.Add(!o.tile || o.tile->object != &o, o.name + ": not linked with its tile");
        if (!o.IsToken()) report.Add(o.health < 0 || o.health > o.maxHealth, o.name + ": health outside 0..max");
        report.Add(o.IsToken() && o.Armed() != (o.element >= 1 && o.element <= 4), o.name + ": armed flag disagrees");
    }
    for (const auto& entry : map.decay) {
        bool live = std::any_of(map.objects.begin(), map.objects.end(), [&](const auto& o) { return o.get() == entry.object; });
        report.Add(!live, "a decay entry names a removed object");
    }
    for (const auto& tile : map.tiles) {
        if (tile->object) report.Add(tile->object->tile != tile.get(), tile->name + ": object not linked back");
        if (tile->wizard) report.Add(tile->wizard->tile != tile.get(), tile->name + ": wizard not linked back");
    }
}

}  // namespace

std::vector<std::string> BattleInvariants::Check(const Map& map)
{
    std::vector<std::string> lines;
    Report report{lines};
    CheckWizards(map, report);
    CheckObjects(map, report);
    const TurnManager& turns = map.turns;
    report.Add(turns.round < lastRound, "round counter went back");
    report.Add(turns.currentSide < 1 || turns.currentSide > turns.sideCount, "current side outside 1..side count");
    report.Add(map.state < 0 || map.state > 3, "battle state outside 0..3");
    if (map.state == Map::kWalkMode || map.state == Map::kAiming) {
        const Wizard* w = map.controls.selectedWizard;
        report.Add(!w || !w->Alive() || w->side != turns.currentSide, "walk or aim mode without a living wizard of the side");
    }
    report.Add(map.winner < -1 || map.winner > 1, "winner outside -1..1");
    report.Add(wasOver && !map.battleOver, "the battle stopped being over");
    report.Add(wasOver && map.winner != lastWinner, "the winner changed after the end");
    lastRound = std::max(lastRound, turns.round);
    wasOver = wasOver || map.battleOver;
    if (map.battleOver) lastWinner = map.winner;
    return lines;
}
