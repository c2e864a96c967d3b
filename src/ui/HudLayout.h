#pragma once
#include <glm/glm.hpp>

#include <memory>
#include <string>

class Object;
class Text;

// Interface placement helpers for the battle HUD: points pinned to a screen edge or corner with an
// inset, recomputed from the current viewport so every panel follows window resizes.
namespace ui {

// The viewport in pixels (1280 x 720 when there is no camera).
glm::ivec2 HudViewport();
// The anchor point (AnchorTransform::Anchor) of the current viewport moved by `inset`
// (interface units, y up).
glm::vec2 HudPoint(int anchor, glm::vec2 inset);
// Places an object with an interface (or world) placement at an interface position and size.
void PlaceSprite(Object& object, glm::vec2 position, glm::vec2 halfSize);
// A plain interface sprite ("SquareMesh", render kind "static" unless told) with that texture;
// "None" gives an untextured quad in `color`.
std::unique_ptr<Object> MakeSprite(const char* textureName, glm::vec2 halfSize, const char* program = "static",
                   glm::vec4 color = glm::vec4(1.0f));
// The width a text's laid-out glyphs cover, in interface units.
float TextWidth(const Text& text);
// Sets the letter size, shrinking it when needed so the text is no wider than maxWidth.
void FitText(Text& text, float size, float maxWidth);
// A left-aligned interface text in the given ink.
std::unique_ptr<Text> MakeLabel(const std::string& content, float size, glm::vec4 ink, int hAlign = 1);
// Multiplies the alpha of every vertex of the object's mesh (greying, dimmed pips).
void SetSpriteAlpha(Object& object, float alpha);

}  // namespace ui
