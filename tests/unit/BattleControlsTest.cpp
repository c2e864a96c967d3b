// The tile-event handler's decisions, aiming and casting, and the guards on every input.
#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "RenderTestSupport.h"
#include "spells/Spell.h"

namespace {

// 5 x 3: side 1 at (0,1) and (0,0); side 2 at (3,1); a token at (1,0), a Boulder at (4,2).
LevelText Board()
{
    LevelText level;
    level.dimensions = R"({"width": 5, "height": 3})";
    level.tileMap = "[1,1,1,1,1, 1,1,1,1,1, 1,1,1,1,1]";
    level.objectMap = "[0,1,0,0,0, 0,0,0,0,0, 0,0,0,0,2]";
    level.rules = R"({"player_count": 2, "wizard_count": 2, "wizard_health": 6, "allowed_elements": ["normal", "fire"]})";
    level.wizards = R"({"player 1": [{"x": 0, "y": 1}, {"x": 0, "y": 0}], "player 2": [{"x": 3, "y": 1}, {"x": 4, "y": 0}]})";
    return level;
}

struct Game : BegunBattle {
    Game() : BegunBattle(Board(), FixtureOptions(), true)
    {
        EXPECT_TRUE(loaded && begun);
        harness.ClickNone();
    }
    int Click(int c, int r) { return harness.ClickTile(c, r); }
    int CardNamed(Wizard& w, const std::string& name)
    {
        for (int i = 0; i < static_cast<int>(w.hand.size()); ++i)
            if (w.hand[static_cast<std::size_t>(i)]->name == name) return i;
        w.AddSpell(map().SpellOfElementByName(0, name));
        return static_cast<int>(w.hand.size()) - 1;
    }
};

}  // namespace

TEST(BattleControls, ResultNumbersWithoutAndWithASelection)
{
    LogCapture log("battle_controls_results.log");
    Game g;
    testing::internal::CaptureStdout();
    EXPECT_EQ(g.Click(2, 2), 23);
    EXPECT_EQ(g.Click(1, 0), 11);  // token
    EXPECT_EQ(g.Click(2, 2), 17);  // after an object-only selection
    EXPECT_EQ(g.Click(4, 2), 12);  // other object
    EXPECT_EQ(g.Click(1, 0), 21);  // token, something was selected
    EXPECT_EQ(g.Click(3, 1), 2457);  // enemy, something was selected
    EXPECT_EQ(g.Click(3, 1), 19);    // enemy, nothing selected
    EXPECT_EQ(g.Click(0, 1), 13);    // own wizard
    EXPECT_EQ(g.map().TileAt(0, 1)->tintMode, Tile::kTintWhite);
    EXPECT_TRUE(g.map().controls.cardsVisible);
    EXPECT_EQ(g.Click(0, 0), 5);   // another of the side
    EXPECT_EQ(g.Click(3, 1), 678);  // an enemy drops the selection
    EXPECT_EQ(g.map().TileAt(3, 1)->tintMode, Tile::kTintRed);
    EXPECT_EQ(g.harness.hooks.panels.size(), 3u);
    EXPECT_EQ(g.Click(0, 1), 13);
    EXPECT_EQ(g.Click(4, 2), 10);
    g.Click(0, 1);
    EXPECT_EQ(g.Click(1, 0), 9);   // a token out of walk mode
    g.Click(0, 1);
    EXPECT_EQ(g.Click(2, 2), 16);
    EXPECT_EQ(g.harness.ClickNone(), 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("tileEventHandler result was ID 2457\n"), std::string::npos);
    EXPECT_NE(out.find("Result was do nothing!"), std::string::npos);
}

TEST(BattleControls, EverySelectionClearingBranchLeavesWalkAndAimMode)
{
    LogCapture log("battle_controls_reset.log");
    for (int branch = 0; branch < 3; ++branch) {
        for (bool aiming : {false, true}) {
            Game g;
            Wizard& w = *g.harness.WizardOn(0, 1);
            w.ap = 1;  // (2,2) is out of reach
            g.Click(0, 1);
            if (aiming)
                ASSERT_TRUE(g.harness.SelectCard(g.CardNamed(w, "Bolt")));
            else
                ASSERT_EQ(g.Click(0, 1), 6);
            int result = branch == 0 ? g.Click(4, 2) : branch == 1 ? g.Click(2, 2) : g.harness.ClickNone();
            EXPECT_NE(result, BattleControls::kIgnored);
            EXPECT_EQ(g.map().state, Map::kIdle) << branch << aiming;
            EXPECT_EQ(w.selectedCard, -1);
            EXPECT_EQ(g.map().controls.selectedWizard, nullptr);
            EXPECT_TRUE(g.harness.Broken().empty()) << g.harness.Broken().front();
        }
    }
}

TEST(BattleControls, AimingMarksTargetsAndCastsAtAnEnemy)
{
    LogCapture log("battle_controls_cast.log");
    Game g;
    Wizard& w = *g.harness.WizardOn(0, 1);
    Wizard& enemy = *g.harness.WizardOn(3, 1);
    g.Click(0, 1);
    int bolt = g.CardNamed(w, "Bolt");
    ASSERT_TRUE(g.harness.SelectCard(bolt));
    Map& map = g.map();
    EXPECT_EQ(map.state, Map::kAiming);
    EXPECT_EQ(map.controls.buttons, (std::vector<std::string>{"Back"}));
    EXPECT_EQ(map.controls.announcement, "Targeting Mode:\nSelect Highlighted Target To Cast Spell");
    EXPECT_EQ(map.TileAt(3, 1)->tintMode, Tile::kTintRed);
    EXPECT_EQ(enemy.markerFrame, 2);
    EXPECT_EQ(map.TileAt(2, 1)->tintMode, Tile::kTintInRange);
    EXPECT_FALSE(map.TileAt(0, 1)->highlighted);  // Bolt does nothing to its caster
    EXPECT_EQ(g.Click(3, 1), 1);
    EXPECT_EQ(w.ap, 3);
    EXPECT_EQ(map.state, Map::kSpellInFlight);
    EXPECT_EQ(g.Click(2, 2), BattleControls::kIgnored);  // nothing while it flies
    EXPECT_FALSE(g.harness.Press("EndTurn"));
    g.harness.Key('F');
    EXPECT_FALSE(map.partyMode);
    g.harness.Advance();
    EXPECT_EQ(map.state, Map::kIdle);
    EXPECT_EQ(enemy.health, 2);
    EXPECT_EQ(map.lastCasterSide, 1);
    EXPECT_FALSE(w.HoldsSpellNamed("Bolt"));
    EXPECT_EQ(map.controls.selectedWizard, &w);
    EXPECT_TRUE(g.harness.Broken().empty()) << g.harness.Broken().front();
}

TEST(BattleControls, NotEnoughApShowsTheLineAndAnyClickCancels)
{
    LogCapture log("battle_controls_ap.log");
    Game g;
    Wizard& w = *g.harness.WizardOn(0, 1);
    w.ap = 1;
    g.Click(0, 1);
    ASSERT_TRUE(g.harness.SelectCard(g.CardNamed(w, "Bolt")));
    EXPECT_EQ(g.map().controls.announcement, "Not Enough AP!");
    EXPECT_EQ(g.harness.hooks.texts.back().text, "Not Enough AP!");
    EXPECT_EQ(g.Click(3, 1), -1);
    EXPECT_EQ(g.map().state, Map::kIdle);
    EXPECT_EQ(w.ap, 1);
}

TEST(BattleControls, TheCastersOwnTileIsATargetForSelfSpells)
{
    LogCapture log("battle_controls_self.log");
    Game g;
    Wizard& w = *g.harness.WizardOn(0, 1);
    g.Click(0, 1);
    ASSERT_TRUE(g.harness.SelectCard(g.CardNamed(w, "Mend")));
    EXPECT_EQ(g.map().TileAt(0, 1)->tintMode, Tile::kTintRed);
    EXPECT_EQ(g.Click(0, 1), 3);
    EXPECT_EQ(g.map().castKind, CommandType::Self);
}

TEST(BattleControls, VictoryPendingIsAnnouncedOnlyToTheWinningSide)
{
    LogCapture log("battle_controls_victory.log");
    Game g;
    Map& map = g.map();
    Wizard& w = *g.harness.WizardOn(0, 1);
    g.harness.WizardOn(4, 0)->ChangeHealth(-100);
    g.harness.WizardOn(3, 1)->ChangeHealth(-5);
    g.Click(0, 1);
    g.harness.SelectCard(g.CardNamed(w, "Bolt"));
    g.Click(3, 1);
    g.harness.Advance();
    g.harness.Advance();
    EXPECT_TRUE(map.victoryPending);
    EXPECT_EQ(map.controls.announcement, "All enemies defeated.\n End turn to claim victory.");
    EXPECT_FALSE(map.battleOver);
    g.harness.ClickNone();
    g.harness.Press("EndTurn");
    g.harness.Answer("Yes");
    EXPECT_TRUE(map.battleOver);
    EXPECT_EQ(map.winner, 0);

    // A side that kills its own last wizard is not told it won.
    Game h;
    Map& other = h.map();
    Wizard& last = *h.harness.WizardOn(0, 1);
    h.harness.WizardOn(0, 0)->ChangeHealth(-100);
    last.ChangeHealth(-100);
    other.pendingWinner = other.turns.CheckWinner();
    other.victoryPending = true;
    h.harness.Advance();
    EXPECT_EQ(other.pendingWinner, 1);
    EXPECT_NE(other.controls.announcement, "All enemies defeated.\n End turn to claim victory.");
}

TEST(BattleControls, PartyModeAndMapViewBlockClicksButNotDuringAWalk)
{
    LogCapture log("battle_controls_party.log");
    Game g;
    Map& map = g.map();
    g.Click(0, 1);
    g.Click(0, 1);
    g.Click(2, 1);
    ASSERT_TRUE(map.AnyWizardWalking());
    g.harness.Key('F');
    EXPECT_FALSE(map.partyMode);
    g.harness.Settle();
    g.Click(0, 0);
    g.Click(0, 0);
    EXPECT_EQ(map.state, Map::kWalkMode);
    g.harness.Key('F');
    EXPECT_TRUE(map.partyMode);
    EXPECT_EQ(map.state, Map::kIdle);
    EXPECT_EQ(map.controls.selectedWizard, nullptr);
    EXPECT_EQ(g.Click(0, 0), BattleControls::kIgnored);
    for (int i = 0; i < 60; ++i) g.harness.Advance();
    g.harness.Key('F');
    g.harness.Key('C');
    EXPECT_EQ(g.Click(0, 0), BattleControls::kIgnored);
    g.harness.Key('C');
    EXPECT_EQ(g.Click(0, 0), 13);
    g.harness.Key('E');
    EXPECT_TRUE(map.paused);
    EXPECT_EQ(g.Click(0, 0), BattleControls::kIgnored);
    g.harness.Key('E');
    EXPECT_TRUE(g.harness.Broken().empty()) << g.harness.Broken().front();
}

TEST(BattleControls, BarOffersPickUpOnlyOnAnArmedTokenWithAp)
{
    LogCapture log("battle_controls_bar.log");
    Game g;
    Map& map = g.map();
    g.Click(0, 0);
    g.Click(0, 0);
    g.Click(1, 0);  // walk onto the token (result 8)
    EXPECT_EQ(map.controls.lastResult, 8);
    g.harness.Settle();
    EXPECT_EQ(map.controls.buttons, (std::vector<std::string>{"PickUp", "Walk", "Jump", "EndTurn"}));
    g.harness.WizardOn(1, 0)->ap = 0;
    map.controls.Refresh();
    EXPECT_EQ(map.controls.buttons, (std::vector<std::string>{"Jump", "EndTurn"}));
    EXPECT_FALSE(g.harness.Press("PickUp"));
}
