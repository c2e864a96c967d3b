#pragma once
#include <string>

namespace datacheck {
struct Problems;
}

// `--check-data` for one mesh file: it must parse and hold whole triangles in the layout the game
// loads it with ("TextMesh" positions and texture coordinates only, every other mesh with colours).
void CheckMeshFile(const std::string& path, datacheck::Problems& problems);
