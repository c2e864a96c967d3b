#pragma once

// The frames-per-second counter in the top-left corner (toggled with L).
void DrawFpsOverlay(float fps);
