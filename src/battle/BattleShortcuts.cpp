#include "battle/BattleShortcuts.h"

#include <glm/geometric.hpp>

namespace battle_shortcuts {

Shortcut ForKey(int key)
{
    if (key == kKeyTab) return {Action::Jump, -1};
    if (key == kKeyEnter || key == kKeyPadEnter) return {Action::EndTurn, -1};
    if (key >= kKeyOne && key <= kKeyNine) return {Action::PickCard, key - kKeyOne};
    if (key >= kKeyPadOne && key <= kKeyPadNine) return {Action::PickCard, key - kKeyPadOne};
    return {};
}

void RightClickTracker::Press(glm::vec2 cursor)
{
    start = cursor;
    held = true;
    dragged = false;
}

void RightClickTracker::Move(glm::vec2 cursor)
{
    if (held && glm::distance(cursor, start) > kSlop) dragged = true;
}

bool RightClickTracker::Release(glm::vec2 cursor)
{
    if (!held) return false;
    Move(cursor);
    held = false;
    return !dragged;
}

bool RightClickThisFrame(RightClickTracker& tracker, bool rightDown, glm::vec2 cursor)
{
    if (rightDown && !tracker.Held()) {
        tracker.Press(cursor);
        return false;
    }
    if (rightDown) {
        tracker.Move(cursor);
        return false;
    }
    return tracker.Release(cursor);
}

}  // namespace battle_shortcuts
