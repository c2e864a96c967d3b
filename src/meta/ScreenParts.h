#pragma once
#include <memory>
#include <string>

#include <glm/glm.hpp>

#include "meta/FrontEndKit.h"

class Background;
class Object;
class Text;

// Pieces the setup and victory screens build their pages from.
namespace screenparts {

// Letter sizes and wrap widths (in widths of the letter "e") of the screens' longer texts.
inline constexpr float kDescriptionSize = 19.0f;
inline constexpr float kDescriptionWrap = 34.0f;
inline constexpr float kReportSize = 24.0f;
inline constexpr float kReportWrap = 30.0f;

// Pictures and texts are made as on every other front-end screen.
using frontend::MakePicture;
using frontend::MakeText;
// Shows frame `frame` of a sheet picture (held there; limited to the sheet's frames).
void ShowFrame(Object& picture, int frame);
// How many frames the picture's texture has (0 when it has none).
int FrameCount(const Object& picture);
void SetTexture(Object& picture, const std::string& texture);

// The wood backdrop of the menus, tiled at its picture's size.
std::unique_ptr<Background> MakeBackdrop();
// Covers a window of width x height wherever the camera stands.
void FitBackdrop(Background* backdrop, int width, int height);

// Back to the screen this one was opened over; a screen started on its own (from the command
// line) goes to the main menu instead.
void LeaveScreen();

}  // namespace screenparts
