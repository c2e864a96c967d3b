// `--check-data`: the images the code itself asks for by name, which no data file lists: the
// backdrops of the scenes, the window icon, the cursor and the fallback texture.
#include <set>
#include <string>
#include <vector>

#include "engine/DataCheck.h"
#include "engine/RegularFile.h"
#include "render/Background.h"
#include "render/TextureCheck.h"

namespace {

const char* const kIconImage = "./Assets/Fire_Token.png";
const char* const kCursorImage = "./Assets/Default_Cursor.png";

void CheckNamedImage(const std::string& what, const std::string& path, datacheck::Problems& problems)
{
    if (!files::IsRegular(path)) return problems.Add("Code textures: the " + what + " " + path + " is missing");
    std::vector<std::string> lines;
    texturecheck::CheckDecodes(path, lines);
    for (std::string& line : lines) problems.Add(std::move(line));
}

void CheckCodeTextures(datacheck::Problems& problems)
{
    // Backdrops are looked up by name in the texture library, so TextureMaster must list them
    // (the "Textures" check decodes every listed image).
    std::vector<std::string> listProblems;
    std::set<std::string> listed = texturecheck::ListedTextures("./Data/TextureMaster.json", listProblems);
    for (const std::string& name : Background::StyleTextures())
        if (!listed.count(name))
            problems.Add("Code textures: the backdrop \"" + name + "\" is not listed in TextureMaster");
    CheckNamedImage("window icon", kIconImage, problems);
    CheckNamedImage("cursor image", kCursorImage, problems);
}

const bool registered = datacheck::Register("CodeTextures", CheckCodeTextures);

}  // namespace
