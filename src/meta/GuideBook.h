#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Json.h"

// The how-to-play book's content ("./Data/GuideMaster.json") and the state of its pages: which
// chapter is open, which six entries the buttons show, which entry's picture is on the page. The
// book scene only draws what this says, so every rule here runs without a window.

// Picture names of the book's pages are "How To Play/" + the entry's Link.
inline constexpr const char* kGuidePicturePrefix = "How To Play/";
inline constexpr const char* kGuideFile = "./Data/GuideMaster.json";

struct GuideEntry {
    std::string name;  // the button caption
    std::string link;  // the page picture, without folder or extension
};

struct GuideChapter {
    std::string title;
    std::vector<GuideEntry> entries;
};

// A Link names a file inside the book's picture folder: not empty, no "/", "\" or ":", no ".."
// and no control characters, so a hand-edited guide cannot make the game open files elsewhere.
bool IsPlainGuideLink(std::string_view link);

// The chapters of a parsed guide in file order. Entries without "Name" or "Link" are skipped
// quietly; entries with an unsafe Link are skipped with one line in `problems`.
std::vector<GuideChapter> ReadGuide(const json::Value& root, std::vector<std::string>& problems);

// Reads the file; `opened` tells whether it could be read and parsed at all.
std::vector<GuideChapter> LoadGuideFile(const std::string& path, bool& opened, std::vector<std::string>& problems);

class GuideBook {
public:
    static constexpr int kButtons = 6;

    struct Button {
        std::string caption;
        bool active = false;
        bool selected = false;  // drawn in red
    };

    explicit GuideBook(std::vector<GuideChapter> chapters = {});

    // Opens chapter `index` on its first page with its first entry selected (clamped to the book).
    void ShowChapter(int index);
    // The chapter arrows stop at the first and the last chapter.
    void PreviousChapter();
    void NextChapter();
    // The page arrows stop at 1 and at the page count; the selection stays.
    void PreviousPage();
    void NextPage();
    // Entry button k (0-5) of the current page; an inactive button does nothing.
    void SelectButton(int k);

    const std::vector<GuideChapter>& Chapters() const { return chapters; }
    int ChapterIndex() const { return chapter; }
    int Page() const { return page; }
    int PageCount() const;
    int SelectedEntry() const { return selected; }
    std::string ChapterTitle() const;
    std::string EntryTitle() const;
    // The texture name of the page shown, empty when none.
    std::string PagePicture() const;
    std::string Counter() const;  // "page / count", "0 / 0" with nothing to show
    const std::array<Button, kButtons>& Buttons() const { return buttons; }
    bool ChapterArrowsLive() const { return !chapters.empty(); }
    bool PageArrowsLive() const { return EntryCount() > 0; }

private:
    int EntryCount() const;
    const GuideChapter* Current() const;
    void FillButtons();

    std::vector<GuideChapter> chapters;
    int chapter = 0;
    int page = 0;
    int selected = -1;
    std::array<Button, kButtons> buttons;
};
