#include <gtest/gtest.h>

#include "scenes/Level2.h"

// The showcase builds and releases its objects headless and can be entered again.
TEST(Level2, EntersTwiceAndReleasesEverythingOnUnload)
{
    Level2 scene;
    for (int entry = 0; entry < 2; ++entry) {
        scene.Load();
        scene.Init();
        scene.Update(0.1f);
        scene.Render();
        scene.OnResize(1280, 720);
        scene.Exit();
        scene.Unload();
    }
    EXPECT_EQ(scene.name, "Level2");
}
