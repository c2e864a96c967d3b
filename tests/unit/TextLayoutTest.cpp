#include <string>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/Font.h"
#include "render/TextLayout.h"

namespace {

// A small font with easy widths: "e" is 0.01 wide, most letters 0.02, space 0.01.
void MakeFont(Font& font)
{
    json::Document doc;
    std::string text = "{";
    const char* letters = "ABCDEeabcdefghijklmnopqrstuvwxyz ";
    for (const char* p = letters; *p; ++p) {
        const double width = (*p == 'e' || *p == ' ') ? 0.01 : 0.02;
        if (p != letters) text += ",";
        text += "\"" + std::string(1, *p) + "\": {\"text\": \"" + std::string(1, *p) +
                "\", \"x\": 0.5, \"y\": 0.25, \"width\": " + std::to_string(width) +
                ", \"height\": 0.1, \"baseline\": 0.02}";
    }
    text += "}";
    ASSERT_TRUE(json::ParseText(text, doc).ok());
    ASSERT_EQ(font.ReadGlyphs(doc), 0);
}

class TextLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { MakeFont(font); }
    Font font;
};

}  // namespace

TEST_F(TextLayoutTest, TwoLinesAreCentredOnTheirOwnWidthsAndTheBreakHasNoRecord)
{
    const float s = 20.0f;
    auto records = LayoutText("AB\nC", font, kAlignCenter, kAlignMiddle, s, s);
    ASSERT_EQ(records.size(), 3u);
    const float unit = s * kAtlasToText;
    EXPECT_NEAR(records[0].offsetX, -0.02f * unit, 1e-3);  // first line is 0.04 wide
    EXPECT_NEAR(records[1].offsetX, 0.0f, 1e-3);
    EXPECT_NEAR(records[2].offsetX, -0.01f * unit, 1e-3);  // "C" alone is 0.02 wide
    EXPECT_FLOAT_EQ(records[0].offsetY, records[1].offsetY);
    EXPECT_NEAR(records[2].offsetY - records[0].offsetY, -s, 1e-3) << "one line lower";
    // Two lines around the middle: line counter = 0.02 * 1.5 + 1 - 2 * 0.5.
    EXPECT_NEAR(records[0].offsetY, -s * 0.03f, 1e-3);
    EXPECT_NEAR(records[0].quadWidth, 0.02f * unit, 1e-3);
    EXPECT_NEAR(records[0].quadHeight, 0.1f * unit, 1e-3);
    EXPECT_DOUBLE_EQ(records[2].x, 0.5);
}

TEST_F(TextLayoutTest, AlignmentsMoveThePenAndTheLines)
{
    auto left = LayoutText("AB", font, kAlignLeft, kAlignTop, 10.0f, 10.0f);
    auto right = LayoutText("AB", font, kAlignRight, kAlignBottom, 10.0f, 10.0f);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_FLOAT_EQ(left[0].offsetX, 0.0f);
    EXPECT_NEAR(right[0].offsetX, -0.04f * 10.0f * kAtlasToText, 1e-3);
    EXPECT_NEAR(left[0].offsetY, -(8.0f + 10.0f) * 1.03f, 1e-3) << "top alignment keeps an 8-unit margin";
    EXPECT_NEAR(right[0].offsetY, -10.0f * 0.03f, 1e-3);
}

TEST_F(TextLayoutTest, EmptyTextHasNoRecords)
{
    EXPECT_TRUE(LayoutText("", font, kAlignCenter, kAlignMiddle, 10, 10).empty());
}

TEST_F(TextLayoutTest, MissingCharacterBecomesAnEmptyRecord)
{
    auto records = LayoutText("A#", font, kAlignLeft, kAlignTop, 10, 10);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].quadWidth, 0.0f);
    EXPECT_TRUE(font.HasGlyph('#')) << "the character is added to the font with zero values";
}

TEST_F(TextLayoutTest, WrapsAtTheLastSpaceBeforeTheLimit)
{
    // Limit 10 "e"s = 0.1: "aaa bb" is 0.11 wide, so the break goes right after the space.
    EXPECT_EQ(WrapText("aaa bb cc", font, 10.0f), "aaa \nbb cc");
    EXPECT_EQ(WrapText("aaa bb", font, 0.0f), "aaa bb") << "0 means no wrapping";
}

TEST_F(TextLayoutTest, LongWordsBreakAtTheCharacterThatCrossesTheLimit)
{
    // "abcde" is 0.09 wide ("e" is narrow); "f" crosses 0.1 and starts the next line, which holds
    // exactly 0.1 ("fghij") until "k" crosses again.
    EXPECT_EQ(WrapText("abcdefghijk", font, 10.0f), "abcde\nfghij\nk");
}

TEST_F(TextLayoutTest, WrappedLinesAreMeasuredFromTheirStart)
{
    // After a break the carried-over word counts towards the new line, so no line overflows.
    std::string wrapped = WrapText("aa bbbb cccc dddd", font, 10.0f);
    double w = 0;
    for (char c : wrapped) {
        if (c == '\n') {
            w = 0;
            continue;
        }
        w += font.GetGlyph(c).width;
        EXPECT_LE(w, 0.1 + 1e-9) << wrapped;
    }
}

TEST_F(TextLayoutTest, HostileWrapWidthsEnd)
{
    std::string wrapped = WrapText("abc def", font, -3.0f);
    EXPECT_LE(wrapped.size(), 14u);
    EXPECT_EQ(WrapText("abc", font, 1e-6f).find("\n\n"), std::string::npos);
}

TEST(TextFormat, FormatsAndCutsAt999)
{
    EXPECT_EQ(FormatText("%d", 7), "7");
    std::string big(1500, 'x');
    EXPECT_EQ(FormatText("%s", big.c_str()).size(), 999u);
}

TEST(FontParsing, IntegerValuesAreRejectedWithOneMessagePerCharacter)
{
    LogCapture log("text_particles_test_log.txt");
    json::Document doc;
    ASSERT_TRUE(json::ParseText(R"({
        "A": {"text": "A", "x": 12, "y": 1.0, "width": 2.0, "height": 3.0, "baseline": 0.5},
        "B": {"text": "B", "x": 12, "y": 1.0, "width": 2.0, "height": 3.0, "baseline": 0.5},
        "C": "not an object",
        "~": {"text": "~", "x": 1.0, "y": 1.0, "width": 2.0, "height": 3.0}
    })", doc).ok());
    Font font;
    EXPECT_EQ(font.ReadGlyphs(doc), 4);
    EXPECT_EQ(font.GlyphCount(), 0u);
    EXPECT_EQ(log.Count("!!! - FONTREAD Had an UNEXPECTED error parsing json file"), 4);
}

TEST(FontParsing, GlyphIsStoredUnderTheFirstCharacterOfText)
{
    json::Document doc;
    ASSERT_TRUE(json::ParseText(R"({"a": {"text": "Zq", "x": 1e1, "y": 1.0, "width": 2.0, "height": 3.0, "baseline": 0.5}})", doc).ok());
    Font font;
    EXPECT_EQ(font.ReadGlyphs(doc), 0);
    ASSERT_TRUE(font.HasGlyph('Z'));
    EXPECT_FALSE(font.HasGlyph('a'));
    EXPECT_DOUBLE_EQ(font.GetGlyph('Z').x, 10.0);
}

TEST(FontLibrary, UnknownFontsAreReportedAndNotStored)
{
    LogCapture log("text_particles_test_log.txt");
    FontLibrary library;
    EXPECT_EQ(library.grab_font("Nope"), nullptr);
    library.add_font("Nope");
    EXPECT_EQ(log.Count("!! - grab_font() Could Not Find Font"), 1);
    EXPECT_EQ(log.Count("! - add_font() Could Not Find File"), 1);
}

TEST(FontData, ShippedFontHasEveryPrintableCharacter)
{
    // The atlas table is generated at build time beside the executable.
    json::Document doc;
    ASSERT_TRUE(json::ParseFile("./Data/Fonts/Alagard.json", doc).ok()) << "run from the build folder";
    Font font;
    EXPECT_EQ(font.ReadGlyphs(doc), 0);
    for (int c = 32; c <= 126; ++c) EXPECT_TRUE(font.HasGlyph(static_cast<char>(c))) << c;
    EXPECT_GT(font.GetGlyph('W').width, font.GetGlyph('i').width);
}
