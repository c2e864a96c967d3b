#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Catalogue.h"

// The pages of the how-to-play book. Each page is written in a small text format (see
// data/art/guide/pages.txt) and painted into "Assets/How To Play/<link>.png": paragraphs set in the
// game's lettering font, with rows of pictures taken from the game's own textures.
namespace guide {

constexpr int kPageWidth = 480;
constexpr int kPageHeight = 512;

// One row of pictures or one paragraph, in page order.
struct Block {
    enum Kind { kText, kBullet, kArt, kNote } kind = kText;
    std::string text;                // paragraph text (kText, kBullet, kNote)
    std::vector<std::string> items;  // picture items (kArt)
};

struct Page {
    std::string link;  // file name without extension
    std::vector<Block> blocks;
};

// Parses the page file; problems (with line numbers) are appended to errors.
std::vector<Page> Parse(const std::string& text, std::string& errors);

// Paints one page. `texture` yields a game texture by name (with its frame layout), or an empty
// image for an unknown name. Problems (unknown pictures, text that does not fit) go to errors.
using TextureSource = std::function<Image(const std::string& name, int& rows, int& columns)>;
Image Paint(const Page& page, const ArtContext& art, const TextureSource& texture, std::string& errors);

}  // namespace guide
