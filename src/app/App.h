#pragma once

// The whole program: parses the command line, starts up, runs the frame loop, shuts down.
int RunApp(int argc, char** argv);

struct Options;
// What the command line sets in the battle setup record once the saved state is loaded (which
// resets that record): `--level NAME` becomes the level the battle loads.
void ApplyBattleOptions(const Options& options);
