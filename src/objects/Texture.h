#pragma once
#include <memory>
#include <string>

#include "objects/Component.h"

class Camera;
class Mesh;
class ShaderLibrary;
struct TextureData;

// The sprite component: draws its owner's mesh with a texture and a material (the program name,
// see render/Material.h). Clones share the mesh; the texture belongs to the texture library.
class Texture : public Component {
public:
    static constexpr int kKind = kTexture;

    // Program "basic", no mesh, no texture; the scene system's libraries and camera.
    Texture();
    // Loads its own mesh (layout 2) and takes the texture by name; "None" means untextured.
    Texture(const std::string& meshName, const std::string& textureName);
    Component* Clone() const override { return new Texture(*this); }

    void Draw() override;

    // grab_texture(name), or untextured for "None" (or when there is no texture library).
    void setTexture(const std::string& textureName);
    void setMesh(const std::string& meshName, int layout = 2);

    TextureData* texture = nullptr;
    std::shared_ptr<Mesh> mesh;
    std::string program = "basic";
    ShaderLibrary* shaders = nullptr;
    Camera* camera = nullptr;

};
