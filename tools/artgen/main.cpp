// artgen: paints every texture of the game into <out>/Assets/<name>.png, registers them in
// <out>/Data/TextureMaster.json and lays them all out, labelled, in <out>/contact-sheet.png.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "Catalogue.h"
#include "ContactSheet.h"
#include "GuidePages.h"
#include "Palette.h"

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

// The how-to-play pages of <art>/guide/pages.txt, painted with the finished textures into
// <out>/Assets/How To Play/ and laid out for review in <out>/guide-sheet.png. They are not listed
// in TextureMaster: the book registers each page by name when it reads its guide file.
bool PaintGuide(const std::string& art, const std::string& out, const ArtContext& ctx, const Catalogue& catalogue,
                const std::map<std::string, Image>& painted)
{
    std::ifstream in(art + "/guide/pages.txt", std::ios::binary);
    if (!in) return true;  // no book to paint
    std::stringstream text;
    text << in.rdbuf();
    std::string errors;
    std::vector<guide::Page> pages = guide::Parse(text.str(), errors);
    auto texture = [&](const std::string& name, int& rows, int& columns) {
        for (const Entry& e : catalogue.entries())
            if (e.name == name) {
                rows = e.rows;
                columns = e.columns;
                return painted.at(name);
            }
        return Image();
    };
    std::filesystem::create_directories(out + "/Assets/How To Play");
    ContactSheet sheet;
    for (const guide::Page& page : pages) {
        Image img = guide::Paint(page, ctx, texture, errors);
        if (!img.writePng(out + "/Assets/How To Play/" + page.link + ".png")) errors += "cannot write " + page.link + "\n";
        // Review copy on the book's paper colour, as the page shows in the game.
        Image onPaper(img.width(), img.height(), pal::Hex(0xefe0c2));
        onPaper.blit(img, 0, 0);
        sheet.Add(Entry{page.link, 1, 1, false, 0, nullptr}, onPaper);
    }
    if (!errors.empty()) {
        std::fprintf(stderr, "artgen: problems in the guide pages:\n%s", errors.c_str());
        return false;
    }
    sheet.Render(ctx.sans).writePng(out + "/guide-sheet.png");
    std::printf("artgen: %zu guide pages\n", pages.size());
    return true;
}
}  // namespace

int main(int argc, char** argv)
{
    std::string art = "data/art", out = "build", fonts = "/usr/share/fonts/truetype/dejavu", levels;
    std::string lettering = "/usr/share/fonts/truetype/klaudia-berenika/Berenika-Bold.ttf";
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string key = argv[i];
        if (key == "--art") art = argv[i + 1];
        else if (key == "--out") out = argv[i + 1];
        else if (key == "--fonts") fonts = argv[i + 1];
        else if (key == "--levels") levels = argv[i + 1];
        else if (key == "--lettering") lettering = argv[i + 1];
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
    if (!ctx.lettering.Load(lettering)) {
        std::fprintf(stderr, "artgen: cannot read the lettering font %s\n", lettering.c_str());
        return 1;
    }
    std::filesystem::create_directories(out + "/Assets");
    std::filesystem::create_directories(out + "/Data");

    Catalogue catalogue = BuildCatalogue();
    ContactSheet sheet;
    std::map<std::string, Image> painted;
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
        painted[e.name] = std::move(img);
    }
    if (!WriteTextureMaster(catalogue, out + "/Data/TextureMaster.json")) {
        std::fprintf(stderr, "artgen: cannot write TextureMaster.json\n");
        return 1;
    }
    if (!sheet.Render(ctx.sans).writePng(out + "/contact-sheet.png")) {
        std::fprintf(stderr, "artgen: cannot write the contact sheet\n");
        return 1;
    }
    if (!PaintGuide(art, out, ctx, catalogue, painted)) return 1;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("artgen: %zu textures in %lld ms\n", catalogue.entries().size(), (long long)ms.count());
    return 0;
}
