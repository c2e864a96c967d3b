#include "ui/TileInfo.h"

#include <algorithm>
#include <array>

namespace {

struct Biome {
    const char* kind;
    const char* name;
    const char* alignment;
    glm::vec3 color;
};

constexpr float k255 = 1.0f / 255.0f;
const std::array<Biome, 4> kBiomes = {{
    {"Fire_Tile", "Magmatic Deadland", "Alignment: Fire-Aligned", glm::vec3(179, 56, 49) * k255},
    {"Water_Tile", "Marshy Wetland", "Alignment: Water-Aligned", glm::vec3(48, 56, 67) * k255},
    {"Wind_Tile", "Bluegrass Meadow", "Alignment: Wind-Aligned", glm::vec3(11, 94, 101) * k255},
    {"Earth_Tile", "Parched Dryland", "Alignment: Earth-Aligned", glm::vec3(158, 69, 57) * k255},
}};

std::string Spaced(std::string text)
{
    std::replace(text.begin(), text.end(), '_', ' ');
    return text;
}

std::string ObjectLine(const TileView& tile, int turn)
{
    std::string line = "Object: " + Spaced(tile.objectName) + "\n";
    if (tile.isToken && !tile.tokenActive)
        return line + "Status: Inactive for " + std::to_string(TurnsUntilTokenRefresh(turn)) + " more rounds.";
    if (tile.isToken) return line + "Element: " + ElementName(tile.tokenElement);
    return line + "Health: " + std::to_string(tile.objectHealth);
}

}  // namespace

int TurnsUntilTokenRefresh(int turn)
{
    const int t = std::max(turn, 0);
    return (t / 3 + 1) * 3 - t;
}

const char* ElementName(int element)
{
    static const char* const kNames[] = {"Fire", "Water", "Earth", "Wind"};
    return element >= 1 && element <= 4 ? kNames[element - 1] : "";
}

TileInfoLines DescribeTile(const TileView* tile, int turn)
{
    TileInfoLines lines;
    if (!tile) return lines;
    lines.coordinates = "( " + std::to_string(tile->column) + " , " + std::to_string(tile->row) + " )";
    lines.biome = "Biome: " + tile->kind;
    lines.alignment = "Alignment: None";
    for (const Biome& biome : kBiomes) {
        if (tile->kind != biome.kind) continue;
        lines.biome = std::string("Biome: ") + biome.name;
        lines.alignment = biome.alignment;
        lines.biomeTinted = true;
        lines.biomeColor = biome.color;
    }
    if (tile->hasObject) lines.object = ObjectLine(*tile, turn);
    return lines;
}
