#include "scenes/SpellCardTest.h"

SpellCardTest::SpellCardTest() : PlaceholderScene("SpellCardTest", 0.20f, 0.10f, 0.05f) {}
