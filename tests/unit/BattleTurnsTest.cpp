// Turns, rounds, refresh, Divine Intervention, the winner check and the banner.
#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "RenderTestSupport.h"
#include "spells/Spell.h"

namespace {

LevelText TwoAside()
{
    LevelText level;
    level.dimensions = R"({"width": 6, "height": 2})";
    level.tileMap = "[1,1,1,1,1,1, 1,1,1,1,1,1]";
    level.objectMap = "[1,0,0,0,0,1, 0,0,0,0,0,0]";
    level.rules = R"({"player_count": 2, "wizard_count": 2, "wizard_health": 10, "allowed_elements": ["normal", "fire"]})";
    level.wizards = R"({"player 1": [{"x": 0, "y": 0}, {"x": 0, "y": 1}], "player 2": [{"x": 5, "y": 0}, {"x": 5, "y": 1}]})";
    return level;
}

struct Game : BegunBattle {
    explicit Game(const LevelText& level, HarnessOptions options = FixtureOptions()) : BegunBattle(level, options)
    {
        EXPECT_TRUE(loaded && begun);
    }
};

}  // namespace

TEST(BattleTurns, StartRefillsLivingWizardsAndGrantsOneCantrip)
{
    LogCapture log("battle_turns_start.log");
    Game g(TwoAside());
    Map& map = g.map();
    EXPECT_EQ(map.turns.round, 1);
    EXPECT_EQ(map.turns.currentSide, 1);
    EXPECT_TRUE(log.Has("Turn Manager: Switched to player: 1. Turn number is: 1"));
    for (auto& w : map.wizards) {
        if (w->side != 1) continue;
        ASSERT_EQ(w->hand.size(), 1u);
        EXPECT_EQ(w->hand[0]->name, "Cantrip");
    }
    EXPECT_EQ(map.controls.selectedWizard, g.harness.WizardOn(0, 0));  // the jump cycle's first
    g.EndTurn();
    g.EndTurn();
    for (auto& w : map.wizards) EXPECT_EQ(w->hand.size(), 1u) << "a Cantrip is never granted twice";
}

TEST(BattleTurns, RoundsGrowWhenTheLastSideEndsAndTokensRefreshEveryThird)
{
    LogCapture log("battle_turns_rounds.log");
    Game g(TwoAside());
    Map& map = g.map();
    MapObject* token = map.TileAt(0, 0)->object;
    ASSERT_TRUE(token && token->Armed());
    g.harness.ClickNone();
    EXPECT_EQ(g.harness.ClickTile(0, 0), 13);
    EXPECT_TRUE(g.harness.Press("PickUp"));
    EXPECT_EQ(token->element, 0);
    MapObject* other = map.TileAt(5, 0)->object;
    std::vector<int> refreshRounds;
    for (int turn = 0; turn < 18; ++turn) {
        int side = map.turns.currentSide;
        int round = map.turns.round;
        g.EndTurn();
        EXPECT_EQ(map.turns.round, side == 2 ? round + 1 : round);
        if (map.controls.announcement == "Primalites Refreshed! ") {
            refreshRounds.push_back(map.turns.round);
            map.controls.ClearAnnouncement();
            EXPECT_TRUE(token->Armed());
            EXPECT_EQ(token->element, 1);  // fire is the only element besides normal
            g.harness.ClickNone();
        }
    }
    EXPECT_EQ(refreshRounds, (std::vector<int>{3, 6, 9}));
    EXPECT_EQ(other->element, 1);
    EXPECT_TRUE(g.harness.Broken().empty()) << g.harness.Broken().front();
}

TEST(BattleTurns, ReArmingTouchesOnlyEmptyTokens)
{
    LogCapture log("battle_turns_rearm.log");
    LevelText level = TwoAside();
    level.rules = R"({"player_count": 2, "wizard_count": 2, "allowed_elements": ["normal", "fire", "water", "earth", "wind"]})";
    Game g(level);
    Map& map = g.map();
    MapObject* kept = map.TileAt(5, 0)->object;
    int element = kept->element;
    for (int i = 0; i < 4; ++i) g.EndTurn();  // rounds 1, 2 end: refresh at 3
    EXPECT_EQ(map.turns.round, 3);
    EXPECT_EQ(kept->element, element);
}

TEST(BattleTurns, DivineInterventionHelpsTheWeakerOrBothAndSkipsTheDead)
{
    LogCapture log("battle_turns_divine.log");
    HarnessOptions options = FixtureOptions();
    options.divineIntervention = true;
    Game g(TwoAside(), options);
    Map& map = g.map();
    for (int i = 0; i < 4; ++i) g.EndTurn();
    int gifts = 0;
    for (auto& text : g.harness.hooks.texts) gifts += text.text == "Divine Intervention!";
    EXPECT_EQ(gifts, 4);  // equal sums: both sides, every living wizard
    for (auto& w : map.wizards) {
        bool gift = std::any_of(w->hand.begin(), w->hand.end(), [](const Spell* s) { return s->name != "Cantrip"; });
        EXPECT_TRUE(gift);
    }
    g.harness.hooks.texts.clear();
    Wizard* fallen = g.harness.WizardOn(5, 1);
    fallen->ChangeHealth(-100);
    g.harness.WizardOn(5, 0)->ChangeHealth(-1);
    for (int i = 0; i < 6; ++i) g.EndTurn();
    EXPECT_EQ(map.turns.round, 6);
    std::vector<const Wizard*> helped;
    for (auto& text : g.harness.hooks.texts)
        if (text.text == "Divine Intervention!") helped.push_back(text.follow);
    ASSERT_EQ(helped.size(), 1u);
    EXPECT_EQ(helped[0], g.harness.WizardOn(5, 0));
}

TEST(BattleTurns, RefillThenTurnStartTicks)
{
    LogCapture log("battle_turns_petrify.log");
    Game g(TwoAside());
    Map& map = g.map();
    // A petrifying rule: the turn-start tick takes the AP the refill just gave.
    map.rules.tickWizard = [](Map& m, Wizard& w, StatusEffect& e, int phase) {
        if (phase == 0 && e.type == InflictType::Petrified && w.side == m.turns.currentSide) {
            w.ap = 0;
            --e.remaining;
        }
    };
    Wizard* stone = g.harness.WizardOn(5, 0);
    stone->AddStatusEffect({1, InflictType::Petrified, CommandType::Enemy, ""});
    g.EndTurn();
    EXPECT_EQ(map.turns.currentSide, 2);
    EXPECT_EQ(stone->ap, 0);
    EXPECT_EQ(g.harness.WizardOn(5, 1)->ap, 5);
}

TEST(BattleTurns, DefeatedWizardsGetNoApAndTheJumpCycleSkipsThem)
{
    LogCapture log("battle_turns_dead.log");
    LevelText level = TwoAside();
    level.rules = R"({"player_count": 2, "wizard_count": 3, "allowed_elements": ["normal"]})";
    level.wizards = R"({"player 1": [{"x": 0, "y": 0}, {"x": 0, "y": 1}, {"x": 1, "y": 1}], "player 2": [{"x": 5, "y": 0}]})";
    Game g(level);
    Map& map = g.map();
    Wizard* a = g.harness.WizardOn(0, 0);
    Wizard* b = g.harness.WizardOn(0, 1);
    Wizard* c = g.harness.WizardOn(1, 1);
    b->ChangeHealth(-100);
    g.EndTurn();
    g.EndTurn();
    EXPECT_EQ(b->ap, 0);
    EXPECT_EQ(b->hand.size(), 1u);  // only the Cantrip it had before it fell
    // The turn start jumped to a; the cycle then visits c, a, c ...
    EXPECT_EQ(map.controls.NextJumpWizard(), c);
    EXPECT_EQ(map.controls.NextJumpWizard(), a);
    a->ap = 0;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(map.controls.NextJumpWizard(), c);
    for (int i = 0; i < 10; ++i) map.controls.Refresh();
    EXPECT_EQ(map.controls.NextJumpWizard(), c);
    c->ap = 0;
    g.harness.ClickNone();
    EXPECT_TRUE(g.harness.Press("EndTurn"));
    EXPECT_FALSE(map.controls.endTurnPromptShown);  // every living wizard is spent
    EXPECT_EQ(map.turns.currentSide, 2);
}

TEST(BattleTurns, ASideFallsWhenItsPlacedWizardsFall)
{
    LogCapture log("battle_turns_winner.log");
    LevelText level = TwoAside();
    level.rules = R"({"player_count": 2, "wizard_count": 3, "allowed_elements": ["normal"]})";
    Game g(level);
    Map& map = g.map();
    EXPECT_TRUE(log.Has("places 2 wizards, \"wizard_count\" is 3"));
    g.harness.WizardOn(5, 0)->ChangeHealth(-100);
    EXPECT_EQ(map.turns.CheckWinner(), -1);
    g.harness.WizardOn(5, 1)->ChangeHealth(-100);
    EXPECT_EQ(map.turns.CheckWinner(), 0);
    g.harness.ClickNone();
    g.harness.Press("EndTurn");
    g.harness.Answer("Yes");
    EXPECT_TRUE(map.battleOver);
    EXPECT_EQ(map.winner, 0);
    EXPECT_FALSE(map.controls.bannerShown);  // no banner once the battle is over
    EXPECT_EQ(map.turns.round, 1);
    g.harness.Answer("Ready");
    g.harness.Press("EndTurn");
    EXPECT_TRUE(map.battleOver);
    EXPECT_EQ(map.turns.round, 1);
    // The closing panel requests the exit once.
    int requests = 0;
    for (int i = 0; i < 200; ++i) {
        map.controls.exitRequested = false;
        g.harness.Advance();
        requests += map.controls.exitRequested;
    }
    EXPECT_EQ(requests, 1);
    g.harness.Key('E');
    EXPECT_FALSE(map.paused);
}

TEST(BattleTurns, NobodyLeftNamesTheLastCasterElseTheSideEndingItsTurn)
{
    LogCapture log("battle_turns_nobody.log");
    Game g(TwoAside());
    Map& map = g.map();
    for (auto& w : map.wizards) w->ChangeHealth(-100);
    EXPECT_EQ(map.turns.CheckWinner(), 0);  // no cast yet: the side whose turn it is
    map.lastCasterSide = 2;
    EXPECT_EQ(map.turns.CheckWinner(), 1);
}

TEST(BattleTurns, ReadyStartsATurnOnceAndTheWelcomeStartsTheGameOnce)
{
    LogCapture log("battle_turns_ready.log");
    BattleHarness harness(FixtureOptions());
    ASSERT_TRUE(harness.LoadText(TwoAside().Json()));
    harness.FinishFadeIn();
    Map& map = harness.GetMap();
    EXPECT_EQ(harness.ClickTile(0, 0), BattleControls::kIgnored);  // the welcome prompt is up
    EXPECT_TRUE(harness.Answer("Ready!"));
    EXPECT_FALSE(harness.Answer("Ready!"));
    EXPECT_TRUE(map.controls.bannerShown);
    EXPECT_TRUE(harness.Answer("Ready"));
    Wizard* w = harness.WizardOn(0, 0);
    w->ap = 2;
    EXPECT_FALSE(harness.Answer("Ready"));
    EXPECT_EQ(w->ap, 2);
    map.controls.PressWelcome();
    EXPECT_EQ(map.turns.round, 1);
    EXPECT_EQ(log.Count("Turn Manager: Switched to player: 1"), 1);
}

TEST(BattleTurns, ComputerSideGetsNoBanner)
{
    LogCapture log("battle_turns_cpu.log");
    HarnessOptions options = FixtureOptions();
    options.computerSide2 = true;
    Game g(TwoAside(), options);
    Map& map = g.map();
    int driven = 0;
    map.computerDriver = [&](Map& m, float) {
        ++driven;
        if (!m.turns.turnStarted) m.turns.StartTurn();
    };
    g.harness.ClickNone();
    g.harness.Press("EndTurn");
    g.harness.Answer("Yes");
    EXPECT_FALSE(map.controls.bannerShown);
    EXPECT_EQ(g.harness.ClickTile(5, 0), BattleControls::kIgnored);
    g.harness.Advance();
    EXPECT_EQ(driven, 1);
    EXPECT_EQ(log.Count("Switched to player: 2"), 1);
    EXPECT_EQ(g.harness.WizardOn(5, 0)->ap, 5);
    EXPECT_EQ(map.controls.ComputerClick(nullptr), 0);
    EXPECT_EQ(map.controls.ComputerClick(map.TileAt(5, 0)), 13);
}

TEST(BattleTurns, DecayAppliesOnceThenDestroysAndLifetimesAreBounded)
{
    LogCapture log("battle_turns_decay.log");
    LevelText level = TwoAside();
    level.dimensions = R"({"width": 6, "height": 3})";
    level.tileMap = "[1,1,1,1,1,1, 1,1,1,1,1,1, 1,1,1,1,1,1]";
    level.objectMap = "[0,0,0,0,0,0, 0,0,0,0,0,0, 0,0,0,0,0,0]";
    Game g(level);
    Map& map = g.map();
    ASSERT_TRUE(map.CreateOnTile(*map.TileAt(1, 2), 0, CreateType::Caltrop));   // lifetime 0 -> 1
    ASSERT_TRUE(map.CreateOnTile(*map.TileAt(2, 2), -3, CreateType::Caltrop));  // -> 1
    ASSERT_TRUE(map.CreateOnTile(*map.TileAt(3, 2), 20, CreateType::Caltrop));  // amount 1
    ASSERT_TRUE(map.CreateOnTile(*map.TileAt(4, 2), 3, CreateType::Caltrop));   // amount 3
    EXPECT_EQ(log.Count("??? Map Class :: create lifetime below 1, using 1 ???"), 2);
    g.EndTurn();
    g.EndTurn();  // first round end
    EXPECT_EQ(map.TileAt(1, 2)->object, nullptr);
    EXPECT_EQ(map.TileAt(2, 2)->object, nullptr);
    ASSERT_NE(map.TileAt(3, 2)->object, nullptr);
    EXPECT_EQ(map.TileAt(3, 2)->object->health, 9);
    EXPECT_EQ(map.TileAt(4, 2)->object->health, 7);
    int rounds = 1;
    while (map.TileAt(4, 2)->object) g.EndTurn(), g.EndTurn(), ++rounds;
    EXPECT_EQ(rounds, 4);  // 10, 7, 4, 1, gone after the fourth round end
    while (map.TileAt(3, 2)->object) g.EndTurn(), g.EndTurn(), ++rounds;
    EXPECT_EQ(rounds, 10);
    EXPECT_TRUE(map.decay.empty());
    EXPECT_TRUE(g.harness.Broken().empty()) << g.harness.Broken().front();
}
