#include "render/ShaderLibrary.h"

#include <iostream>

#include <glad/gl.h>

#include "engine/GlContext.h"
#include "engine/Log.h"
#include "engine/RegularFile.h"

namespace {

// Shader sources are a few KiB; anything past this is not a shader.
constexpr std::size_t kMaxSourceBytes = 1 << 20;

bool ReadWhole(const std::string& path, std::string& out)
{
    return files::ReadRegular(path, out, kMaxSourceBytes) == files::ReadStatus::Ok;
}

std::string InfoLog(GLuint object, bool isProgram)
{
    GLint length = 0;
    isProgram ? glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length) : glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    if (length < 1) return {};
    std::string log(static_cast<std::size_t>(length), '\0');
    isProgram ? glGetProgramInfoLog(object, length, nullptr, log.data())
              : glGetShaderInfoLog(object, length, nullptr, log.data());
    while (!log.empty() && (log.back() == '\0' || log.back() == '\n')) log.pop_back();
    return log;
}

GLuint Compile(GLenum type, const std::string& source, std::vector<std::string>& problems)
{
    GLuint shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) problems.push_back("Shader compilation error: " + InfoLog(shader, false));
    return shader;
}

}  // namespace

ShaderLibrary::~ShaderLibrary()
{
    if (!gl_context::Available()) return;
    for (auto& [name, program] : programs) glDeleteProgram(program.id);
}

ShaderLibrary::Build ShaderLibrary::BuildProgram(const std::string& vertexPath, const std::string& fragmentPath)
{
    Build build;
    std::string vertexSource, fragmentSource;
    if (!ReadWhole(vertexPath, vertexSource)) {
        build.vertexMissing = true;
        return build;
    }
    GLuint vertex = Compile(GL_VERTEX_SHADER, vertexSource, build.problems);
    if (!ReadWhole(fragmentPath, fragmentSource)) {
        build.fragmentMissing = true;
        glDeleteShader(vertex);
        return build;
    }
    GLuint fragment = Compile(GL_FRAGMENT_SHADER, fragmentSource, build.problems);
    build.program = glCreateProgram();
    glAttachShader(build.program, fragment);
    glAttachShader(build.program, vertex);
    glBindFragDataLocation(build.program, 0, "pixelColor");
    glLinkProgram(build.program);
    GLint linked = GL_FALSE;
    glGetProgramiv(build.program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        std::string log = InfoLog(build.program, true);
        build.problems.push_back(log.empty() ? "Unknown error linking render shader program."
                                             : "Error linking render shader program: " + log);
    }
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return build;
}

void ShaderLibrary::load(const std::string& programName, const std::string& vertexName, const std::string& fragmentName)
{
    if (!gl_context::Available()) return;
    Build build = BuildProgram(vertexDirectory + vertexName + ".vert", fragmentDirectory + fragmentName + ".frag");
    for (const auto& problem : build.problems) std::cerr << problem << '\n';
    if (build.vertexMissing) {
        print("~~~ Shader Library could not open VERTEX SHADER file. Is it in the Data Folder? ~~~");
        return;
    }
    if (build.fragmentMissing) {
        print("~~~ Shader Library could not open FRAGMENT SHADER file. Is it in the Data Folder? ~~~");
        return;
    }
    auto it = programs.find(programName);
    if (it != programs.end()) {
        // Nothing holds program ids between frames (sprites look programs up by name), so the
        // replaced program can go now instead of leaking on every scene load.
        byId.erase(it->second.id);
        glDeleteProgram(it->second.id);
        it->second = Program{};
    } else {
        it = programs.emplace(programName, Program{}).first;
    }
    it->second.id = build.program;
    byId[build.program] = &it->second;
}

std::uint32_t ShaderLibrary::find(std::string_view programName) const
{
    auto it = programs.find(programName);
    return it == programs.end() ? 0 : it->second.id;
}

std::uint32_t ShaderLibrary::getProgram(std::string_view programName)
{
    std::uint32_t program = find(programName);
    if (!program) {
        print("ShaderLibrary was asked for a Program it did not have: ", programName);
        return 0;
    }
    glUseProgram(program);
    return program;
}

int ShaderLibrary::uniform(std::uint32_t program, std::string_view uniformName)
{
    auto entry = byId.find(program);
    if (entry == byId.end()) return -1;
    auto& cache = entry->second->uniforms;
    auto it = cache.find(uniformName);
    if (it != cache.end()) return it->second;
    int location = glGetUniformLocation(program, std::string(uniformName).c_str());
    cache.emplace(std::string(uniformName), location);
    return location;
}

const std::vector<ProgramSource>& KnownPrograms()
{
    static const std::vector<ProgramSource> programs = {
        {"basic", "Basic", "Basic"},
        {"static", "Basic", "Basic"},
        {"background", "Background", "Basic"},
        {"basic_anim", "Basic", "Basic_Anim"},
        {"static_anim", "Static", "Basic_Anim"},
        {"water", "Water", "Water"},
        {"tile", "Basic", "Tile"},
        {"pawn_anim", "Basic", "Pawn"},
        {"pawn_ui_anim", "Basic", "Pawn"},
        {"setup_pawn_ui_anim", "Basic", "Pawn"},
        {"button", "Static", "Button"},
        {"banner_anim", "Static", "Banner"},
        {"text", "Test_Text", "Text"},
        {"bar", "Basic", "Bar"},
        {"arrow_anim", "Basic", "Arrow_Anim"},
        {"mesh", "Basic", "Mesh"},
        {"Particle", "Test_Particle", "Test_Particle"},
    };
    return programs;
}

void LoadPrograms(ShaderLibrary& shaders, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        for (const auto& source : KnownPrograms()) {
            if (std::string_view(source.program) == name) shaders.load(source.program, source.vertex, source.fragment);
        }
    }
}
