#pragma once
#include <string>
#include <vector>

class Map;

// The rules a battle must keep after every action and every frame, whatever is clicked. Used by
// the headless harness, the tests and the soak runs.
class BattleInvariants {
public:
    // Every broken rule, one line each (empty when all hold). Remembers the round and whether the
    // battle was over, so a round that went back or a battle that restarted is caught next time.
    std::vector<std::string> Check(const Map& map);

private:
    int lastRound = 0;
    bool wasOver = false;
    int lastWinner = -1;
};
