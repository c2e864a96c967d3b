#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The `battle-sim` command: seeded computer-against-computer battles on the shipped two-sided
// levels, one line per battle and a summary line, for soak runs and for comparing difficulties.
struct BattleSimOptions {
    std::optional<int> battles;       // default: one battle on every level
    unsigned seed = 1;                // battle i plays with seed + i
    std::optional<std::string> level; // only this level
    int difficulty = 0;               // both sides, unless side 1 has its own
    std::optional<int> difficulty1;   // side 1's difficulty
    bool reports = false;             // print every decision report
    std::string levelFolder = "./Data/Levels/";
    std::string log = "battle-sim.log";
};

// Reads the command line; returns what is wrong with it, empty when it is fine.
std::string ParseBattleSimArgs(const std::vector<std::string>& args, BattleSimOptions& options);
std::string BattleSimUsage();

// Plays the battles, writing the lines to out (the battle's own chatter goes to the log).
// Returns 0 when every battle finished with every invariant held, 1 otherwise, 2 when there was
// nothing to play.
int RunBattleSim(const BattleSimOptions& options, std::ostream& out);
