#include "meta/GuideBook.h"

#include <algorithm>

namespace {

void ReadChapter(const std::string& title, const json::Value& value, std::vector<GuideChapter>& out,
                 std::vector<std::string>& problems)
{
    GuideChapter chapter{title, {}};
    // A chapter whose value is not a list still counts, as one without entries.
    if (value.IsArray()) {
        for (const auto& item : value.GetArray()) {
            GuideEntry entry;
            if (json::GetString(item, "Name", entry.name) != json::Field::Ok) continue;
            if (json::GetString(item, "Link", entry.link) != json::Field::Ok) continue;
            if (!IsPlainGuideLink(entry.link)) {
                problems.push_back("Guide: the page link \"" + entry.link + "\" of \"" + entry.name +
                                   "\" is not a plain picture name; the entry is skipped");
                continue;
            }
            chapter.entries.push_back(std::move(entry));
        }
    }
    out.push_back(std::move(chapter));
}

}  // namespace

bool IsPlainGuideLink(std::string_view link)
{
    if (link.empty() || link == "." || link.find("..") != std::string_view::npos) return false;
    for (unsigned char c : link)
        if (c < 0x20 || c == 0x7f || c == '/' || c == '\\' || c == ':') return false;
    return true;
}

std::vector<GuideChapter> ReadGuide(const json::Value& root, std::vector<std::string>& problems)
{
    std::vector<GuideChapter> chapters;
    const json::Value* guide = nullptr;
    if (json::GetArray(root, "Guide", guide) != json::Field::Ok) return chapters;
    for (const auto& group : guide->GetArray()) {
        if (!group.IsObject()) continue;
        for (const auto& member : group.GetObject()) ReadChapter(member.name.GetString(), member.value, chapters, problems);
    }
    return chapters;
}

std::vector<GuideChapter> LoadGuideFile(const std::string& path, bool& opened, std::vector<std::string>& problems)
{
    json::Document doc;
    opened = json::ParseFile(path, doc).ok();
    if (!opened) return {};
    return ReadGuide(doc, problems);
}

GuideBook::GuideBook(std::vector<GuideChapter> chapters) : chapters(std::move(chapters))
{
    ShowChapter(0);
}

const GuideChapter* GuideBook::Current() const
{
    if (chapter < 0 || chapter >= static_cast<int>(chapters.size())) return nullptr;
    return &chapters[static_cast<std::size_t>(chapter)];
}

int GuideBook::EntryCount() const
{
    const GuideChapter* current = Current();
    return current ? static_cast<int>(current->entries.size()) : 0;
}

int GuideBook::PageCount() const
{
    return (EntryCount() + kButtons - 1) / kButtons;
}

void GuideBook::FillButtons()
{
    for (auto& button : buttons) button = Button{};
    const GuideChapter* current = Current();
    if (!current || page < 1) return;
    const int first = (page - 1) * kButtons;
    const int last = std::min(page * kButtons, EntryCount());
    for (int i = first; i < last; ++i) {
        Button& button = buttons[static_cast<std::size_t>(i - first)];
        button.caption = current->entries[static_cast<std::size_t>(i)].name;
        button.active = true;
    }
}

void GuideBook::ShowChapter(int index)
{
    chapter = std::clamp(index, 0, std::max(0, static_cast<int>(chapters.size()) - 1));
    const bool hasEntries = EntryCount() > 0;
    page = hasEntries ? 1 : 0;
    selected = hasEntries ? 0 : -1;
    FillButtons();
    if (hasEntries) buttons[0].selected = true;
}

void GuideBook::PreviousChapter()
{
    if (ChapterArrowsLive() && chapter > 0) ShowChapter(chapter - 1);
}

void GuideBook::NextChapter()
{
    if (ChapterArrowsLive() && chapter + 1 < static_cast<int>(chapters.size())) ShowChapter(chapter + 1);
}

void GuideBook::PreviousPage()
{
    if (!PageArrowsLive()) return;
    page = std::max(1, page - 1);
    FillButtons();
}

void GuideBook::NextPage()
{
    if (!PageArrowsLive()) return;
    page = std::min(PageCount(), page + 1);
    FillButtons();
}

void GuideBook::SelectButton(int k)
{
    if (k < 0 || k >= kButtons || !buttons[static_cast<std::size_t>(k)].active) return;
    selected = (page - 1) * kButtons + k;
    for (int i = 0; i < kButtons; ++i) buttons[static_cast<std::size_t>(i)].selected = i == k;
}

std::string GuideBook::ChapterTitle() const
{
    const GuideChapter* current = Current();
    return current ? current->title : std::string();
}

std::string GuideBook::EntryTitle() const
{
    const GuideChapter* current = Current();
    if (!current || selected < 0 || selected >= EntryCount()) return std::string();
    return current->entries[static_cast<std::size_t>(selected)].name;
}

std::string GuideBook::PagePicture() const
{
    const GuideChapter* current = Current();
    if (!current || selected < 0 || selected >= EntryCount()) return std::string();
    return kGuidePicturePrefix + current->entries[static_cast<std::size_t>(selected)].link;
}

std::string GuideBook::Counter() const
{
    return std::to_string(page) + " / " + std::to_string(PageCount());
}
