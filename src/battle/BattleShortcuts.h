#pragma once
#include <glm/glm.hpp>

// The battle's keyboard shortcuts and the right-click back-out. They add to the mouse controls
// and never reuse a key the battle or the engine already reads (Escape, F, C, M, P, L, J, W A S D,
// the arrows): Tab is the "Jump" button, 1 to 9 pick a card of the selected wizard's hand, Enter
// is the "EndTurn" button (and answers "Yes" once its question is up), and a right click that did
// not drag the camera backs out of aiming or walking like "Back".
namespace battle_shortcuts {

enum class Action { None, Jump, PickCard, EndTurn, BackOut };

struct Shortcut {
    Action action = Action::None;
    int card = -1;  // PickCard: 0-based index into the hand
};

// Key codes as the window library numbers them, repeated so the battle needs no window header.
constexpr int kKeyTab = 258;
constexpr int kKeyEnter = 257;
constexpr int kKeyPadEnter = 335;
constexpr int kKeyOne = 49;
constexpr int kKeyNine = 57;
constexpr int kKeyPadOne = 321;
constexpr int kKeyPadNine = 329;

// The shortcut a key press stands for (None for every other key).
Shortcut ForKey(int key);

// Tells a right click from a right-button camera drag: a release within `kSlop` pixels of where
// the button went down, with the cursor never having left that circle, is a click.
class RightClickTracker {
public:
    static constexpr float kSlop = 4.0f;
    void Press(glm::vec2 cursor);
    void Move(glm::vec2 cursor);
    // True when this release ends a click (not a drag, and a press was seen).
    bool Release(glm::vec2 cursor);
    bool Held() const { return held; }

private:
    glm::vec2 start{0.0f};
    bool held = false;
    bool dragged = false;
};

// Feeds the tracker from one frame's right-button state; true on the frame a click ends.
bool RightClickThisFrame(RightClickTracker& tracker, bool rightDown, glm::vec2 cursor);

}  // namespace battle_shortcuts
