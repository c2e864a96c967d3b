#pragma once
#include <memory>
#include <string>

#include <glm/glm.hpp>

class Background;
class Object;
class SmartButton;
class Text;

// Small pieces the menu scenes share: keyboard and mouse reads through the game window, the
// click sound, interface pictures and texts, and the menus' colours.
namespace frontend {

// The dark ink of titles and captions (46, 34, 47).
inline constexpr glm::vec4 kDarkInk{0.1804f, 0.1333f, 0.1843f, 1.0f};

bool KeyHeld(int key);
// A completed tap: with sticky keys the first read reports a press released since the last
// poll, the second the key's state now, so this fires once, after the key has been let go.
bool KeyTapped(int key);
bool MouseHeld(int button);

// Back to the screen this one was opened over (popScene); a screen started on its own (from the
// command line) goes to the main menu instead.
void LeaveScreen();

// True on the first call of the run only (the main menu's opening fade), clearing the flag.
bool TakeFirstVisit();

// "Click", when sound effects are on.
void PlayClick();

// A picture in interface space: an AnchorTransform at `at` with half-size `halfSize`, drawn with
// mesh "SquareMesh" and the given program ("static" stays put when the camera moves).
std::unique_ptr<Object> MakePicture(const std::string& texture, glm::vec2 at, glm::vec2 halfSize,
                                    const std::string& program = "static", const std::string& mesh = "SquareMesh");
// An interface text at `at`, letters `size` units tall.
std::unique_ptr<Text> MakeText(const std::string& text, glm::vec2 at, float size, glm::vec4 color = kDarkInk);
// A screen-filling backdrop of the given style (Background::kWood ...), its texture tiled at its
// own size. SetBackdropStyle changes the style of one already made.
std::unique_ptr<Background> MakeBackdrop(int style);
void SetBackdropStyle(Background& backdrop, int style);
// The backdrop covering a window of that size, with room to spare.
glm::vec2 BackdropSize(int width, int height);

// The "Back" button of the screens opened over the menu, near the bottom-left corner.
std::unique_ptr<SmartButton> MakeBackButton();
// Gives every vertex of the picture's mesh the colour (fades).
void TintPicture(Object& picture, glm::vec4 color);

}  // namespace frontend
