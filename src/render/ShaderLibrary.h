#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "objects/NameHash.h"

// Linked shader programs shared by name. Scenes load the programs they use in their Load;
// loading a name again replaces (and frees) the older program. Uniform locations are cached per
// program, so drawing looks nothing up in the driver after the first frame.
class ShaderLibrary {
public:
    static constexpr const char* kVertexDirectory = "./Data/Shaders/Vertex/";
    static constexpr const char* kFragmentDirectory = "./Data/Shaders/Fragment/";

    // What building one program produced; problems are the lines a data check reports.
    struct Build {
        std::uint32_t program = 0;  // 0 when a file could not be read
        bool vertexMissing = false;
        bool fragmentMissing = false;
        std::vector<std::string> problems;
    };

    ShaderLibrary() { programs.rehash(8); }
    ~ShaderLibrary();
    ShaderLibrary(const ShaderLibrary&) = delete;
    ShaderLibrary& operator=(const ShaderLibrary&) = delete;

    // Builds "<vertexDir><vertexName>.vert" + "<fragmentDir><fragmentName>.frag" under programName.
    void load(const std::string& programName, const std::string& vertexName, const std::string& fragmentName);
    // Makes the program current and returns it; 0 and a complaint when there is none.
    std::uint32_t getProgram(std::string_view programName);
    // Quiet lookup without changing the current program: 0 when absent.
    std::uint32_t find(std::string_view programName) const;
    // Location of a uniform of a stored program (-1 when the program does not use it).
    int uniform(std::uint32_t program, std::string_view uniformName);
    std::size_t size() const { return programs.size(); }

    // Compiles and links one program (needs a context). Does not print; the caller decides.
    static Build BuildProgram(const std::string& vertexPath, const std::string& fragmentPath);

    std::string vertexDirectory = kVertexDirectory;
    std::string fragmentDirectory = kFragmentDirectory;

private:
    struct Program {
        std::uint32_t id = 0;
        std::unordered_map<std::string, int, NameHash, std::equal_to<>> uniforms;
    };
    std::unordered_map<std::string, Program, NameHash, std::equal_to<>> programs;
    // Program id -> its entry, for the uniform cache.
    std::unordered_map<std::uint32_t, Program*> byId;
};

// The programs the scenes load, with their vertex and fragment files.
struct ProgramSource {
    const char* program;
    const char* vertex;
    const char* fragment;
};
const std::vector<ProgramSource>& KnownPrograms();
// Loads every program of KnownPrograms() whose name is listed.
void LoadPrograms(ShaderLibrary& shaders, std::initializer_list<const char*> names);
