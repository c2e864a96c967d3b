#pragma once
#include <cstdint>

#include <glm/glm.hpp>

class Camera;
class Mesh;
class Object;
class ShaderLibrary;
struct TextureData;

// The per-object state a material reads. An Object subclass fills what applies to it in
// Object::FillMaterialInputs; everything else keeps these neutral defaults.
struct MaterialInputs {
    // "button" and "tile": hover and click state and their colours.
    bool hovered = false;
    bool clicked = false;
    glm::vec3 highlightColor{1.0f, 1.0f, 0.6f};
    glm::vec3 clickedColor{0.6f, 0.6f, 0.6f};
    // "pawn": the owner's side (1 or 2; anything else draws untinted).
    int playerNumber = 0;
    // "bar": the value shown.
    float currentValue = 0.0f;
    float maxValue = 1.0f;
    // "water" and "background": backdrop size and half the texture's size, in world units.
    glm::vec2 size{0.0f};
    glm::vec2 textureSize{0.0f};
    // "arrow": whether the sprite tests the mouse, and whether it lives in interface space.
    bool hoverTesting = false;
    bool screenSpace = false;
};

// What the "text" material gets to draw a whole string with (see Object::DrawTextMaterial).
struct MaterialContext {
    ShaderLibrary& shaders;
    Camera& camera;
    std::uint32_t program;
    Mesh* mesh;
    TextureData* texture;
};
