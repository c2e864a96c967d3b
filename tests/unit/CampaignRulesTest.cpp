#include <gtest/gtest.h>

#include "meta/CampaignRules.h"

using namespace campaign;

namespace {

PlayerProfileRecord WithResults(std::initializer_list<int> results)
{
    PlayerProfileRecord p;
    int* fields[] = {&p.tutorialComplete, &p.level1Complete, &p.level2Complete, &p.level3Complete,
                     &p.level4Complete,   &p.level5Complete, &p.level6Complete, &p.level7Complete};
    int i = 0;
    for (int r : results) *fields[i++] = r;
    return p;
}

bool StartsWith(const std::string& text, const std::string& opening)
{
    return text.rfind(opening, 0) == 0;
}

}  // namespace

TEST(CampaignBriefing, FollowsTheFurthestProgress)
{
    auto fresh = WithResults({});
    EXPECT_EQ(BriefingFor(fresh).kind, BriefingKind::Speech);
    EXPECT_TRUE(StartsWith(BriefingFor(fresh).text, "Alright Novice, listen up. I am Sergeant Merlin."));

    auto trained = WithResults({1});
    const Briefing welcome = BriefingFor(trained);
    EXPECT_EQ(welcome.kind, BriefingKind::Welcome);
    EXPECT_TRUE(StartsWith(welcome.text, "Congratulations soldier, you're in."));

    auto three = WithResults({2, 1, 2, 1, 0});
    const Briefing after3 = BriefingFor(three);
    EXPECT_EQ(after3.kind, BriefingKind::Debrief);
    EXPECT_EQ(after3.afterMission, 3);
    EXPECT_TRUE(StartsWith(after3.text, "We retrieved the tokens, but the Necromancers never "
                                        "intended on using them for revival."));

    auto done = WithResults({1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(BriefingFor(done).afterMission, 7);
    EXPECT_TRUE(StartsWith(BriefingFor(done).text, "I literally cannot believe you managed to do that."));
}

TEST(CampaignBriefing, DebriefOpeningsAreTheFixedOnes)
{
    const char* openings[] = {
        "Interesting, it seems you took out everyone related to the transfer of these tokens,",
        "We received the Deadlands tokens, soldier.",
        "We retrieved the tokens, but the Necromancers never intended on using them for revival.",
        "So... We spoke with an envoy from the Didaruza...",
        "We discovered the skeletons were operating in a giant underground tunnel system",
        "We were too late... On all fronts.",
        "I literally cannot believe you managed to do that.",
    };
    for (int k = 1; k <= 7; ++k) {
        auto p = WithResults({1});
        PlayerProfileRecord q = p;
        int* fields[] = {&q.level1Complete, &q.level2Complete, &q.level3Complete, &q.level4Complete,
                         &q.level5Complete, &q.level6Complete, &q.level7Complete};
        for (int j = 0; j < k; ++j) *fields[j] = 1;
        const Briefing b = BriefingFor(q);
        EXPECT_EQ(b.afterMission, k);
        EXPECT_TRUE(StartsWith(b.text, openings[k - 1])) << k;
    }
}

TEST(CampaignBriefing, GoldGuildOnceThenTheLastDebrief)
{
    auto p = WithResults({2, 2, 2, 2, 2, 2, 2, 2});
    const Briefing first = BriefingFor(p);
    EXPECT_EQ(first.kind, BriefingKind::GoldGuild);
    EXPECT_EQ(first.button, "Hurray");
    EXPECT_TRUE(StartsWith(first.text, "Congratulations on guilding every level."));
    EXPECT_TRUE(p.unlockGoldenGuild);
    const Briefing second = BriefingFor(p);
    EXPECT_EQ(second.kind, BriefingKind::Debrief);
    EXPECT_EQ(second.afterMission, 7);
}

TEST(CampaignBriefing, NegativeResultsCountAsNotDone)
{
    auto p = WithResults({-1});
    EXPECT_EQ(BriefingFor(p).kind, BriefingKind::Speech);
    auto q = WithResults({1, 1, -1, 0});
    EXPECT_EQ(BriefingFor(q).afterMission, 1);
    EXPECT_FALSE(IconShown(q, 3));
    EXPECT_EQ(Result(q, 2), 0);
}

TEST(CampaignMap, IconsUnlockInChainAndShowTheirResult)
{
    auto fresh = WithResults({});
    EXPECT_TRUE(IconShown(fresh, 0));
    for (int k = 1; k < kMissionCount; ++k) EXPECT_FALSE(IconShown(fresh, k));
    auto p = WithResults({1, 3, 0});
    EXPECT_TRUE(IconShown(p, 1));
    EXPECT_TRUE(IconShown(p, 2));  // a result of 3 still unlocks the next mission
    EXPECT_FALSE(IconShown(p, 3));
    EXPECT_FALSE(IconShown(p, 8));
    EXPECT_FALSE(IconShown(p, -1));
    EXPECT_STREQ(IconTexture(1), "MissionIcon_Complete");
    EXPECT_STREQ(IconTexture(2), "MissionIcon_Gilded");
    EXPECT_STREQ(IconTexture(3), "MissionIcon_Incomplete");
    EXPECT_STREQ(IconTexture(0), "MissionIcon_Incomplete");
    EXPECT_STREQ(IconTexture(-4), "MissionIcon_Incomplete");
}

TEST(CampaignMap, SecondPictureOnceTrainingAndSixMissionsAreDone)
{
    EXPECT_STREQ(MapPicture(WithResults({1, 1, 1, 1, 1, 1, 0})), "CampaignMap");
    EXPECT_STREQ(MapPicture(WithResults({1, 1, 1, 1, 1, 1, 2})), "CampaignMap2");
    EXPECT_STREQ(MapPicture(WithResults({0, 1, 1, 1, 1, 1, 1})), "CampaignMap");
    EXPECT_STREQ(MapPicture(WithResults({1, 1, -1, 1, 1, 1, 1})), "CampaignMap");
}

TEST(CampaignDossier, HeadingsAndElementWords)
{
    EXPECT_EQ(DossierText(0), "Level 0: Training Camp\n\nLet's see what you're made of.");
    EXPECT_TRUE(StartsWith(DossierText(1), "Level 1: Forest\n\nGnomes. Hate them."));
    const char* elements[] = {"WATER and EARTH", "EARTH and WIND", "FIRE", "ANY elements",
                              "WATER and WIND"};
    for (int m = 1; m <= 5; ++m)
        EXPECT_NE(DossierText(m).find(elements[m - 1]), std::string::npos) << m;
    EXPECT_TRUE(StartsWith(DossierText(7), "Level 7: Underground\n\n"));
    EXPECT_EQ(DossierText(99), "");
}

TEST(CampaignEnter, TrainingKeepsPlayerTwoAndEveryMissionSetsItsRow)
{
    BattleSetupRecord setup;
    setup.player2Faction = 6;
    setup.cpuEnabled = false;
    setup.aiDifficulty = 1;
    setup.divineIntervention = true;
    ASSERT_TRUE(StartMission(0, setup));
    EXPECT_EQ(setup.levelName, "TrainingIsland");
    EXPECT_TRUE(setup.tutorialMode);
    EXPECT_TRUE(setup.campaignMode);
    EXPECT_EQ(setup.parTurns, 3);
    EXPECT_EQ(setup.player1Faction, 9);
    EXPECT_EQ(setup.player2Faction, 6);
    EXPECT_FALSE(setup.cpuEnabled);
    EXPECT_EQ(setup.aiDifficulty, 1);
    EXPECT_FALSE(setup.divineIntervention);

    ASSERT_TRUE(StartMission(4, setup));
    EXPECT_EQ(setup.levelName, "Didaruza");
    EXPECT_FALSE(setup.tutorialMode);
    EXPECT_EQ(setup.player2Faction, 3);
    EXPECT_EQ(setup.aiDifficulty, 2);
    EXPECT_EQ(setup.parTurns, 20);
    EXPECT_TRUE(setup.cpuEnabled);
    EXPECT_EQ(setup.player2Color, kTeamColors[5]);
    EXPECT_EQ(setup.player1Color, kTeamColors[0]);

    const BattleSetupRecord before = setup;
    EXPECT_FALSE(StartMission(8, setup));
    EXPECT_FALSE(StartMission(kNoMission, setup));
    EXPECT_EQ(setup.levelName, before.levelName);
    EXPECT_EQ(MissionOf("Underground"), 7);
    EXPECT_EQ(MissionOf("SquareIsland"), -1);
}
