#pragma once
#include <cstdint>
#include <string_view>

#include <glm/glm.hpp>

class Camera;
class Object;
class ShaderLibrary;
class Texture;

// A sprite's program name chooses its material: which view matrix it is drawn with and which
// further uniforms are filled from the owning object. Names are matched by substring in the order
// of this enumeration, the first match winning ("pawn_ui_anim" is PawnUi, "static_anim" Static).
enum class Material {
    None,
    Basic,
    Mesh,
    Arrow,
    Static,
    Button,
    SetupPawnUi,
    PawnUi,
    Pawn,
    Banner,
    Water,
    Background,
    Bar,
    Tile,
    Text,
};

Material MaterialFor(std::string_view program);
// True when the program takes sprite-sheet uniforms ("frameIndex", "numRows", "numCols").
bool IsAnimatedProgram(std::string_view program);

// An orthographic projection of the camera viewport, one unit per pixel, origin at the centre,
// neither moved nor zoomed: interface space.
glm::mat4 ScreenProjection(const Camera& camera);

// Fills the uniforms of the sprite's material (program already current). Returns false when the
// program is missing (nothing current to draw with).
bool SetupMaterial(Texture& sprite, ShaderLibrary& shaders, Camera& camera);

// The "playerColor" the team-colour materials give an object (white when it belongs to no side).
glm::vec3 TeamColorFor(Material material, const Object& owner);
