#include "scenes/PlaceholderScene.h"

#include "scenes/ClearScreen.h"

void PlaceholderScene::Render()
{
    ClearScreen(r, g, b);
}
