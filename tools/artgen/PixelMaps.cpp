#include "PixelMaps.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "Palette.h"

namespace {
std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}
}  // namespace

bool PixelMaps::LoadPalette(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    bool ok = true;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string letter, name;
        fields >> letter >> name;
        Rgba c;
        if (letter.size() != 1 || !pal::ByName(name, c)) {
            errors_ += "palette: bad line '" + line + "'\n";
            ok = false;
            continue;
        }
        palette_[letter[0]] = c;
    }
    palette_['.'] = kClear;
    return ok;
}

bool PixelMaps::Parse(const std::string& text, const std::string& fileName)
{
    std::istringstream in(text);
    std::string line, name;
    std::vector<std::string> rows;
    bool ok = true;
    auto finish = [&]() {
        if (name.empty()) return;
        size_t w = rows.empty() ? 0 : rows[0].size();
        Image img(int(w), int(rows.size()));
        for (size_t y = 0; y < rows.size(); ++y) {
            if (rows[y].size() != w) {
                errors_ += fileName + ": " + name + " row " + std::to_string(y) + " has a different length\n";
                ok = false;
            }
            for (size_t x = 0; x < std::min(w, rows[y].size()); ++x) {
                auto it = palette_.find(rows[y][x]);
                if (it == palette_.end()) {
                    errors_ += fileName + ": " + name + " uses unknown letter '" + rows[y][x] + "'\n";
                    ok = false;
                    continue;
                }
                img.set(int(x), int(y), it->second);
            }
        }
        maps_[name] = img;
        rows.clear();
    };
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("==", 0) == 0) {
            finish();
            name = Trim(line.substr(2, line.size() >= 4 ? line.size() - 4 : 0));
            continue;
        }
        if (name.empty()) {
            errors_ += fileName + ": pixels before any '== Name ==' line\n";
            ok = false;
            continue;
        }
        rows.push_back(line);
    }
    finish();
    return ok;
}

bool PixelMaps::Load(const std::string& folder)
{
    namespace fs = std::filesystem;
    bool ok = LoadPalette(ReadAll(folder + "/palette.txt"));
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (e.path().extension() == ".txt" && e.path().filename() != "palette.txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const auto& f : files) ok = Parse(ReadAll(f.string()), f.filename().string()) && ok;
    return ok;
}

const Image& PixelMaps::Get(const std::string& name) const
{
    static const Image empty;
    auto it = maps_.find(name);
    return it == maps_.end() ? empty : it->second;
}
