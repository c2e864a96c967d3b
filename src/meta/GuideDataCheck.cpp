// `--check-data` for the how-to-play book: the guide file must be readable, hold chapters with
// entries, and link only plain picture names (the pictures themselves are checked with the
// other textures).
#include "engine/DataCheck.h"
#include "meta/GuideBook.h"

namespace {

void CheckGuide(datacheck::Problems& problems)
{
    bool opened = false;
    std::vector<std::string> lines;
    std::vector<GuideChapter> chapters = LoadGuideFile(kGuideFile, opened, lines);
    if (!opened) {
        problems.Add(std::string("Guide: cannot read ") + kGuideFile);
        return;
    }
    if (chapters.empty()) problems.Add("Guide: the book has no chapters");
    for (const GuideChapter& chapter : chapters)
        if (chapter.entries.empty()) problems.Add("Guide: the chapter \"" + chapter.title + "\" has no entries");
    for (auto& line : lines) problems.Add(std::move(line));
}

const bool registered = datacheck::Register("Guide", CheckGuide);

}  // namespace
