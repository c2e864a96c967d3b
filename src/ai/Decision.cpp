#include "ai/Decision.h"

#include <ostream>

void Decision::SetSpell(const AiSpell* entry)
{
    spell = entry;
    spellName = entry ? entry->name : std::string();
    spellId = entry ? entry->spell : nullptr;
}

const char* ActionName(AiAction action)
{
    switch (action) {
    case AiAction::Walk: return "Walk";
    case AiAction::Pickup: return "Pickup";
    case AiAction::Cast: return "Cast";
    case AiAction::End: return "End";
    }
    return "Invalid Action";
}

namespace {

void PrintRecord(std::ostream& out, const AiBoard& board, const Decision& d)
{
    out << "Decision: " << d.label << '\n';
    out << "----------------- \n";
    out << "Action: " << ActionName(d.action) << '\n';
    // The weight is kept in double; the report shows it as a float is shown.
    out << "Weight: " << static_cast<float>(d.weight) << '\n';
    if (board.HasTile(d.target))
        out << "Tile: ( " << board.Column(d.target) << " , " << board.Row(d.target) << " )\n";
    else
        out << "Tile: no tile\n";
    if (!d.spellName.empty())
        out << "Spell: " << d.spellName << '\n';
    else
        out << "Spell: no spell\n";
    out << "-----------------\n";
}

}  // namespace

void PrintDecisionReport(std::ostream& out, const AiBoard& board, const std::vector<Decision>& decisions)
{
    out << "\n~~~~~~~~~~~~~~~~~~~\n";
    for (const Decision& d : decisions) PrintRecord(out, board, d);
    out << "~~~~~~~~~~~~~~~~~~~\n\n";
    out.flush();
}
