#include <gtest/gtest.h>

#include "meta/TutorialScript.h"

using Press = TutorialScript::Press;

namespace {

bool Shows(const TutorialScript& t, const char* opening)
{
    return t.CurrentPrompt().visible && t.CurrentPrompt().text.rfind(opening, 0) == 0;
}

// Presses the button until the prompt closes; returns the number of presses.
int PressUntilClosed(TutorialScript& t)
{
    int presses = 0;
    while (t.CurrentPrompt().visible && presses < 20) {
        t.OnButton();
        ++presses;
    }
    return presses;
}

}  // namespace

TEST(Tutorial, HappyPathFromReadyToEndTutorial)
{
    TutorialScript t;
    t.OnReady(1);
    EXPECT_TRUE(Shows(t, "Welcome to the Primalites Training Exercise."));
    EXPECT_EQ(t.Step(), 1);
    EXPECT_EQ(t.OnButton(), Press::Advanced);
    EXPECT_TRUE(Shows(t, "In Primalites, you and an opponent"));
    t.OnButton();
    t.OnButton();
    EXPECT_EQ(t.OnButton(), Press::Advanced);
    EXPECT_TRUE(Shows(t, "Click the Left Mouse Button (LMB)"));
    EXPECT_EQ(t.Step(), 4);
    EXPECT_EQ(t.OnButton(), Press::Closed);
    EXPECT_FALSE(t.CurrentPrompt().visible);

    t.OnWalkEnded(true, false);
    EXPECT_EQ(t.Milestone(), 1);
    EXPECT_EQ(t.Step(), 5);
    EXPECT_TRUE(Shows(t, "Primalites are the game's main resource."));
    EXPECT_EQ(PressUntilClosed(t), 3);  // two texts, then the press that closes

    t.OnTokenCollected();
    EXPECT_EQ(t.Milestone(), 2);
    EXPECT_EQ(t.Step(), 7);
    EXPECT_TRUE(Shows(t, "Spells are shown as cards"));
    EXPECT_EQ(PressUntilClosed(t), 5);
    EXPECT_EQ(t.Step(), 10);

    t.OnWalkEnded(false, true);
    EXPECT_EQ(t.Milestone(), 3);
    EXPECT_TRUE(Shows(t, "Some Tiles are aligned"));
    EXPECT_EQ(PressUntilClosed(t), 3);
    EXPECT_EQ(t.Step(), 12);

    t.OnReady(2);
    EXPECT_EQ(t.Milestone(), 4);
    EXPECT_TRUE(Shows(t, "Now, destroy the training dummy"));
    EXPECT_EQ(PressUntilClosed(t), 3);
    EXPECT_EQ(t.Step(), 14);

    EXPECT_EQ(t.Winner(), -1);
    t.OnDummyDestroyed();
    EXPECT_EQ(t.Winner(), 0);
    EXPECT_TRUE(Shows(t, "Congratulations! You've completed"));
    EXPECT_EQ(t.CurrentPrompt().button, "End Tutorial");
    EXPECT_EQ(t.OnButton(), Press::EndTutorial);
}

TEST(Tutorial, StepPastTwelveBeforeRoundTwoSkipsMilestoneFour)
{
    TutorialScript t;
    t.OnReady(1);
    t.OnWalkEnded(false, true);  // straight to the fire tile: step 11
    PressUntilClosed(t);
    EXPECT_EQ(t.Step(), 12);
    t.OnReady(2);
    EXPECT_EQ(t.Milestone(), 4);

    TutorialScript late;
    late.OnReady(1);
    late.OnReady(2);  // step 1 in round 2: nothing
    EXPECT_EQ(late.Milestone(), 0);
    late.OnReady(3);
    EXPECT_EQ(late.Milestone(), 0);
    late.OnDummyDestroyed();
    EXPECT_EQ(late.Milestone(), 5);
}

TEST(Tutorial, CollectingAtStepSixRaisesMilestoneTwoAndLateEventsAreIgnored)
{
    TutorialScript t;
    t.OnReady(1);
    t.OnWalkEnded(true, false);
    t.OnButton();
    EXPECT_EQ(t.Step(), 6);
    t.OnTokenCollected();
    EXPECT_EQ(t.Milestone(), 2);
    EXPECT_EQ(t.Step(), 7);

    TutorialScript far;
    far.OnReady(1);
    far.OnWalkEnded(false, true);
    PressUntilClosed(far);
    far.OnTokenCollected();  // step 12: past milestone 2
    far.OnWalkEnded(true, false);
    EXPECT_EQ(far.Milestone(), 3);
    EXPECT_FALSE(far.CurrentPrompt().visible);
}

TEST(Tutorial, AHiddenPromptIgnoresPressesAndTokensGrantFireballsByHand)
{
    TutorialScript t;
    EXPECT_EQ(t.OnButton(), Press::Nothing);
    EXPECT_EQ(TutorialScript::FireballsFor(0), 2);
    EXPECT_EQ(TutorialScript::FireballsFor(2), 2);
    EXPECT_EQ(TutorialScript::FireballsFor(3), 1);
    EXPECT_EQ(TutorialScript::FireballsFor(4), 0);
    EXPECT_EQ(TutorialScript::FireballsFor(9), 0);
}
