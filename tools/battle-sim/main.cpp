// battle-sim: computer-against-computer battles without a window (see src/ai/BattleSim.h).
#include <iostream>
#include <string>
#include <vector>

#include "ai/BattleSim.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    BattleSimOptions options;
    const std::string problem = ParseBattleSimArgs(args, options);
    if (problem == "help") {
        std::cout << BattleSimUsage();
        return 0;
    }
    if (!problem.empty()) {
        std::cerr << "battle-sim: " << problem << "\n" << BattleSimUsage();
        return 2;
    }
    return RunBattleSim(options, std::cout);
}
