// Every text of the setup and victory screens fits its box with the real font: descriptions in
// their panels, victory lines across the window, the campaign report on its dossier.
#include <gtest/gtest.h>

#include <algorithm>

#include "meta/BattleSetup.h"
#include "meta/Factions.h"
#include "meta/MapPresets.h"
#include "meta/PlayerProfile.h"
#include "meta/ScreenParts.h"
#include "meta/VictoryRules.h"
#include "render/Text.h"
#include "render/TextLayout.h"

namespace {

struct Extent {
    float width = 0.0f;
    int lines = 0;
};

// Width of the laid-out records and the number of lines of the wrapped text.
Extent Measure(const std::string& content, float size, float wrapWidth, int hAlign)
{
    auto text = screenparts::MakeText(content, {0.0f, 0.0f}, size, glm::vec4(1.0f));
    text->setAlignment(hAlign, kAlignTop);
    if (wrapWidth > 0.0f) text->setWrapWidth(wrapWidth);
    Extent extent;
    if (text->Records().empty()) return extent;
    float lo = 1e9f, hi = -1e9f;
    for (const GlyphRecord& r : text->Records()) {
        lo = std::min(lo, r.offsetX);
        hi = std::max(hi, r.offsetX + r.quadWidth);
    }
    extent.width = hi - lo;
    std::string shown = text->text;
    while (!shown.empty() && shown.back() == '\n') shown.pop_back();  // a closing line break adds no line
    extent.lines = 1 + static_cast<int>(std::count(shown.begin(), shown.end(), '\n'));
    return extent;
}

}  // namespace

TEST(SetupTextFit, FactionDescriptionsFitTheirPanel)
{
    for (int i = 1; i <= kFactionCount; ++i) {
        Extent e = Measure(std::string(FindFaction(i)->description), screenparts::kDescriptionSize,
                           screenparts::kDescriptionWrap, kAlignCenter);
        EXPECT_GT(e.width, 0.0f) << i;
        EXPECT_LE(e.width, 540.0f) << i;
        EXPECT_LE(e.lines, 5) << i;
    }
}

TEST(SetupTextFit, MapDescriptionsFitTheMapPanel)
{
    for (const MapPreset& preset : MapPresets()) {
        Extent e = Measure(MapDescription(preset), 26.0f, 0.0f, kAlignLeft);
        EXPECT_LE(e.width, 440.0f) << preset.name;
        EXPECT_EQ(e.lines, 4);
    }
}

TEST(SetupTextFit, VictoryLinesFitBetweenTheFireworks)
{
    for (int faction = 1; faction <= kFactionCount; ++faction)
        for (int winner : {0, 1}) EXPECT_LE(Measure(FreeVictoryText(winner, faction), 40.0f, 0.0f, kAlignCenter).width, 1100.0f);
}

TEST(SetupTextFit, TheLongestCampaignReportFitsTheDossier)
{
    BattleSetupRecord setup;
    setup.levelName = "Underground";
    setup.winner = 0;
    setup.turnsUsed = 2147483647;
    setup.parTurns = 2147483647;
    PlayerProfileRecord profile;
    const CampaignVictory shown = RecordCampaignVictory(setup, profile);
    Extent e = Measure(shown.report, screenparts::kReportSize, screenparts::kReportWrap, kAlignCenter);
    EXPECT_LE(e.width, 400.0f);
    EXPECT_LE(e.lines, 6) << e.width;
}
