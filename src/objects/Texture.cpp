#include "objects/Texture.h"

#include <glad/gl.h>

#include "engine/GlContext.h"
#include "engine/Log.h"
#include "render/Material.h"
#include "render/Mesh.h"
#include "render/RenderContext.h"
#include "render/TextureLibrary.h"

Texture::Texture() : Component(kKind), shaders(render::Shaders()), camera(render::ActiveCamera()) {}

Texture::Texture(const std::string& meshName, const std::string& textureName) : Texture()
{
    setMesh(meshName);
    setTexture(textureName);
}

void Texture::setTexture(const std::string& textureName)
{
    TextureLibrary* library = render::Textures();
    texture = (textureName == "None" || !library) ? nullptr : library->grab_texture(textureName);
}

void Texture::setMesh(const std::string& meshName, int layout)
{
    mesh = std::make_shared<Mesh>(meshName, layout);
}

void Texture::Draw()
{
    if (!mesh) return;
    if (!shaders) {
        print("/// Texture tried to render without being passed a ShaderLibrary pointer. Ask Dunstan for help. ///");
        return;
    }
    if (!gl_context::Available() || !camera || !owner) return;
    // A missing program leaves whatever program an earlier sprite used current; skip instead of
    // drawing this sprite with someone else's material.
    if (!SetupMaterial(*this, *shaders, *camera)) return;
    if (program.find("text") != std::string::npos) return;
    // The entry that stands in when even "default" is missing draws nothing.
    if (texture && texture->id == 0) return;
    glBindVertexArray(mesh->vao);
    // Untextured sprites sample plain white, so the textured shaders show the vertex colours.
    TextureLibrary* library = render::Textures();
    std::uint32_t id = texture ? texture->id : (library ? library->whiteTexture() : 0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, id);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(mesh->vertexCount));
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
}
