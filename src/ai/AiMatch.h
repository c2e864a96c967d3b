#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// One headless computer-against-computer battle: a shipped level played to its end with the
// seeded random source and a simulated clock, the battle's invariants checked after every action
// and every frame. No window, no OpenGL.
struct AiMatchSettings {
    std::string level = "SquareIsland";
    std::string levelFolder = "./Data/Levels/";
    std::string spellFolder = "./Data/Spells/";
    unsigned seed = 1;
    std::int32_t difficulty1 = 0;  // side 1's computer
    std::int32_t difficulty2 = 0;  // side 2's computer
    std::int32_t roundCap = 200;   // reaching it means the battle did not finish
    float frame = 0.05f;           // simulated seconds per map update
    std::ostream* report = nullptr;  // decision reports, when wanted
};

struct AiMatchResult {
    bool loaded = false;    // the level loads and has two sides
    bool finished = false;  // a winner within the round cap
    int winner = 0;         // 1 or 2; 0 when unfinished
    int rounds = 0;
    std::int64_t decisions = 0;
    std::vector<float> decideMicros;  // time each decision took to compute
    std::vector<std::string> broken;  // invariants broken, one line each
};

AiMatchResult PlayAiMatch(const AiMatchSettings& settings);
