// The front end's shipped texts laid out with the game font: the credits scroll ends just after
// their last line has left the screen, each credits line fits the window, and every book caption
// fits its entry button.
#include <fstream>
#include <sstream>

#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "meta/CreditsScroll.h"
#include "meta/GuideBook.h"
#include "render/Font.h"
#include "render/TextLayout.h"

namespace {

class FrontEndTextFit : public ::testing::Test {
protected:
    void SetUp() override
    {
        json::Document doc;
        ASSERT_TRUE(json::ParseFile("./Data/Fonts/Alagard.json", doc).ok()) << "run from the build folder";
        ASSERT_EQ(font.ReadGlyphs(doc), 0);
    }
    // Width and height of text laid out at `size`, left and top aligned.
    glm::vec2 Extent(const std::string& text, float size)
    {
        glm::vec2 extent(0.0f);
        for (const GlyphRecord& r : LayoutText(text, font, kAlignLeft, kAlignTop, size, size)) {
            extent.x = std::max(extent.x, r.offsetX + r.quadWidth);
            extent.y = std::max(extent.y, -r.offsetY + r.quadHeight);
        }
        return extent;
    }
    Font font;
};

}  // namespace

TEST_F(FrontEndTextFit, CreditsLeaveTheScreenJustBeforeTheClosingWords)
{
    std::ifstream in("./Data/Credits.txt", std::ios::binary);
    ASSERT_TRUE(in);
    std::stringstream text;
    text << in.rdbuf();
    const float size = 24.0f;
    glm::vec2 extent = Extent(text.str(), size);
    EXPECT_LT(extent.y, CreditsScroll::kTravel);
    EXPECT_GT(extent.y, CreditsScroll::kTravel - 4 * (size + 8.0f));
    std::stringstream lines(text.str());
    for (std::string line; std::getline(lines, line);) EXPECT_LT(Extent(line, size).x, 1200.0f) << line;
}

TEST_F(FrontEndTextFit, BookCaptionsFitTheirButtons)
{
    bool opened = false;
    std::vector<std::string> problems;
    for (const GuideChapter& chapter : LoadGuideFile(kGuideFile, opened, problems)) {
        EXPECT_LT(Extent(chapter.title, 34.0f).x, 400.0f) << chapter.title;
        for (const GuideEntry& entry : chapter.entries) EXPECT_LT(Extent(entry.name, 25.0f).x, 240.0f) << entry.name;
    }
    EXPECT_TRUE(opened);
}
