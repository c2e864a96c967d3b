#pragma once
#include "meta/VictoryScreen.h"

// After a free battle: who won, counted from player 1's side; "Play Again" starts the same battle
// (counted as a new game), "Exit" goes to the main menu.
class GameVictory : public VictoryScreen {
public:
    GameVictory();

protected:
    void BuildButtons() override;
    void Record() override;
};
