#include <cstdio>

#include "app/App.h"

int main(int argc, char** argv)
{
    // Trace lines (tile-click results, rolls, the computer's decisions) are flushed at each line
    // break, so output redirected to a file or a pipe is complete even when the game is killed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return RunApp(argc, argv);
}
