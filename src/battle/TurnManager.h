#pragma once
#include <cstdint>

class Map;

// Whose turn it is and which round: sides are numbered from 1, a round ends when the last side
// ends its turn. The round number is the game's turn count shown in the log and stored for the
// victory screens.
class TurnManager {
public:
    void Attach(Map* owner) { map = owner; }

    // Once per battle load: round 1, side 1, the first turn banner. A second call does nothing.
    void StartGame();
    // The current side's living wizards get their AP; the turn-start step runs.
    void StartTurn();
    // The end of the current side's turn, the round end after the last side, the winner check.
    void EndTurn();
    // -1 while two or more sides have a living wizard, else the winner's 0-based index.
    int CheckWinner() const;

    bool IsComputerSide(int side) const;

    std::int32_t currentSide = 1;
    std::int32_t sideCount = 2;
    std::int32_t wizardsPerSide = 3;
    bool started = false;
    std::int32_t round = 1;
    bool turnStarted = false;  // StartTurn ran for the current side and EndTurn has not yet

private:
    void TurnStartStep();
    void TurnEndStep();
    void RoundEndStep();
    void Decay();
    void Refresh();
    void DivineIntervention();
    void TickAllWizards(int phase);

    Map* map = nullptr;
};
