// Arming and collecting Primalite tokens, the hand limit, Duplication Protection, tile effects.
#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "RenderTestSupport.h"
#include "spells/Spell.h"

namespace {

// The side 1 wizard starts on a token at (0, 0).
LevelText OnToken(const char* elements = R"(["normal", "fire"])")
{
    LevelText level;
    level.objectMap = "[1,0,0, 0,0,0]";
    level.rules = std::string(R"({"player_count": 2, "wizard_count": 1, "wizard_health": 10, "allowed_elements": )") + elements + "}";
    return level;
}

struct Game : BegunBattle {
    explicit Game(const LevelText& level, HarnessOptions options = FixtureOptions()) : BegunBattle(level, options)
    {
        EXPECT_TRUE(loaded && begun);
    }
    Wizard& wizard() { return *harness.WizardOn(0, 0); }
    MapObject& token() { return *map().TileAt(0, 0)->object; }
    void Fill(int spells)
    {
        const Spell* any = map().RandomSpellOfElement(1);
        for (int i = 0; i < spells; ++i) wizard().AddSpell(any);
    }
    bool PickUp()
    {
        harness.ClickNone();
        harness.ClickTile(0, 0);
        return harness.Press("PickUp");
    }
};

}  // namespace

TEST(BattleTokens, AWizardStartingOnATokenCollectsItBeforeEverWalking)
{
    LogCapture log("battle_tokens_start.log");
    Game g(OnToken());
    EXPECT_TRUE(g.token().Armed());
    EXPECT_EQ(g.token().element, 1);  // fire is the only token element allowed
    ASSERT_TRUE(g.PickUp());
    EXPECT_EQ(g.wizard().CountNonCantrips(), 2);
    for (const Spell* s : g.wizard().hand) EXPECT_TRUE(s->name == "Cantrip" || s->element == ElementType::Fire) << s->name;
    EXPECT_EQ(g.token().element, 0);
    EXPECT_FALSE(g.token().Armed());
    EXPECT_EQ(g.harness.hooks.sounds.back(), "TokenCollect");
    EXPECT_EQ(g.wizard().ap, 5);  // collecting costs nothing
    // An emptied token is no longer offered.
    g.harness.ClickNone();
    g.harness.ClickTile(0, 0);
    EXPECT_EQ(g.map().controls.buttons, (std::vector<std::string>{"Walk", "Jump", "EndTurn"}));
    EXPECT_FALSE(g.harness.Press("PickUp"));
}

TEST(BattleTokens, HandLimitThreeGivesOneAndFourGivesNoneButEmpties)
{
    LogCapture log("battle_tokens_limit.log");
    Game three(OnToken());
    three.Fill(3);
    three.PickUp();
    EXPECT_EQ(three.wizard().CountNonCantrips(), 4);
    Game four(OnToken());
    four.Fill(4);
    size_t before = four.wizard().hand.size();
    four.PickUp();
    EXPECT_EQ(four.wizard().hand.size(), before);
    EXPECT_EQ(four.token().element, 0);
    // "Cantrip" never counts towards the limit.
    EXPECT_TRUE(four.wizard().HoldsSpellNamed("Cantrip"));
    EXPECT_EQ(four.wizard().CountNonCantrips(), 4);
}

TEST(BattleTokens, OnlyFireLevelsMakeFireTokens)
{
    LogCapture log("battle_tokens_fire.log");
    for (unsigned seed = 1; seed < 10; ++seed) {
        HarnessOptions options = FixtureOptions();
        options.seed = seed;
        BattleHarness harness(options);
        ASSERT_TRUE(harness.Load("FireOnly"));
        int tokens = 0;
        for (auto& object : harness.GetMap().objects) {
            EXPECT_EQ(object->element, 1);
            tokens += object->IsToken();
        }
        EXPECT_EQ(tokens, 6);
    }
}

TEST(BattleTokens, DuplicationProtectionWithAOneSpellListGrantsTheDuplicateAndReturns)
{
    LogCapture log("battle_tokens_duplicate.log");
    HarnessOptions options = FixtureOptions("spells_one");
    options.duplicationProtection = true;
    Game g(OnToken(), options);
    g.PickUp();
    ASSERT_EQ(g.wizard().CountNonCantrips(), 2);
    EXPECT_EQ(log.Count("??? Map Class :: Duplication Protection found no second spell ???"), 1);
    for (const Spell* s : g.wizard().hand) EXPECT_TRUE(s->name == "Cantrip" || s->name == "Fireball");
}

TEST(BattleTokens, DuplicationProtectionDrawsTwoDifferentSpells)
{
    LogCapture log("battle_tokens_distinct.log");
    for (unsigned seed = 1; seed < 12; ++seed) {
        HarnessOptions options = FixtureOptions();
        options.duplicationProtection = true;
        options.seed = seed;
        Game g(OnToken(), options);
        g.PickUp();
        std::vector<std::string> names;
        for (const Spell* s : g.wizard().hand)
            if (s->name != "Cantrip") names.push_back(s->name);
        ASSERT_EQ(names.size(), 2u);
        EXPECT_NE(names[0], names[1]);
    }
}

TEST(BattleTokens, MissingCantripIsReportedOnceAndAddsNothing)
{
    LogCapture log("battle_tokens_cantrip.log");
    LevelText level = OnToken(R"(["fire"])");
    Game g(level);
    g.EndTurn();
    EXPECT_TRUE(g.wizard().hand.empty());
    EXPECT_EQ(log.Count("??? Map Class :: no spell \"Cantrip\" in the spell book ???"), 1);
}

TEST(BattleTokens, TutorialGrantsFireballs)
{
    LogCapture log("battle_tokens_tutorial.log");
    HarnessOptions options = FixtureOptions();
    options.tutorial = true;
    Game g(OnToken(), options);
    g.PickUp();
    EXPECT_EQ(g.wizard().CountNonCantrips(), 2);
    for (const Spell* s : g.wizard().hand) EXPECT_TRUE(s->name == "Cantrip" || s->name == "Fireball");
    // The first turn's "Ready", then the collection.
    EXPECT_EQ(g.harness.hooks.milestones, (std::vector<int>{0, 2}));
}

TEST(BattleTokens, TutorialFireballsFollowTheHandSize)
{
    LogCapture log("battle_tokens_tutorial_hand.log");
    HarnessOptions options = FixtureOptions();
    options.tutorial = true;
    const int granted[] = {2, 2, 2, 1, 0};
    for (int held = 0; held <= 4; ++held) {
        Game g(OnToken(), options);
        g.Fill(held);
        ASSERT_EQ(g.wizard().CountNonCantrips(), held);
        g.PickUp();
        EXPECT_EQ(g.wizard().CountNonCantrips(), held + granted[held]) << held << " held";
    }
}

TEST(BattleTokens, TileObjectsActOnEveryTurnStartAndCreationRules)
{
    LogCapture log("battle_tokens_objects.log");
    LevelText level;
    level.objectMap = "[4,0,0, 0,0,0]";
    level.rules = R"({"player_count": 2, "wizard_count": 1, "wizard_health": 10, "allowed_elements": ["normal"]})";
    Game g(level);
    Map& map = g.map();
    Wizard& w = g.wizard();
    EXPECT_EQ(w.health, 10);  // Ambrosia at full health keeps the maximum
    w.ChangeHealth(-6);
    g.EndTurn();  // side 2's turn start: every living wizard takes its tile's effect
    EXPECT_EQ(w.health, 8);
    // Creation: a Boulder is refused under a wizard, a Caltrop is not; no second object on a tile.
    Tile& enemyTile = *map.TileAt(2, 1);
    EXPECT_FALSE(map.CreateOnTile(enemyTile, 3, CreateType::Boulder));
    EXPECT_TRUE(map.CreateOnTile(enemyTile, 3, CreateType::Caltrop));
    EXPECT_FALSE(map.CreateOnTile(enemyTile, 3, CreateType::HotCoal));
    EXPECT_EQ(Map::DescribeOccupant(enemyTile), "Object");
    EXPECT_EQ(Map::DescribeOccupant(*map.TileAt(1, 1)), "None");
    EXPECT_TRUE(map.CreateOnTile(*map.TileAt(1, 1), 2, CreateType::FireTile));
    EXPECT_EQ(map.TileAt(1, 1)->biome, "Fire_Tile");
    EXPECT_EQ(map.TileAt(1, 1)->Alignment(), 1);
    EXPECT_TRUE(map.CreateOnTile(*map.TileAt(1, 0), 2, CreateType::Primalite));
    EXPECT_EQ(Map::DescribeOccupant(*map.TileAt(1, 0)), "Primalite");
    EXPECT_EQ(map.decay.size(), 1u);  // the token does not decay
    // A Hot_Coal burns whoever enters.
    EXPECT_TRUE(map.CreateOnTile(*map.TileAt(1, 1), 2, CreateType::HotCoal));
    Wizard& enemy = *g.harness.WizardOn(2, 1);
    map.ApplyEnteringEffects(enemy, *map.TileAt(1, 1));
    ASSERT_EQ(enemy.statusEffects.size(), 1u);
    EXPECT_EQ(enemy.statusEffects[0].type, InflictType::Burned);
    EXPECT_EQ(enemy.statusEffects[0].icon, "active_effect_0");
    EXPECT_TRUE(g.harness.Broken().empty()) << g.harness.Broken().front();
}

TEST(BattleTokens, WizardHealthRulesAndStatusNames)
{
    Wizard w(0, 0, 20, 1);
    w.SetHealth(150);
    EXPECT_EQ(w.health, 100);
    w.ChangeHealth(-500);
    EXPECT_EQ(w.health, 0);
    EXPECT_FALSE(w.Alive());
    w.ChangeHealth(10);
    EXPECT_EQ(w.health, 0);  // no revival by healing
    w.AddStatusEffect({2, InflictType::Burned, CommandType::Enemy, ""});
    EXPECT_TRUE(w.statusEffects.empty());
    Wizard v(0, 0, 20, 1);
    v.AddStatusEffect({2, InflictType::Burned, CommandType::Enemy, ""});
    v.AddStatusEffect({2, InflictType::Confused, CommandType::Enemy, ""});
    EXPECT_EQ(v.statusEffects[1].icon, "active_effect_1");
    v.RemoveStatusEffectAt(0);
    v.AddStatusEffect({1, InflictType::Blinded, CommandType::Enemy, ""});
    EXPECT_EQ(v.statusEffects[1].icon, "active_effect_2");  // names never repeat
    v.SetHealth(-3);
    EXPECT_EQ(v.health, 0);
    EXPECT_TRUE(v.statusEffects.empty());
}

TEST(BattleTokens, ReadStatsReportsEachMissingMember)
{
    LogCapture log("battle_wizard_stats.log");
    Wizard w(0, 0, 20, 1);
    json::Document doc;
    ASSERT_TRUE(json::ParseText(R"({"health": 12, "numSpells": 2, "AP": 9, "startPosition": [1]})", doc).ok());
    w.ReadStats(doc);
    EXPECT_EQ(w.health, 12);
    EXPECT_EQ(w.spellCount, 2);
    EXPECT_EQ(w.ap, 5);
    EXPECT_TRUE(log.Has("Error: 'movementRange' is missing."));
    EXPECT_TRUE(log.Has("Error: 'startPosition'  missing."));
    w.Read("no_such_stats.json");
    EXPECT_TRUE(log.Has("Error: Failed to open doc."));
}
