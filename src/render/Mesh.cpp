#include "render/Mesh.h"

#include <algorithm>

#include <glad/gl.h>

#include "engine/FileCache.h"
#include "engine/GlContext.h"
#include "engine/Json.h"
#include "engine/Log.h"

namespace {

// Numbers of a flat array; a non-number counts as 0 so one typo does not shift every vertex.
std::vector<float> ReadNumbers(const json::Value& root, const char* key)
{
    std::vector<float> numbers;
    const json::Value* array = nullptr;
    if (json::GetArray(root, key, array) != json::Field::Ok) return numbers;
    numbers.reserve(array->Size());
    for (const auto& value : array->GetArray())
        numbers.push_back(value.IsNumber() ? static_cast<float>(value.GetDouble()) : 0.0f);
    return numbers;
}

void Fill(MeshData& mesh, const json::Value& root, int layout)
{
    std::vector<float> p = ReadNumbers(root, "position");
    std::vector<float> t = ReadNumbers(root, "texCoord");
    for (std::size_t i = 0; i + 1 < p.size(); i += 2) mesh.positions.emplace_back(p[i], p[i + 1]);
    for (std::size_t i = 0; i + 1 < t.size(); i += 2) mesh.texCoords.emplace_back(t[i], t[i + 1]);
    if (layout == kMeshLayoutColored) {
        std::vector<float> c = ReadNumbers(root, "color");
        for (std::size_t i = 0; i + 3 < c.size(); i += 4) mesh.colors.emplace_back(c[i], c[i + 1], c[i + 2], c[i + 3]);
    } else {
        std::size_t n = std::min(mesh.positions.size(), mesh.texCoords.size());
        mesh.colors.assign(n, glm::vec4(1.0f));
    }
    std::size_t count = std::min({mesh.positions.size(), mesh.texCoords.size(), mesh.colors.size()});
    mesh.vertices.reserve(count);
    for (std::size_t i = 0; i < count; ++i) mesh.vertices.push_back({mesh.positions[i], mesh.texCoords[i], mesh.colors[i]});
}

MeshData FromParsed(const json::Result& result, const json::Document& doc, int layout)
{
    MeshData mesh;
    if (result.status == json::Status::NotFound) {
        mesh.status = MeshData::Status::NotFound;
    } else if (!result.ok() || !doc.IsObject()) {
        mesh.status = MeshData::Status::Unparsable;
    } else {
        Fill(mesh, doc, layout);
    }
    return mesh;
}

}  // namespace

MeshData MeshData::FromFile(const std::string& path, int layout)
{
    json::Document doc;
    json::Result result = json::ParseFile(path, doc);
    return FromParsed(result, doc, layout);
}

MeshData MeshData::FromText(const std::string& text, int layout)
{
    json::Document doc;
    json::Result result = json::ParseText(text, doc);
    return FromParsed(result, doc, layout);
}

namespace {
// Every sprite keeps its own copy of the geometry (it recolours it), but the file is parsed once.
MeshData ReadReported(const std::string& meshName, int layout)
{
    static FileCache<MeshData> textured, colored;
    FileCache<MeshData>& cache = layout == kMeshLayoutColored ? colored : textured;
    const auto& entry = cache.Get(Mesh::kDirectory + meshName + ".json",
                                  [layout](const std::string& path, MeshData& out, bool& parsed) {
                                      out = MeshData::FromFile(path, layout);
                                      parsed = out.status == MeshData::Status::Ok;
                                      return out.status != MeshData::Status::NotFound;
                                  });
    if (!entry.found) {
        print("### Mesh Class could not open Mesh Data file. Is it in the data folder and is .json format? ###");
    } else if (!entry.parsed) {
        print("### Mesh Class had a problem parsing a .json file ###");
    }
    return entry.value;
}
}  // namespace

Mesh::Mesh(const std::string& meshName, int layout) : Mesh(meshName, ReadReported(meshName, layout)) {}

Mesh::Mesh(const std::string& meshName, MeshData data) : name(meshName)
{
    positions = std::move(data.positions);
    texCoords = std::move(data.texCoords);
    colors = std::move(data.colors);
    vertices = std::move(data.vertices);
    vertexCount = static_cast<std::uint32_t>(vertices.size());
    if (gl_context::Available()) upload();
}

Mesh::~Mesh()
{
    if (!gl_context::Available()) return;
    if (vbo) glDeleteBuffers(1, &vbo);
    if (vao) glDeleteVertexArrays(1, &vao);
}

void Mesh::upload()
{
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, &vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data(),
                 GL_STATIC_DRAW);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(0));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(8));
    glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(16));
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glEnableVertexAttribArray(2);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void Mesh::setColor(const glm::vec4& rgba)
{
    for (auto& c : colors) c = rgba;
    for (auto& v : vertices) v.color = rgba;
    if (!gl_context::Available() || !vbo || vertices.empty()) return;
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data());
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}
