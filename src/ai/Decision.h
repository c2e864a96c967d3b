#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "ai/AiBoard.h"

// What one candidate decision asks for. The numbers are printed in the decision report.
enum class AiAction : std::int32_t { Walk = 0, Pickup = 1, Cast = 2, End = 3 };

// One candidate decision of a computer wizard. A fresh record does nothing and weighs 0.
struct Decision {
    std::string label = "no context";
    AiAction action = AiAction::End;
    std::int32_t target = -1;   // cell index of the target tile, -1 for none
    const AiSpell* spell = nullptr;  // the hand entry it concerns; valid until the board changes
    std::string spellName;      // kept so a remembered plan still prints its spell
    const Spell* spellId = nullptr;  // the book's spell, to find the card again at cast time
    double weight = 0.0;        // always finite
    bool fromPlan = false;      // a remembered walk offered again

    // Sets both spell references from a hand entry.
    void SetSpell(const AiSpell* entry);
};

// "Walk", "Pickup", "Cast", "End" or "Invalid Action" for anything else.
const char* ActionName(AiAction action);

// Writes the decision report: a line "\n~~~~~~~~~~~~~~~~~~~", seven lines per record in list order,
// then "~~~~~~~~~~~~~~~~~~~\n". Weights print as the stream prints a float; tiles as
// "( column , row )".
void PrintDecisionReport(std::ostream& out, const AiBoard& board, const std::vector<Decision>& decisions);
