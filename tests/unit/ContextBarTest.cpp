// The context bar: its table of six buttons, the refused names, the row layout and the press rule.
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "WidgetTestSupport.h"
#include "battle/ContextBar.h"
#include "ui/SmartButton.h"

TEST(ContextBar, HoldsExactlyTheSixButtonsAndRefusesOtherNames)
{
    LogCapture log("context_bar_log.txt");
    ContextBar bar;
    for (const char* name : {"Back", "Cast", "EndTurn", "Jump", "Walk", "PickUp"}) {
        EXPECT_TRUE(ContextBar::Known(name)) << name;
        EXPECT_NE(bar.Button(name), nullptr) << name;
    }
    EXPECT_FALSE(bar.AddButton("Fly"));
    EXPECT_FALSE(bar.AddButton("endturn"));  // names are matched whole and case-sensitively
    EXPECT_TRUE(bar.Shown().empty());
    EXPECT_EQ(log.Count("! Button name failed to add, name doesnt exist :/"), 2);
    EXPECT_FALSE(bar.SetFunction("Fly", [] {}));
    EXPECT_EQ(log.Count("! Button failed to set function, name doesnt exist :/"), 1);
    EXPECT_EQ(ContextBar::Caption("EndTurn"), "End Turn");
    EXPECT_EQ(ContextBar::Caption("PickUp"), "Pick Up");
}

TEST(ContextBar, RowIsAsWideAsItsButtonsAndCentred)
{
    ContextBar bar;
    bar.SetCentre({100.0f, -300.0f});
    bar.Show({"PickUp", "Walk", "Jump", "EndTurn"});
    ASSERT_EQ(bar.Shown().size(), 4u);
    float buttonWidth = ContextBar::kButtonHalfSize.x * 2.0f;
    EXPECT_FLOAT_EQ(bar.Width(), 4.0f * buttonWidth);
    // Left to right in the given order, touching, around the centre.
    EXPECT_FLOAT_EQ(bar.Button("PickUp")->Position().x, 100.0f - 1.5f * buttonWidth);
    EXPECT_FLOAT_EQ(bar.Button("EndTurn")->Position().x, 100.0f + 1.5f * buttonWidth);
    EXPECT_FLOAT_EQ(bar.Button("Walk")->Position().y, -300.0f);
    bar.Show({"Back"});
    EXPECT_FLOAT_EQ(bar.Width(), buttonWidth);
    EXPECT_FLOAT_EQ(bar.Button("Back")->Position().x, 100.0f);
    // Unknown names in a row are dropped one by one; the rest stays.
    LogCapture log("context_bar_row_log.txt");
    bar.Show({"Jump", "Nope", "EndTurn"});
    EXPECT_EQ(bar.Shown(), (std::vector<std::string>{"Jump", "EndTurn"}));
    EXPECT_EQ(log.Count("! Button name failed to add"), 1);
}

TEST(ContextBar, OnePressFiresOneShownButtonOnce)
{
    FakeMouse mouse;
    ContextBar bar;
    bar.SetCentre({0.0f, 0.0f});
    int walks = 0, jumps = 0, backs = 0;
    bar.SetFunction("Walk", [&] { ++walks; });
    bar.SetFunction("Jump", [&] { ++jumps; });
    bar.SetFunction("Back", [&] { ++backs; });
    bar.Show({"Walk", "Jump"});
    glm::vec2 walk = bar.Button("Walk")->Position();
    glm::vec2 jump = bar.Button("Jump")->Position();
    mouse.Frame(walk.x, walk.y, true);
    bar.Update(0.016f);
    // Held and slid onto the next button: nothing more.
    mouse.Frame(jump.x, jump.y, true);
    bar.Update(0.016f);
    EXPECT_EQ(walks, 1);
    EXPECT_EQ(jumps, 0);
    // A hidden button ("Back" is not shown) never fires, wherever it would sit.
    mouse.Frame(0.0f, 0.0f, false);
    bar.Update(0.016f);
    EXPECT_EQ(backs, 0);
}

TEST(ContextBar, DisabledBarFiresNothingButStillCoversTheTiles)
{
    FakeMouse mouse;
    ContextBar bar;
    bar.SetCentre({0.0f, 0.0f});
    int walks = 0;
    bar.SetFunction("Walk", [&] { ++walks; });
    bar.Show({"Walk"});
    bar.enabled = false;
    mouse.Frame(0.0f, 0.0f, true);
    bar.Update(0.016f);
    EXPECT_EQ(walks, 0);
    // The press was swallowed by the bar's panel: nothing below may take it.
    EXPECT_TRUE(ui::MouseClaimed());
    EXPECT_FALSE(ui::TakeNewPress());
}

TEST(ContextBar, AnActionMayRebuildTheRowWhileItRuns)
{
    FakeMouse mouse;
    ContextBar bar;
    bar.SetCentre({0.0f, 0.0f});
    int ends = 0;
    bar.SetFunction("Walk", [&] { bar.Show({"Back"}); });
    bar.SetFunction("EndTurn", [&] { ++ends; });
    bar.Show({"Walk", "EndTurn"});
    glm::vec2 walk = bar.Button("Walk")->Position();
    mouse.Frame(walk.x, walk.y, true);
    bar.Update(0.016f);
    EXPECT_EQ(bar.Shown(), (std::vector<std::string>{"Back"}));
    EXPECT_EQ(ends, 0);
}
