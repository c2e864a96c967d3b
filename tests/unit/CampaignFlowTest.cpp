// The campaign map's flow without widgets: which dossier page is open, the gold guild, and the fade
// from "Enter" into exactly one battle.
#include <gtest/gtest.h>

#include "meta/CampaignFlow.h"

using View = CampaignFlow::View;
using Leave = CampaignFlow::Leave;

namespace {

PlayerProfileRecord Trained()
{
    PlayerProfileRecord p;
    p.tutorialComplete = 1;
    return p;
}

// Updates in 0.1 s steps for `seconds`, collecting every way out reported.
std::vector<Leave> RunFor(CampaignFlow& flow, PlayerProfileRecord& profile, float seconds)
{
    std::vector<Leave> leaves;
    for (float t = 0.0f; t < seconds; t += 0.1f)
        if (Leave l = flow.Update(0.1f, profile); l != Leave::Stay) leaves.push_back(l);
    return leaves;
}

}  // namespace

TEST(CampaignFlow, BriefingThenMissionPagesAndPreview)
{
    PlayerProfileRecord fresh;
    CampaignFlow flow;
    EXPECT_FALSE(flow.Start(fresh));
    EXPECT_EQ(flow.CurrentView(), View::Briefing);
    EXPECT_EQ(flow.CurrentBriefing().kind, campaign::BriefingKind::Speech);
    // Icons are not taken while the dossier is open.
    flow.OpenMission(0, fresh);
    EXPECT_EQ(flow.Selected(), campaign::kNoMission);
    flow.Continue();
    EXPECT_EQ(flow.CurrentView(), View::Closed);

    flow.OpenMission(1, fresh);  // not on the map yet
    EXPECT_EQ(flow.CurrentView(), View::Closed);
    flow.OpenMission(0, fresh);
    EXPECT_EQ(flow.CurrentView(), View::Mission);
    flow.Preview();  // the training has no preview
    EXPECT_EQ(flow.CurrentView(), View::Mission);
    flow.Continue();  // "Exit"
    EXPECT_EQ(flow.CurrentView(), View::Closed);

    PlayerProfileRecord trained = Trained();
    flow.Start(trained);
    EXPECT_EQ(flow.CurrentBriefing().kind, campaign::BriefingKind::Welcome);
    flow.Continue();
    flow.OpenMission(1, trained);
    flow.Preview();
    EXPECT_EQ(flow.CurrentView(), View::Preview);
    flow.BackFromPreview();
    EXPECT_EQ(flow.CurrentView(), View::Mission);
    EXPECT_EQ(flow.Selected(), 1);
}

TEST(CampaignFlow, HurrayClosesTheGoldGuildTextShownOnce)
{
    PlayerProfileRecord p;
    for (int* r : {&p.tutorialComplete, &p.level1Complete, &p.level2Complete, &p.level3Complete, &p.level4Complete,
                   &p.level5Complete, &p.level6Complete, &p.level7Complete})
        *r = 2;
    CampaignFlow flow;
    EXPECT_TRUE(flow.Start(p)) << "the unlock must be saved";
    EXPECT_TRUE(p.unlockGoldenGuild);
    EXPECT_EQ(flow.CurrentBriefing().button, "Hurray");
    flow.Continue();  // "Hurray"
    EXPECT_EQ(flow.CurrentView(), View::Closed);
    flow.Back();
    EXPECT_EQ(RunFor(flow, p, 0.2f), (std::vector<Leave>{Leave::MainMenu}));

    EXPECT_FALSE(flow.Start(p));
    EXPECT_EQ(flow.CurrentBriefing().afterMission, 7);
}

TEST(CampaignFlow, OneEnterStartsExactlyOneBattleAndNothingElseDuringTheFade)
{
    PlayerProfileRecord p = Trained();
    BattleSetupRecord setup;
    CampaignFlow flow;
    flow.Start(p);
    flow.Continue();
    flow.OpenMission(1, p);
    flow.Enter(setup);
    EXPECT_EQ(setup.levelName, "Forest");
    EXPECT_FALSE(flow.TakesInput());
    // "Exit", the back button and a second "Enter" during the fade change nothing.
    flow.Continue();
    flow.Back();
    setup.levelName = "Changed";
    flow.Enter(setup);
    EXPECT_EQ(setup.levelName, "Changed");
    EXPECT_EQ(flow.CurrentView(), View::Mission);
    flow.Update(0.0f, p);
    EXPECT_TRUE(flow.Fading());
    EXPECT_EQ(RunFor(flow, p, 1.3f), std::vector<Leave>{});
    EXPECT_GT(flow.FadeAlpha(), 0.8f);
    EXPECT_EQ(p.gamesPlayed, 0) << "a campaign game counts when the fade ends";
    EXPECT_EQ(RunFor(flow, p, 3.0f), (std::vector<Leave>{Leave::Battle}));
    EXPECT_EQ(p.gamesPlayed, 1);
}

TEST(CampaignFlow, StartForgetsAFadeCutShort)
{
    PlayerProfileRecord p = Trained();
    BattleSetupRecord setup;
    CampaignFlow flow;
    flow.Start(p);
    flow.Continue();
    flow.OpenMission(0, p);
    flow.Enter(setup);
    flow.Update(0.1f, p);
    ASSERT_TRUE(flow.Fading());
    // The scene is left (say, the window closes into another scene) and entered again.
    flow.Start(p);
    EXPECT_TRUE(flow.TakesInput());
    EXPECT_FALSE(flow.Fading());
    EXPECT_EQ(flow.Selected(), campaign::kNoMission);
    EXPECT_EQ(RunFor(flow, p, 3.0f), std::vector<Leave>{});
    EXPECT_EQ(p.gamesPlayed, 0);
}
