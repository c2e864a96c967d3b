// The how-to-play book: reading the guide file, safe page links, and the chapter, page and entry
// rules, including books with no chapters and chapters with no entries.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "meta/GuideBook.h"

namespace {

std::vector<GuideChapter> Read(const std::string& text, std::vector<std::string>* problems = nullptr)
{
    json::Document doc;
    EXPECT_TRUE(json::ParseText(text, doc).ok()) << text;
    std::vector<std::string> lines;
    auto chapters = ReadGuide(doc, lines);
    if (problems) *problems = lines;
    return chapters;
}

GuideChapter Chapter(const std::string& title, int entries)
{
    GuideChapter chapter{title, {}};
    for (int i = 0; i < entries; ++i)
        chapter.entries.push_back({title + " " + std::to_string(i), "page" + std::to_string(i)});
    return chapter;
}

std::vector<std::string> Captions(const GuideBook& book)
{
    std::vector<std::string> captions;
    for (const auto& button : book.Buttons()) captions.push_back(button.active ? button.caption : "-");
    return captions;
}

}  // namespace

TEST(GuideFileTest, ChaptersKeepFileOrderAndSkipIncompleteEntries)
{
    auto chapters = Read(R"({"Guide": [
        {"Basics": [{"Name": "A", "Link": "a"}, {"Name": "no link"}, {"Link": "no name"}, {"Name": "B", "Link": "b"}],
         "Second": 5},
        {"Third": []}, 7]})");
    ASSERT_EQ(chapters.size(), 3u);
    EXPECT_EQ(chapters[0].title, "Basics");
    ASSERT_EQ(chapters[0].entries.size(), 2u);
    EXPECT_EQ(chapters[0].entries[1].name, "B");
    EXPECT_EQ(chapters[0].entries[1].link, "b");
    // A chapter whose value is not a list still counts, with no entries.
    EXPECT_EQ(chapters[1].title, "Second");
    EXPECT_TRUE(chapters[1].entries.empty());
    EXPECT_EQ(chapters[2].title, "Third");
}

TEST(GuideFileTest, NoGuideListGivesNoChapters)
{
    EXPECT_TRUE(Read(R"({})").empty());
    EXPECT_TRUE(Read(R"({"Guide": {"A": []}})").empty());
    EXPECT_TRUE(Read(R"([1, 2])").empty());
    bool opened = true;
    std::vector<std::string> problems;
    EXPECT_TRUE(LoadGuideFile("/no/such/GuideMaster.json", opened, problems).empty());
    EXPECT_FALSE(opened);
}

TEST(GuideFileTest, LinksThatCouldLeaveTheAssetsFolderAreSkipped)
{
    for (const char* bad : {"", "..", "../x", "a/../../b", "sub/page", "a\\b", "C:page", "tab\tname", "x..y"})
        EXPECT_FALSE(IsPlainGuideLink(bad)) << bad;
    for (const char* good : {"using this guide", "hot coals", "Page_2", "a.b"}) EXPECT_TRUE(IsPlainGuideLink(good)) << good;

    std::vector<std::string> problems;
    auto chapters = Read(R"({"Guide": [{"Basics": [{"Name": "Evil", "Link": "../../../home/player/x"},
        {"Name": "Good", "Link": "good"}, {"Name": "Abs", "Link": "/etc/passwd"}]}]})", &problems);
    ASSERT_EQ(chapters.size(), 1u);
    ASSERT_EQ(chapters[0].entries.size(), 1u);
    EXPECT_EQ(chapters[0].entries[0].name, "Good");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].find("../../../home/player/x"), std::string::npos);
}

TEST(GuideBookTest, OpensOnTheFirstEntryOfTheFirstChapter)
{
    GuideBook book({Chapter("Basics", 3), Chapter("Spells", 2)});
    EXPECT_EQ(book.ChapterTitle(), "Basics");
    EXPECT_EQ(book.EntryTitle(), "Basics 0");
    EXPECT_EQ(book.PagePicture(), "How To Play/page0");
    EXPECT_EQ(book.Counter(), "1 / 1");
    EXPECT_EQ(Captions(book), (std::vector<std::string>{"Basics 0", "Basics 1", "Basics 2", "-", "-", "-"}));
    EXPECT_TRUE(book.Buttons()[0].selected);
    EXPECT_FALSE(book.Buttons()[1].selected);
}

TEST(GuideBookTest, SevenEntriesMakeTwoPagesAndTheSelectionSurvivesPageTurns)
{
    GuideBook book({Chapter("Long", 9)});
    EXPECT_EQ(book.Counter(), "1 / 2");
    EXPECT_EQ(Captions(book)[5], "Long 5");
    book.NextPage();
    EXPECT_EQ(book.Counter(), "2 / 2");
    EXPECT_EQ(Captions(book), (std::vector<std::string>{"Long 6", "Long 7", "Long 8", "-", "-", "-"}));
    // The page arrows keep the selection (still entry 0) but show every caption dark.
    EXPECT_EQ(book.EntryTitle(), "Long 0");
    for (const auto& button : book.Buttons()) EXPECT_FALSE(button.selected);
    book.NextPage();
    EXPECT_EQ(book.Counter(), "2 / 2");
    // Button Two on page 2 is the eighth entry.
    book.SelectButton(1);
    EXPECT_EQ(book.SelectedEntry(), 7);
    EXPECT_EQ(book.EntryTitle(), "Long 7");
    EXPECT_EQ(book.PagePicture(), "How To Play/page7");
    EXPECT_TRUE(book.Buttons()[1].selected);
    // An inactive button does nothing.
    book.SelectButton(4);
    EXPECT_EQ(book.SelectedEntry(), 7);
    book.PreviousPage();
    book.PreviousPage();
    EXPECT_EQ(book.Counter(), "1 / 2");
    EXPECT_EQ(book.EntryTitle(), "Long 7");
}

TEST(GuideBookTest, ChapterArrowsStopAtTheEndsAndReturnToPageOne)
{
    GuideBook book({Chapter("A", 8), Chapter("B", 2), Chapter("C", 1)});
    book.NextPage();
    book.SelectButton(1);
    book.NextChapter();
    EXPECT_EQ(book.ChapterTitle(), "B");
    EXPECT_EQ(book.Counter(), "1 / 1");
    EXPECT_EQ(book.SelectedEntry(), 0);
    EXPECT_EQ(book.EntryTitle(), "B 0");
    book.NextChapter();
    book.NextChapter();
    EXPECT_EQ(book.ChapterTitle(), "C");
    book.PreviousChapter();
    book.PreviousChapter();
    book.PreviousChapter();
    EXPECT_EQ(book.ChapterTitle(), "A");
    EXPECT_EQ(book.Counter(), "1 / 2");
}

TEST(GuideBookTest, AnEmptyBookShowsNothingAndIgnoresEveryArrow)
{
    GuideBook book;
    EXPECT_FALSE(book.ChapterArrowsLive());
    EXPECT_FALSE(book.PageArrowsLive());
    book.NextChapter();
    book.PreviousChapter();
    book.NextPage();
    book.PreviousPage();
    for (int k = 0; k < GuideBook::kButtons; ++k) book.SelectButton(k);
    EXPECT_EQ(book.ChapterTitle(), "");
    EXPECT_EQ(book.EntryTitle(), "");
    EXPECT_EQ(book.PagePicture(), "");
    EXPECT_EQ(book.Counter(), "0 / 0");
    EXPECT_EQ(book.SelectedEntry(), -1);
    for (const auto& button : book.Buttons()) EXPECT_FALSE(button.active);
}

TEST(GuideBookTest, AnEmptyChapterBetweenFullOnesKeepsTheChapterArrowsLive)
{
    GuideBook book({Chapter("A", 2), Chapter("Empty", 0), Chapter("C", 7)});
    book.NextChapter();
    EXPECT_EQ(book.ChapterTitle(), "Empty");
    EXPECT_EQ(book.Counter(), "0 / 0");
    EXPECT_EQ(book.EntryTitle(), "");
    EXPECT_EQ(book.PagePicture(), "");
    EXPECT_FALSE(book.PageArrowsLive());
    EXPECT_TRUE(book.ChapterArrowsLive());
    book.NextPage();
    book.SelectButton(0);
    EXPECT_EQ(book.Counter(), "0 / 0");
    EXPECT_EQ(book.SelectedEntry(), -1);
    book.NextChapter();
    EXPECT_EQ(book.Counter(), "1 / 2");
    book.NextPage();
    EXPECT_EQ(book.Counter(), "2 / 2");
    book.PreviousChapter();
    EXPECT_EQ(book.ChapterTitle(), "Empty");
}

// The shipped book (read from the build's Data/): the content the players get.
TEST(GuideContentTest, TheShippedBookHasFourChaptersAndTwentyPages)
{
    bool opened = false;
    std::vector<std::string> problems;
    auto chapters = LoadGuideFile(kGuideFile, opened, problems);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(problems.empty());
    ASSERT_GE(chapters.size(), 4u);
    std::size_t pages = 0, longest = 0;
    for (const auto& chapter : chapters) {
        EXPECT_FALSE(chapter.entries.empty()) << chapter.title;
        pages += chapter.entries.size();
        longest = std::max(longest, chapter.entries.size());
    }
    EXPECT_GE(pages, 20u);
    EXPECT_GE(longest, 7u);
    EXPECT_LE(longest, 12u);
    EXPECT_EQ(chapters[0].entries[0].link, "using this guide");
}
