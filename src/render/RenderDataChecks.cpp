// `--check-data` checks for the render content: shader programs, meshes and texture lists.
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

void CheckMeshFile(const fs::path& path, datacheck::Problems& problems)
{
    // Layout 1 needs only positions and texture coordinates, which every mesh has.
    MeshData mesh = MeshData::FromFile(path.string(), kMeshLayoutTextured);
    std::string where = "Mesh " + path.string() + ": ";
    if (mesh.status == MeshData::Status::NotFound) problems.Add(where + "cannot be opened");
    else if (mesh.status == MeshData::Status::Unparsable) problems.Add(where + "is not a valid JSON object");
    else if (mesh.vertices.empty()) problems.Add(where + "has no vertices");
    else if (mesh.vertices.size() % 3 != 0) problems.Add(where + "vertex count is not a multiple of 3");
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
        if (entry.path().extension() == ".json") CheckMeshFile(entry.path(), problems);
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
