#include "scenes/Level2.h"

Level2::Level2() : PlaceholderScene("Level2", 0.05f, 0.20f, 0.10f) {}
