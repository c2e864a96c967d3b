#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <glm/glm.hpp>

// One vertex of a mesh's buffer: 32 bytes, tightly packed, attributes 0, 1 and 2 of the shaders.
struct Vertex {
    glm::vec2 position;
    glm::vec2 texCoord;
    glm::vec4 color;
};
static_assert(sizeof(Vertex) == 32, "the vertex layout is shared with the GLSL attribute setup");

// Layout 1: positions and texture coordinates (colour white); layout 2: also colours.
enum MeshLayout { kMeshLayoutTextured = 1, kMeshLayoutColored = 2 };

// The parsed content of a mesh file, independent of any GPU state.
struct MeshData {
    enum class Status { Ok, NotFound, Unparsable };
    std::vector<glm::vec2> positions;
    std::vector<glm::vec2> texCoords;
    std::vector<glm::vec4> colors;
    std::vector<Vertex> vertices;
    Status status = Status::Ok;

    // Reads a mesh file: "position" and "texCoord" in pairs, "color" in fours (layout 2 only).
    // Vertex i exists while every list has an entry i; a missing or ill-typed key is an empty list.
    static MeshData FromFile(const std::string& path, int layout);
    static MeshData FromText(const std::string& text, int layout);
};

// A sprite's own geometry: a plain triangle list in a vertex array. Without a GL context the
// vertices are still read, so geometry can be checked headless; nothing is uploaded then.
class Mesh {
public:
    static constexpr const char* kDirectory = "./Data/Meshes/";

    Mesh(const std::string& meshName, int layout);
    // A mesh from geometry already read (or built in code).
    Mesh(const std::string& meshName, MeshData data);
    ~Mesh();
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;

    // Gives every vertex the colour and re-uploads the buffer in place.
    void setColor(const glm::vec4& rgba);

    std::string name;
    std::vector<glm::vec2> positions;
    std::vector<glm::vec2> texCoords;
    std::vector<glm::vec4> colors;
    std::vector<Vertex> vertices;
    std::uint32_t vertexCount = 0;
    std::uint32_t vao = 0;
    std::uint32_t vbo = 0;

private:
    void upload();
};
