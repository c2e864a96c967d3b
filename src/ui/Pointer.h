#pragma once
#include <glm/glm.hpp>

// The mouse as every widget, card and tile sees it during one frame, and the rules that make one
// press do one thing.
//
// Once per frame, before the scene update, the scene system calls ReadPointerFromWindow (tests call
// BeginPointerFrame with the values they want). That stores the cursor and the buttons, clears
// the press latch when the left button is up, and clears the frame's mouse claim.
//
// THE PRESS RULE (menus, battle, cards, prompts, tiles all follow it):
//  1. Update receivers top-down, in the order they are drawn over each other, topmost first.
//     In the battle: an open prompt or question, the pause panel, the spell cards (raised card
//     first), the context bar, the HUD panels, and only then the tiles.
//  2. A receiver under the cursor calls ClaimMouse(this) (widgets do it inside IsMouseOver and
//     BlockPointer). Once one has claimed the frame, MouseClaimedByOther() is true for everything
//     updated after it, which must then treat the cursor as not over them: no hover, no click.
//  3. A receiver that acts on a press calls TakePress() and acts only when it returns true.
//     TakePress sets the latch, so the press is used up: nothing else fires on it, in this frame
//     or any later one, until the left button has been seen up. Holding the button and sliding
//     onto another widget fires nothing.
//  4. Tiles (and anything else that acts only on the first frame of a press) use TakeNewPress().
//  5. Passive panels that merely cover what lies beneath (info panel, portraits, AP row, a
//     prompt's backdrop) call BlockPointer(this, inside): they claim the frame and swallow a
//     press made on them, so the tile underneath never gets it.
namespace ui {

struct PointerState {
    glm::vec2 cursor{0.0f};       // window pixels, origin top left, y down
    bool leftDown = false;
    bool rightDown = false;
    bool leftWentDown = false;    // the left button is down now and was up in the previous frame
    bool pressLatched = false;    // the current press has been used by something
    const void* claimedBy = nullptr;  // the receiver that took the mouse this frame
};

// The process-wide state; starts with the latch clear.
PointerState& Pointer();

// Starts a frame with explicit values (headless tests, the scene system through the function below).
void BeginPointerFrame(glm::vec2 cursorPixels, bool leftDown, bool rightDown);
// Reads the game window's cursor and buttons into BeginPointerFrame; without a window the cursor
// stays where it was and both buttons count as up.
void ReadPointerFromWindow();
// Back to the start-of-run state (tests).
void ResetPointer();

// The cursor in interface space (origin at the window centre, y up), through the active camera
// or, without one, the default viewport.
glm::vec2 CursorUi();
// The cursor in world space, through the active camera (interface space without a camera).
glm::vec2 CursorWorld();

// Left button down and the press not yet used.
bool PressAvailable();
// Uses the press up when it is available; true when the caller may act on it.
bool TakePress();
// As TakePress, but only on the first frame of a press (tiles).
bool TakeNewPress();
// Marks the current press as used without acting on it.
void LatchPress();

// Claims the mouse for this frame; the first claim stands, later ones are ignored.
void ClaimMouse(const void* receiver);
// True when a receiver other than this one has claimed the mouse this frame.
bool MouseClaimedByOther(const void* receiver);
bool MouseClaimed();
// For passive panels: when `inside` and nobody above claimed the frame, claim it and swallow a
// press made here. Returns whether the panel now holds the mouse.
bool BlockPointer(const void* receiver, bool inside);

// Inclusive rectangle test: centre +- half size, edges count as inside.
bool InsideRect(glm::vec2 point, glm::vec2 centre, glm::vec2 halfSize);

}  // namespace ui
