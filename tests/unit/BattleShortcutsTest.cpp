#include <gtest/gtest.h>

#include "battle/BattleShortcuts.h"

using namespace battle_shortcuts;

TEST(BattleShortcuts, KeysMapToTheirActions)
{
    EXPECT_EQ(ForKey(kKeyTab).action, Action::Jump);
    EXPECT_EQ(ForKey(kKeyEnter).action, Action::EndTurn);
    EXPECT_EQ(ForKey(kKeyPadEnter).action, Action::EndTurn);
    Shortcut one = ForKey('1');
    EXPECT_EQ(one.action, Action::PickCard);
    EXPECT_EQ(one.card, 0);
    EXPECT_EQ(ForKey('9').card, 8);
    EXPECT_EQ(ForKey(kKeyPadOne + 4).card, 4);
    // '0' is no card: the hand is numbered from 1 on the keyboard.
    EXPECT_EQ(ForKey('0').action, Action::None);
}

TEST(BattleShortcuts, KeysTheBattleAlreadyReadsStayFree)
{
    // Escape, F, C, M, P, L, J, the camera keys and the arrows.
    for (int key : std::initializer_list<int>{256, 'F', 'C', 'M', 'P', 'L', 'J', 'W', 'A', 'S', 'D', 262, 263, 264, 265})
        EXPECT_EQ(ForKey(key).action, Action::None) << key;
}

TEST(BattleShortcuts, RightClickWithoutDragIsAClick)
{
    RightClickTracker tracker;
    tracker.Press({100, 100});
    tracker.Move({102, 101});
    EXPECT_TRUE(tracker.Release({103, 100}));
    // A release with no press before it is nothing.
    EXPECT_FALSE(tracker.Release({103, 100}));
}

TEST(BattleShortcuts, RightDragIsNoClickEvenWhenItComesBack)
{
    RightClickTracker tracker;
    tracker.Press({100, 100});
    tracker.Move({160, 100});
    tracker.Move({100, 100});
    EXPECT_FALSE(tracker.Release({100, 100}));
    // The next press starts afresh.
    tracker.Press({10, 10});
    EXPECT_TRUE(tracker.Release({10, 10}));
}

TEST(BattleShortcuts, FrameFeedReportsTheClickOnTheReleaseFrame)
{
    RightClickTracker tracker;
    EXPECT_FALSE(RightClickThisFrame(tracker, true, {5, 5}));
    EXPECT_FALSE(RightClickThisFrame(tracker, true, {6, 5}));
    EXPECT_TRUE(RightClickThisFrame(tracker, false, {6, 5}));
    EXPECT_FALSE(RightClickThisFrame(tracker, false, {6, 5}));
    // A drag between frames.
    EXPECT_FALSE(RightClickThisFrame(tracker, true, {5, 5}));
    EXPECT_FALSE(RightClickThisFrame(tracker, true, {50, 5}));
    EXPECT_FALSE(RightClickThisFrame(tracker, false, {50, 5}));
}
