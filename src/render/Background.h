#pragma once
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "objects/Object.h"

// A scene's screen-filling backdrop: a square sprite scaled to `size` every update, drawn with the
// camera's projection only so it stays centred while the camera moves. The style picks the
// material, the texture and the starting rotation.
class Background : public Object {
public:
    enum Style {
        kPlain = 0,
        kWood = 1,
        kBook = 2,
        kWater = 3,
        kLava = 4,
        kActionPoints = 5,
        kSand = 6,
        kGrass = 7,
        kDidaruza = 8,
        kEvilGrass = 9,
        kTiles = 10,
    };

    Background();

    // The texture names the styles ask for (the data check makes sure each one is there).
    static std::vector<std::string> StyleTextures();

    void Update(float dt) override;
    void FillMaterialInputs(MaterialInputs& inputs) const override;

    // Styles 0 to 10 set program, texture and rotation; a larger style is only stored.
    void setStyle(int newStyle);
    // The texture by name (grab_texture), or none for an empty name.
    void setTexture(const std::string& textureName);
    // Stores half of each value: the shaders tile by size / textureSize.
    void setTextureSize(float width, float height);

    glm::vec2 textureSize{0.0f};
    glm::vec2 size{0.0f};
    int style = 0;
};
