#pragma once
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

// A throw-away spell folder ("Objects/", "Scripts/", list files) for loader tests.
class SpellFolder {
public:
    SpellFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "primalites-spells.XXXXXX").string();
        root = mkdtemp(pattern.data());
        std::filesystem::create_directories(root / "Objects");
        std::filesystem::create_directories(root / "Scripts");
    }
    ~SpellFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    SpellFolder(const SpellFolder&) = delete;
    SpellFolder& operator=(const SpellFolder&) = delete;

    // The folder as the loaders want it: with a trailing separator.
    std::string Path() const { return root.string() + "/"; }

    void Write(const std::string& relative, const std::string& text) const
    {
        std::ofstream(root / relative, std::ios::binary | std::ios::trunc) << text;
    }
    void Definition(const std::string& name, const std::string& json) const { Write("Objects/" + name + ".json", json); }
    void Script(const std::string& name, const std::string& text) const { Write("Scripts/" + name + ".txt", text); }

    // A complete definition with the given element and numbers, its script named after it.
    void Simple(const std::string& name, const std::string& element, int cost, int range, int size, int hit,
                const std::string& script) const
    {
        Definition(name, "{\"name\": \"" + name + "\", \"element\": \"" + element + "\", \"cost\": " +
                             std::to_string(cost) + ", \"range\": " + std::to_string(range) + ", \"size\": " +
                             std::to_string(size) + ", \"hit chance\": " + std::to_string(hit) + ", \"script\": \"" +
                             name + "\"}");
        Script(name, script);
    }

private:
    std::filesystem::path root;
};
