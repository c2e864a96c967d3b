// The settings screen's layout file and the bounds of its sliders.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"
#include "meta/SettingsLayout.h"

using namespace settingschoices;

class SettingsLayoutFileTest : public ::testing::Test {
protected:
    configtest::TempFolder folder;
    std::string path = (folder.path / "Settings.json").string();
    LayoutRead Read(const std::string& text, SettingsLayout& layout)
    {
        configtest::WriteText(path, text);
        return ReadSettingsLayout(path, layout);
    }
};

TEST_F(SettingsLayoutFileTest, NamedEntriesReplaceTheBuiltInPlacement)
{
    SettingsLayout layout = BuiltInSettingsLayout();
    ASSERT_EQ(Read(R"({"PanelPositions": {"settings_panel": {"anchor": "ANCHOR_TOP_LEFT", "percentage": 0.5}},
        "PanelScales": {"title_panel": [100.0, 20.0]},
        "TextPositions": {"Music": [1.5, -2.5]},
        "TextFontSize": {"SFX": 22.0}})", layout), LayoutRead::Ok);
    EXPECT_EQ(layout.panelPositions["settings_panel"].anchor, "ANCHOR_TOP_LEFT");
    EXPECT_FLOAT_EQ(layout.panelPositions["settings_panel"].percentage, 0.5f);
    EXPECT_EQ(layout.panelScales["title_panel"], glm::vec2(100.0f, 20.0f));
    EXPECT_EQ(layout.textPositions["Music"], glm::vec2(1.5f, -2.5f));
    EXPECT_FLOAT_EQ(layout.textFontSizes["SFX"], 22.0f);
    // Untouched names keep their built-in values.
    EXPECT_FLOAT_EQ(layout.textFontSizes["Music"], BuiltInSettingsLayout().textFontSizes["Music"]);
}

TEST_F(SettingsLayoutFileTest, IntegersAndWrongTypesAreSkipped)
{
    SettingsLayout layout = BuiltInSettingsLayout();
    const SettingsLayout before = layout;
    ASSERT_EQ(Read(R"({"PanelPositions": {"settings_panel": {"percentage": 1}}, "PanelScales": {"title_panel": [100, 20.0]},
        "TextPositions": {"Music": [1.5], "SFX": "left"}, "TextFontSize": {"SFX": 22, "Music": [1.0]}})", layout),
              LayoutRead::Ok);
    // A position entry without an anchor means none; an integer percentage is skipped (0).
    EXPECT_EQ(layout.panelPositions["settings_panel"].anchor, "ANCHOR_NONE");
    EXPECT_FLOAT_EQ(layout.panelPositions["settings_panel"].percentage, 0.0f);
    EXPECT_EQ(layout.panelScales, before.panelScales);
    EXPECT_EQ(layout.textPositions, before.textPositions);
    EXPECT_EQ(layout.textFontSizes, before.textFontSizes);
}

TEST_F(SettingsLayoutFileTest, MissingOrBrokenFilesLeaveTheLayoutAlone)
{
    SettingsLayout layout = BuiltInSettingsLayout();
    EXPECT_EQ(ReadSettingsLayout((folder.path / "none.json").string(), layout), LayoutRead::CannotOpen);
    EXPECT_EQ(Read("{\"PanelScales\": ", layout), LayoutRead::CannotParse);
    EXPECT_EQ(Read("[1, 2]", layout), LayoutRead::CannotParse);
    EXPECT_EQ(layout.textPositions, BuiltInSettingsLayout().textPositions);
}

TEST(SettingsLayoutTest, RowsAfterTheSecondStackDownFromTheFirst)
{
    SettingsLayout layout;
    layout.textPositions["Full Screen"] = {-100.0f, 200.0f};
    layout.textPositions["Resolution"] = {-120.0f, 150.0f};
    layout.textPositions["Music"] = {999.0f, 999.0f};
    auto rows = SettingsRowPositions(layout);
    EXPECT_EQ(rows[0], glm::vec2(-100.0f, 200.0f));
    EXPECT_EQ(rows[1], glm::vec2(-120.0f, 150.0f));
    EXPECT_EQ(rows[2], glm::vec2(-120.0f, 70.0f));
    EXPECT_EQ(rows[8], glm::vec2(-120.0f, 200.0f - 8 * 65.0f));
}

TEST(SettingsLayoutTest, TheShippedFileEqualsTheBuiltInPlacementAndFitsTheWindow)
{
    SettingsLayout shipped = BuiltInSettingsLayout();
    shipped.textPositions.clear();
    ASSERT_EQ(ReadSettingsLayout(kSettingsLayoutFile, shipped), LayoutRead::Ok);
    SettingsLayout builtIn = BuiltInSettingsLayout();
    EXPECT_EQ(shipped.textPositions, builtIn.textPositions);
    EXPECT_EQ(shipped.textFontSizes, builtIn.textFontSizes);
    EXPECT_EQ(shipped.panelScales, builtIn.panelScales);
    for (const auto& [name, placement] : builtIn.panelPositions) {
        EXPECT_EQ(shipped.panelPositions[name].anchor, placement.anchor) << name;
        EXPECT_FLOAT_EQ(shipped.panelPositions[name].percentage, placement.percentage) << name;
    }
    for (const glm::vec2& row : SettingsRowPositions(shipped)) {
        EXPECT_LE(row.y, 230.0f);
        EXPECT_GE(row.y - 20.0f, -330.0f);
    }
}

TEST(SettingsChoicesTest, TheResolutionSliderStopsAtTheMonitor)
{
    EXPECT_EQ(ResolutionItemCount({1920, 1080}), 5);
    EXPECT_EQ(ResolutionItemCount({1280, 720}), 1);
    EXPECT_EQ(ResolutionItemCount({3840, 2400}), 9);  // nearer 3840 x 2160 than 3480 x 2400
    EXPECT_EQ(ResolutionItemCount({3480, 2400}), 10);
    EXPECT_EQ(InitialResolutionItem(9, 5), 4);
    EXPECT_EQ(InitialResolutionItem(3, 5), 3);
    EXPECT_EQ(InitialResolutionItem(-2, 5), 0);
    EXPECT_EQ(InitialResolutionItem(10, 5), 0);
    EXPECT_EQ(InitialResolutionItem(4, 0), 0);
    EXPECT_EQ(ResolutionLabel(0), "1280 x 720");
    EXPECT_EQ(ResolutionLabel(9), "3480 x 2400");
}

TEST(SettingsChoicesTest, SensitivityOpensOnTheNearestOfOneToFive)
{
    EXPECT_EQ(InitialSensitivityItem(40), 4);
    EXPECT_EQ(InitialSensitivityItem(-3), 0);
    EXPECT_EQ(InitialSensitivityItem(3), 2);
}
