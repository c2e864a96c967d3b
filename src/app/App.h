#pragma once

// The whole program: parses the command line, starts up, runs the frame loop, shuts down.
int RunApp(int argc, char** argv);

