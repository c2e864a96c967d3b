// What the preview promises before the click: hit chance, damage or healing with the tile bonus,
// statuses and the health left, from the same rules the resolution applies.
#include <gtest/gtest.h>

#include "battle/MapObject.h"
#include "battle/OutcomePreview.h"
#include "battle/Tile.h"
#include "battle/Wizard.h"
#include "spells/Spell.h"

namespace {
SpellCommand Line(CommandKind kind, int number, int word, CommandType section)
{
    SpellCommand command;
    command.kind = kind;
    command.number = number;
    command.word = word;
    command.section = section;
    return command;
}

struct Scene {
    Tile casterTile, targetTile;
    Wizard caster{0, 0, 20, 1};
    Wizard target{3, 0, 20, 2};
    Spell spell;
    Scene()
    {
        casterTile.biome = "Grass_Tile";
        caster.tile = &casterTile;
        casterTile.wizard = &caster;
        target.tile = &targetTile;
        targetTile.wizard = &target;
        targetTile.SetTint(Tile::kTintRed);
        spell.element = ElementType::Fire;
        spell.hitChance = 90;
        spell.enemyCommands = {Line(CommandKind::Damage, 5, 1, CommandType::Enemy),
                               Line(CommandKind::Inflict, 2, 1, CommandType::Enemy)};
    }
};
}  // namespace

TEST(OutcomePreview, EnemyDamageStatusAndHealthLeft)
{
    Scene s;
    OutcomePreview p = PreviewCast(s.spell, s.caster, s.targetTile);
    ASSERT_TRUE(p.valid);
    EXPECT_EQ(p.kind, CommandType::Enemy);
    EXPECT_EQ(p.hitChance, 90);
    EXPECT_FALSE(p.tileBonus);
    EXPECT_EQ(p.targetChange, -5);
    EXPECT_EQ(p.statuses, (std::vector<std::string>{"Burned"}));
    EXPECT_EQ(p.healthBefore, 20);
    EXPECT_EQ(p.healthAfter, 15);
    std::vector<std::string> lines = p.Lines();
    EXPECT_EQ(lines.front(), "Hit chance: 90%");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Damage: 5"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Health: 20 -> 15"), lines.end());
}

TEST(OutcomePreview, TileBonusRoundsUpAndConfusionHalvesTheChance)
{
    Scene s;
    s.casterTile.biome = "Aether_Tile";
    s.caster.statusEffects.push_back(StatusEffect{2, InflictType::Confused, CommandType::Enemy, ""});
    s.spell.hitChance = 99;
    OutcomePreview p = PreviewCast(s.spell, s.caster, s.targetTile);
    EXPECT_TRUE(p.tileBonus);
    EXPECT_EQ(p.targetChange, -8);  // ceiling(5 x 1.5)
    EXPECT_EQ(p.hitChance, 49);
    // A normal spell never has the bonus, whatever the tile.
    s.spell.element = ElementType::Normal;
    EXPECT_EQ(PreviewCast(s.spell, s.caster, s.targetTile).targetChange, -5);
}

TEST(OutcomePreview, HealingOnAnAllyStopsAtItsMaximumAndSelfLinesHitTheCaster)
{
    Scene s;
    s.target.side = 1;
    s.target.health = 18;
    s.spell.enemyCommands.clear();
    s.spell.allyCommands = {Line(CommandKind::Damage, 6, 0, CommandType::Ally)};
    s.spell.selfCommands = {Line(CommandKind::Damage, -2, 0, CommandType::Self)};
    OutcomePreview p = PreviewCast(s.spell, s.caster, s.targetTile);
    EXPECT_EQ(p.kind, CommandType::Ally);
    EXPECT_EQ(p.targetChange, 6);
    EXPECT_EQ(p.healthAfter, 20);
    EXPECT_EQ(p.casterChange, -2);
}

TEST(OutcomePreview, OwnTileIsSelfWhenTheSpellHasSelfLines)
{
    Scene s;
    s.casterTile.SetTint(Tile::kTintRed);
    s.caster.health = 10;
    s.spell.selfCommands = {Line(CommandKind::Damage, 4, 0, CommandType::Self), Line(CommandKind::Cleanse, 0, 0, CommandType::Self)};
    s.caster.statusEffects.push_back(StatusEffect{1, InflictType::Burned, CommandType::Enemy, ""});
    OutcomePreview p = PreviewCast(s.spell, s.caster, s.casterTile);
    EXPECT_EQ(p.kind, CommandType::Self);
    EXPECT_EQ(p.targetChange, 4);
    EXPECT_TRUE(p.cleanses);
    EXPECT_EQ(p.healthAfter, 17);  // 10 + 4 + 3 for the one status cleansed
}

TEST(OutcomePreview, UnmarkedOrInRangeOnlyTilesPreviewNothing)
{
    Scene s;
    s.targetTile.SetTint(Tile::kTintInRange);
    EXPECT_FALSE(PreviewCast(s.spell, s.caster, s.targetTile).valid);
    s.targetTile.ClearMarks();
    EXPECT_FALSE(PreviewCast(s.spell, s.caster, s.targetTile).valid);
    EXPECT_TRUE(PreviewCast(s.spell, s.caster, s.targetTile).Lines().empty());
}

TEST(OutcomePreview, ObjectsOnATileLoseHealth)
{
    Scene s;
    MapObject boulder;
    boulder.kind = "Boulder";
    boulder.SetHealth(15);
    Tile rock;
    rock.object = &boulder;
    rock.SetTint(Tile::kTintRed);
    s.spell.tileCommands = {Line(CommandKind::Damage, 4, 3, CommandType::Tile), Line(CommandKind::Reroll, 50, 0, CommandType::Tile)};
    OutcomePreview p = PreviewCast(s.spell, s.caster, rock);
    EXPECT_EQ(p.kind, CommandType::Tile);
    EXPECT_EQ(p.healthAfter, 11);
    EXPECT_TRUE(p.mayBackOut);
}
