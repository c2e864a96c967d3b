// `--check-data` checks for the render content: shader programs, meshes and texture lists.
#include "render/RenderDataChecks.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include <glad/gl.h>

#include "engine/DataCheck.h"
#include "render/Mesh.h"
#include "render/ShaderLibrary.h"
#include "render/TextureLibrary.h"
#include "render/TextureList.h"

namespace {

namespace fs = std::filesystem;

void CheckShaders(datacheck::Problems& problems)
{
    for (const auto& source : KnownPrograms()) {
        std::string vertex = std::string(ShaderLibrary::kVertexDirectory) + source.vertex + ".vert";
        std::string fragment = std::string(ShaderLibrary::kFragmentDirectory) + source.fragment + ".frag";
        ShaderLibrary::Build build = ShaderLibrary::BuildProgram(vertex, fragment);
        std::string prefix = std::string("Shader program \"") + source.program + "\": ";
        if (build.vertexMissing) problems.Add(prefix + "cannot open " + vertex);
        if (build.fragmentMissing) problems.Add(prefix + "cannot open " + fragment);
        for (const auto& problem : build.problems) problems.Add(prefix + problem);
        if (build.program) glDeleteProgram(build.program);
    }
}

void CheckMeshes(datacheck::Problems& problems)
{
    const fs::path folder = Mesh::kDirectory;
    for (const char* required : {"SquareMesh", "PanelMesh", "TextMesh"}) {
        if (!fs::exists(folder / (std::string(required) + ".json")))
            problems.Add(std::string("Mesh \"") + required + "\" is missing from " + folder.string());
    }
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".json") CheckMeshFile(entry.path().string(), problems);
    }
}

void CheckTextureList(const std::string& listName, datacheck::Problems& problems)
{
    std::string path = std::string(TextureLibrary::kDataDirectory) + listName + ".json";
    TextureList list = TextureList::FromFile(path);
    if (list.status == TextureList::Status::NotFound) return problems.Add("Texture list " + path + " cannot be opened");
    if (list.status == TextureList::Status::Unparsable)
        return problems.Add("Texture list " + path + " is not a JSON object with a \"textures\" array");
    if (list.invalidEntries > 0)
        problems.Add("Texture list " + path + ": " + std::to_string(list.invalidEntries) + " invalid entries");
}

// Missing images and names used but never listed are the "Textures" check's business.
void CheckTextureLists(datacheck::Problems& problems)
{
    CheckTextureList("TextureMaster", problems);
}

const bool shadersRegistered = datacheck::Register("Shaders", CheckShaders, true);
const bool meshesRegistered = datacheck::Register("Meshes", CheckMeshes);
const bool textureListsRegistered = datacheck::Register("TextureLists", CheckTextureLists);

}  // namespace

void CheckMeshFile(const std::string& path, datacheck::Problems& problems)
{
    // Text reads positions and texture coordinates only; sprites, backdrops and particles also
    // need a colour per vertex, or the vertices past the last colour are silently dropped.
    const bool textOnly = fs::path(path).stem() == "TextMesh";
    MeshData mesh = MeshData::FromFile(path, textOnly ? kMeshLayoutTextured : kMeshLayoutColored);
    std::string where = "Mesh " + path + ": ";
    if (mesh.status == MeshData::Status::NotFound) return problems.Add(where + "cannot be opened");
    if (mesh.status == MeshData::Status::Unparsable) return problems.Add(where + "is not a valid JSON object");
    const std::size_t listed = std::min(mesh.positions.size(), mesh.texCoords.size());
    if (mesh.vertices.size() < listed)
        problems.Add(where + "has colours for only " + std::to_string(mesh.vertices.size()) + " of its " +
                     std::to_string(listed) + " vertices");
    if (mesh.vertices.empty()) problems.Add(where + "has no vertices");
    else if (mesh.vertices.size() % 3 != 0) problems.Add(where + "vertex count is not a multiple of 3");
}
