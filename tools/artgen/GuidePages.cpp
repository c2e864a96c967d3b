#include "GuidePages.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "Paint.h"

using namespace pal;

namespace guide {
namespace {

constexpr int kMargin = 14;
constexpr float kTextSize = 22.0f;
constexpr int kLineStep = 24;
constexpr int kArtHeight = 80;
constexpr int kGap = 10;
const Rgba kInk = Hex(0x2e222f);
const Rgba kNoteInk = Hex(0x6e2727);
const Ramp kPlateRamp{Hex(0xb89466), Hex(0xc9a97c), Hex(0xdcc197), Hex(0xecd9b4)};

std::string Trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::vector<std::string> SplitItems(const std::string& line)
{
    std::vector<std::string> items;
    std::stringstream in(line);
    std::string item;
    while (std::getline(in, item, '|'))
        if (!Trim(item).empty()) items.push_back(Trim(item));
    return items;
}

// Words laid into lines no wider than `width` pixels.
std::vector<std::string> Wrap(const Font& font, const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::stringstream in(text);
    std::string word, line;
    while (in >> word) {
        std::string tryLine = line.empty() ? word : line + " " + word;
        if (!line.empty() && font.Measure(tryLine, kTextSize) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = tryLine;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// Pixel art is enlarged by whole factors and reduced by whole divisors, so its pixels stay square.
Image FitHeight(const Image& img, int height)
{
    if (img.height() <= 0) return img;
    if (img.height() <= height) return img.scaled(std::max(1, height / img.height()));
    int divisor = (img.height() + height - 1) / height;
    return img.resized(std::max(1, img.width() / divisor), std::max(1, img.height() / divisor));
}

// Team-coloured pixels (pure magenta shades) take the given colour, as the sprite shader does.
Image TeamColoured(Image img, Rgba team)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            Rgba p = img.get(x, y);
            if (p.a && p.g == 0 && p.r == p.b && p.r > 0)
                img.set(x, y, {uint8_t(team.r * p.r / 255), uint8_t(team.g * p.r / 255), uint8_t(team.b * p.r / 255), p.a});
        }
    return img;
}

bool NamedColour(const std::string& word, Rgba& out)
{
    static const std::pair<const char*, Rgba> table[] = {
        {"red", red}, {"blue", blue}, {"grey", Hex(0x333333)}, {"violet", Hex(0x8000ff)},
        {"white", white}, {"cyan", Hex(0x00ffff)}, {"green", green}, {"gold", gold},
    };
    for (const auto& [name, colour] : table)
        if (word == name) {
            out = colour;
            return true;
        }
    return false;
}

Image KeyCap(const Font& font, const std::string& label)
{
    int w = std::max(44, font.Measure(label, 24) + 20);
    Image img(w, 44);
    paint::ShadedRect(img, 0, 0, w, 44, {Hex(0x8f8377), Hex(0xc7bba9), Hex(0xe6dccb), Hex(0xfaf3e6)});
    img.rect(4, 4, w - 8, 32, Hex(0xf1e8d8));
    img.outline(kInk);
    font.DrawCentred(img, label, w / 2, 7, 24, kInk);
    // Rounded corners.
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, 43}, {w - 1, 43}}) img.set(x, y, kClear);
    return img;
}

// The frame stretched to `width` by repeating its middle columns, so rim and corners stay crisp.
Image Stretched(const Image& frame, int width)
{
    const int edge = 16;
    if (frame.width() <= 2 * edge || width <= 2 * edge) return frame;
    Image out(width, frame.height());
    const int middle = frame.width() - 2 * edge;
    for (int x = 0; x < width; ++x) {
        int from = x < edge ? x : x >= width - edge ? frame.width() - (width - x) : edge + (x - edge) % middle;
        for (int y = 0; y < frame.height(); ++y) out.set(x, y, frame.get(from, y));
    }
    return out;
}

Image Labelled(const Image& frame, const Font& font, const std::string& label, float size)
{
    Image button = Stretched(frame, std::max(64, font.Measure(label, size) + 36));
    font.DrawCentred(button, label, button.width() / 2, int(button.height() / 2 - size * 0.62f), size, kInk);
    return button;
}

// A large word drawn as part of a picture row ("+", "=", "-5 HP").
Image Word(const Font& font, const std::string& text, Rgba colour)
{
    Image img(font.Measure(text, 30) + 8, kArtHeight);
    font.DrawCentred(img, text, img.width() / 2, kArtHeight / 2 - 18, 30, colour);
    return img;
}

struct Item {
    std::string kind, name, extra;
    int frame = -1;
};

Item ParseItem(const std::string& text)
{
    Item item;
    std::string rest = text;
    for (const char* kind : {"key:", "button:", "tile:", "word:", "bad:"})
        if (rest.rfind(kind, 0) == 0) {
            item.kind = std::string(kind, std::string(kind).size() - 1);
            rest = rest.substr(std::string(kind).size());
        }
    size_t colon = rest.rfind(':');
    if (colon != std::string::npos && item.kind != "key" && item.kind != "word") {
        item.extra = rest.substr(colon + 1);
        rest = rest.substr(0, colon);
    }
    size_t hash = rest.rfind('#');
    if (hash != std::string::npos && item.kind.empty()) {
        item.frame = std::atoi(rest.c_str() + hash + 1);
        rest = rest.substr(0, hash);
    }
    item.name = rest;
    return item;
}

Image ItemImage(const Item& item, const ArtContext& art, const TextureSource& texture, std::string& problem)
{
    const Font& font = art.lettering;
    int rows = 1, columns = 1;
    if (item.kind == "key") return KeyCap(font, item.name);
    if (item.kind == "word") {
        Rgba colour = kInk;
        if (item.name.rfind("-", 0) == 0 && item.name.size() > 1) colour = brick;
        return Word(font, item.name, colour);
    }
    if (item.kind == "button" || item.kind == "bad") {
        Image frame = texture(item.kind == "bad" ? "Button_Frame_Bad" : "Button_Frame", rows, columns);
        if (frame.width() == 0) problem = "no button frame";
        return Labelled(frame, font, item.name, 26);
    }
    Image img = texture(item.name, rows, columns);
    if (img.width() == 0) {
        problem = "unknown picture \"" + item.name + "\"";
        return img;
    }
    if (item.frame >= 0) {
        if (item.frame >= rows * columns) {
            problem = "\"" + item.name + "\" has no frame " + std::to_string(item.frame);
            return Image();
        }
        int cw = img.width() / columns, ch = img.height() / rows;
        img = img.crop((item.frame % columns) * cw, (item.frame / columns) * ch, cw, ch);
    }
    Rgba colour;
    if (!item.extra.empty() && !NamedColour(item.extra, colour)) {
        problem = "unknown colour \"" + item.extra + "\"";
        return Image();
    }
    if (item.kind == "tile" && !item.extra.empty()) {
        // The highlight the battle lays over a tile, mixed in strongly enough to name its colour.
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) img.set(x, y, Mix(img.get(x, y), colour, 0.55f));
    } else if (!item.extra.empty()) {
        img = TeamColoured(img, colour);
    }
    return img;
}

// A row of pictures on a paper plate, centred on the page; returns the plate's height.
int PaintArtRow(Image& page, int top, const Block& block, const ArtContext& art, const TextureSource& texture,
                std::string& errors, const std::string& link)
{
    std::vector<Image> originals;
    for (const std::string& text : block.items) {
        std::string problem;
        Image img = ItemImage(ParseItem(text), art, texture, problem);
        if (!problem.empty()) errors += "guide page \"" + link + "\": " + problem + "\n";
        if (img.width() > 0) originals.push_back(std::move(img));
    }
    if (originals.empty()) return 0;
    const int spacing = 12;
    // A row too wide for the page is drawn smaller, in steps that keep the pixels square.
    std::vector<Image> pictures;
    int total = 0;
    for (int height = kArtHeight; height >= 16; height -= 16) {
        pictures.clear();
        total = spacing * int(originals.size() - 1);
        for (const Image& img : originals) {
            pictures.push_back(FitHeight(img, height));
            total += pictures.back().width();
        }
        if (total <= kPageWidth - 2 * kMargin - 8) break;
    }
    int plateWidth = std::min(kPageWidth - 2 * kMargin, total + 32), plateHeight = kArtHeight + 16;
    if (total > kPageWidth - 2 * kMargin - 8) errors += "guide page \"" + link + "\": a picture row is too wide\n";
    int plateX = (kPageWidth - plateWidth) / 2;
    Image plate(plateWidth, plateHeight);
    paint::ShadedRect(plate, 0, 0, plateWidth, plateHeight, kPlateRamp);
    plate.rect(3, 3, plateWidth - 6, plateHeight - 6, WithAlpha(Hex(0xe3cfa8), 255));
    plate.outline(kInk);
    page.blit(plate, plateX, top);
    int x = (kPageWidth - total) / 2;
    for (const Image& img : pictures) {
        page.blit(img, x, top + 8 + (kArtHeight - img.height()) / 2);
        x += img.width() + spacing;
    }
    return plateHeight;
}

int PaintParagraph(Image& page, int top, const Block& block, const Font& font, bool draw)
{
    int indent = block.kind == Block::kBullet ? 22 : 0;
    Rgba colour = block.kind == Block::kNote ? kNoteInk : kInk;
    std::vector<std::string> lines = Wrap(font, block.text, kPageWidth - 2 * kMargin - indent);
    if (draw) {
        if (block.kind == Block::kBullet) {
            page.ellipse(kMargin + 7.5f, top + 12.5f, 4, 4, Hex(0x9e4539));
            page.set(kMargin + 6, top + 11, Hex(0xcd683d));
        }
        for (size_t i = 0; i < lines.size(); ++i)
            font.Draw(page, lines[i], kMargin + indent, top + int(i) * kLineStep, kTextSize, colour);
    }
    return int(lines.size()) * kLineStep;
}

}  // namespace

std::vector<Page> Parse(const std::string& text, std::string& errors)
{
    std::vector<Page> pages;
    std::stringstream in(text);
    std::string raw;
    int number = 0;
    bool paragraphOpen = false;
    while (std::getline(in, raw)) {
        ++number;
        std::string line = Trim(raw);
        if (line.rfind("//", 0) == 0) continue;
        if (line.size() > 6 && line.rfind("== ", 0) == 0 && line.substr(line.size() - 3) == " ==") {
            pages.push_back(Page{Trim(line.substr(3, line.size() - 6)), {}});
            paragraphOpen = false;
            continue;
        }
        if (line.empty()) {
            paragraphOpen = false;
            continue;
        }
        if (pages.empty()) {
            errors += "guide pages line " + std::to_string(number) + ": text before the first page\n";
            continue;
        }
        auto& blocks = pages.back().blocks;
        if (line.rfind("art:", 0) == 0) {
            blocks.push_back(Block{Block::kArt, "", SplitItems(line.substr(4))});
            paragraphOpen = false;
        } else if (line.rfind("- ", 0) == 0) {
            blocks.push_back(Block{Block::kBullet, line.substr(2), {}});
            paragraphOpen = true;
        } else if (line.rfind("! ", 0) == 0) {
            blocks.push_back(Block{Block::kNote, line.substr(2), {}});
            paragraphOpen = true;
        } else if (paragraphOpen) {
            blocks.back().text += " " + line;
        } else {
            blocks.push_back(Block{Block::kText, line, {}});
            paragraphOpen = true;
        }
    }
    return pages;
}

Image Paint(const Page& page, const ArtContext& art, const TextureSource& texture, std::string& errors)
{
    Image img(kPageWidth, kPageHeight);
    int y = 4;
    for (const Block& block : page.blocks) {
        if (block.kind == Block::kArt) y += PaintArtRow(img, y, block, art, texture, errors, page.link);
        else y += PaintParagraph(img, y, block, art.lettering, y < kPageHeight);
        y += kGap;
    }
    if (y - kGap > kPageHeight) errors += "guide page \"" + page.link + "\" is too long (" + std::to_string(y - kGap) + " px)\n";
    return img;
}

}  // namespace guide
