#pragma once
#include <functional>

#include <glm/glm.hpp>

// The two sides' colours and the last winner (0 first side, 1 second, else none), as the battle
// set-up record holds them. The team-colour materials read them through a source function so the
// renderer does not depend on the battle; until one is installed, fixed defaults apply.
struct TeamColors {
    glm::vec4 player1{0.90625f, 0.23046875f, 0.23046875f, 1.0f};
    glm::vec4 player2{0.30078125f, 0.39453125f, 0.703125f, 1.0f};
    int winner = -1;
};

namespace render {
void SetTeamColorSource(std::function<TeamColors()> source);
TeamColors CurrentTeamColors();
}  // namespace render
