// artgen: paints every texture of the game into <out>/Assets/<name>.png, registers them in
// <out>/Data/TextureMaster.json and lays them all out, labelled, in <out>/contact-sheet.png.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Catalogue.h"
#include "ContactSheet.h"

namespace {
std::string JsonEscape(const std::string& s)
{
    std::string out;
    for (char ch : s) {
        if (ch == '"' || ch == '\\') out += '\\';
        out += ch;
    }
    return out;
}

bool WriteTextureMaster(const Catalogue& c, const std::string& path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "{\n    \"textures\": [\n";
    const auto& list = c.entries();
    for (size_t i = 0; i < list.size(); ++i) {
        const Entry& e = list[i];
        out << "        { \"name\": \"" << JsonEscape(e.name) << "\", \"repeat\": " << (e.repeat ? "true" : "false")
            << ", \"rows\": " << e.rows << ", \"columns\": " << e.columns << ", \"mipmap\": " << e.mipmap << " }"
            << (i + 1 < list.size() ? "," : "") << "\n";
    }
    out << "    ]\n}\n";
    return bool(out);
}
}  // namespace

int main(int argc, char** argv)
{
    std::string art = "data/art", out = "build", fonts = "/usr/share/fonts/truetype/dejavu", levels;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string key = argv[i];
        if (key == "--art") art = argv[i + 1];
        else if (key == "--out") out = argv[i + 1];
        else if (key == "--fonts") fonts = argv[i + 1];
        else if (key == "--levels") levels = argv[i + 1];
    }
    auto start = std::chrono::steady_clock::now();
    ArtContext ctx;
    ctx.levels = levels;
    if (!ctx.maps.Load(art)) {
        std::fprintf(stderr, "artgen: problems in %s:\n%s", art.c_str(), ctx.maps.errors().c_str());
        return 1;
    }
    if (!ctx.sans.Load(fonts + "/DejaVuSans.ttf") || !ctx.serif.Load(fonts + "/DejaVuSerif-Bold.ttf")) {
        std::fprintf(stderr, "artgen: cannot read the DejaVu fonts in %s\n", fonts.c_str());
        return 1;
    }
    std::filesystem::create_directories(out + "/Assets");
    std::filesystem::create_directories(out + "/Data");

    Catalogue catalogue = BuildCatalogue();
    ContactSheet sheet;
    for (const Entry& e : catalogue.entries()) {
        Image img = e.make(ctx);
        if (img.width() == 0 || img.width() % e.columns || img.height() % e.rows) {
            std::fprintf(stderr, "artgen: %s is %dx%d, not divisible into %dx%d frames\n", e.name.c_str(),
                         img.width(), img.height(), e.rows, e.columns);
            return 1;
        }
        if (!img.writePng(out + "/Assets/" + e.name + ".png")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", e.name.c_str());
            return 1;
        }
        sheet.Add(e, img);
    }
    if (!WriteTextureMaster(catalogue, out + "/Data/TextureMaster.json")) {
        std::fprintf(stderr, "artgen: cannot write TextureMaster.json\n");
        return 1;
    }
    if (!sheet.Render(ctx.sans).writePng(out + "/contact-sheet.png")) {
        std::fprintf(stderr, "artgen: cannot write the contact sheet\n");
        return 1;
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("artgen: %zu textures in %lld ms\n", catalogue.entries().size(), (long long)ms.count());
    return 0;
}
