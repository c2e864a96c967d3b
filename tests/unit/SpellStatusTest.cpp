// Status effects by phase and source, on wizards and on map objects.
#include <algorithm>

#include <gtest/gtest.h>

#include "BattleTestSupport.h"
#include "spells/SpellCast.h"

namespace {

class SpellStatus : public ::testing::Test {
protected:
    void SetUp() override
    {
        battle = std::make_unique<BegunBattle>(LevelText{});
        ASSERT_TRUE(battle->loaded);
        map().rules = spellcast::Rules();
        map().hooks = &battle->harness.hooks;
        map().turns.currentSide = 1;
    }
    Map& map() { return battle->map(); }
    Wizard& Mine() { return *map().WizardAt(0, 0); }
    int Texts(const std::string& text)
    {
        const auto& texts = battle->harness.hooks.texts;
        return static_cast<int>(
            std::count_if(texts.begin(), texts.end(), [&](const FloatingText& t) { return t.text == text; }));
    }
    std::unique_ptr<BegunBattle> battle;
};

TEST_F(SpellStatus, BurnActsOnItsSidesTurnStartsThenGoes)
{
    Wizard& w = Mine();
    ASSERT_EQ(w.side, 1);
    w.AddStatusEffect({2, InflictType::Burned, CommandType::Enemy, {}});
    w.TickStatusEffects(0);
    EXPECT_EQ(w.health, 5);
    for (int phase : {1, 2, 3, 4}) w.TickStatusEffects(phase);
    map().turns.currentSide = 2;
    w.TickStatusEffects(0);  // the other side's turn start
    EXPECT_EQ(w.health, 5);
    map().turns.currentSide = 1;
    w.TickStatusEffects(0);
    EXPECT_EQ(w.health, 0);  // 10 - 5 - 5: the second burn defeats it
    EXPECT_FALSE(w.Alive());
    EXPECT_TRUE(w.statusEffects.empty());
    EXPECT_EQ(Texts("Burned: -5 HP"), 2);
}

TEST_F(SpellStatus, RecordsExpireAtTheNextTurnStartAfterTheirLast)
{
    Wizard& w = Mine();
    w.AddStatusEffect({1, InflictType::Confused, CommandType::Enemy, {}});
    w.TickStatusEffects(0);
    EXPECT_EQ(w.statusEffects.size(), 1u);
    EXPECT_EQ(Texts("Confused: -50% Accuracy"), 1);
    w.TickStatusEffects(0);
    EXPECT_TRUE(w.statusEffects.empty());
    EXPECT_EQ(Texts("Confused: -50% Accuracy"), 1);
}

TEST_F(SpellStatus, SelfAllyAndUnknownRecordsNeverActOrCountDown)
{
    Wizard& w = Mine();
    w.AddStatusEffect({1, InflictType::Burned, CommandType::Self, {}});
    w.AddStatusEffect({1, InflictType::Burned, CommandType::Ally, {}});
    w.AddStatusEffect({1, InflictType::None, CommandType::Enemy, {}});
    for (int turn = 0; turn < 4; ++turn) w.TickStatusEffects(0);
    EXPECT_EQ(w.health, 10);
    ASSERT_EQ(w.statusEffects.size(), 3u);
    for (const StatusEffect& e : w.statusEffects) EXPECT_EQ(e.remaining, 1);
}

TEST_F(SpellStatus, PetrificationNeverTakesApBelowZero)
{
    Wizard& w = Mine();
    for (int i = 0; i < 6; ++i) w.AddStatusEffect({3, InflictType::Petrified, CommandType::Enemy, {}});
    w.ap = 5;
    w.TickStatusEffects(0);
    EXPECT_EQ(w.ap, 0);
    EXPECT_EQ(Texts("Petrified: -1 AP"), 6);
}

TEST_F(SpellStatus, FrostbiteCostsOneHealthPerTileEntered)
{
    Wizard& w = Mine();
    w.AddStatusEffect({2, InflictType::Frostbitten, CommandType::Enemy, {}});
    w.TickStatusEffects(4);
    w.TickStatusEffects(4);
    EXPECT_EQ(w.health, 8);
    EXPECT_EQ(w.statusEffects.at(0).remaining, 2);
    EXPECT_EQ(Texts("-1 HP"), 2);
    map().turns.currentSide = 2;
    w.TickStatusEffects(4);
    EXPECT_EQ(w.health, 8);
}

TEST_F(SpellStatus, ABurnThatKillsEmptiesTheListOnce)
{
    Wizard& w = Mine();
    w.ChangeHealth(-6);
    w.AddStatusEffect({2, InflictType::Burned, CommandType::Enemy, {}});
    w.AddStatusEffect({2, InflictType::Confused, CommandType::Enemy, {}});
    w.TickStatusEffects(0);
    EXPECT_FALSE(w.Alive());
    EXPECT_TRUE(w.statusEffects.empty());
    EXPECT_EQ(Texts("Burned: -5 HP"), 1);
    EXPECT_EQ(Texts("Confused: -50% Accuracy"), 0);
}

TEST_F(SpellStatus, BurningObjectsLoseFiveAtEveryTurnStart)
{
    Tile* tile = map().TileAt(1, 0);
    ASSERT_TRUE(map().CreateOnTile(*tile, 5, CreateType::Boulder));
    MapObject& boulder = *tile->object;
    const int full = boulder.health;
    boulder.timedEffects.push_back({2, InflictType::Burned, CommandType::Tile, {}});
    boulder.timedEffects.push_back({2, InflictType::Confused, CommandType::Tile, {}});
    map().TickObjectEffects(0);
    EXPECT_EQ(boulder.health, full - 5);
    for (int phase : {1, 2, 3}) map().TickObjectEffects(phase);
    map().turns.currentSide = 2;  // every side's turn start counts
    map().TickObjectEffects(0);
    EXPECT_EQ(boulder.health, full - 10);
    ASSERT_EQ(boulder.timedEffects.size(), 1u);  // the burn is spent, the other never counts down
    EXPECT_EQ(boulder.timedEffects[0].remaining, 2);
    map().TickObjectEffects(0);
    EXPECT_EQ(boulder.health, full - 10);
}

}  // namespace
