#pragma once
#include <set>
#include <string>
#include <vector>

// Consistency of the game's images: the texture list "TextureMaster" against the files in
// Assets/, and the texture names the shipped data asks for against the list. Used by
// `--check-data` (registered as "Textures") and by the tests.
namespace texturecheck {

// Names listed by the texture list file (strings or objects with "name"). Problems are appended.
std::set<std::string> ListedTextures(const std::string& listPath, std::vector<std::string>& problems);

// Where a data file names a texture: the file it is in and the name.
struct Reference {
    std::string file;
    std::string name;
    bool loadedByName = false;  // added straight from ./Assets (texture lists, guide pages)
};
// Texture names used under a data folder: level tiles and objects ("biome", "object" in Levels/),
// particle textures ("texture" in Particles/), every entry of the other texture lists (files with
// a "textures" array, such as a level's own list) and the how-to-play pages of "GuideMaster.json".
std::vector<Reference> ReferencedTextures(const std::string& dataDir, std::vector<std::string>& problems);

// Decodes the image at `path` (with the game's size guard); false and one line when it fails.
bool CheckDecodes(const std::string& path, std::vector<std::string>& problems);

// The whole check rooted at a game folder (holding Data/ and Assets/): one line per problem.
std::vector<std::string> Check(const std::string& root);

}  // namespace texturecheck
