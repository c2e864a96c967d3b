// Spell definitions and the spell book: defaults for missing or wrongly typed keys, bounded
// numbers, refused names, failed definitions never filed, list rules and the random draw.
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "SpellTestSupport.h"
#include "engine/Random.h"
#include "spells/SpellBook.h"

namespace {

// The four numbers and the two projectile flags in one line each test can read.
void ExpectNumbers(const Spell& s, int cost, int range, int size, int hit, bool tint, bool spin)
{
    EXPECT_EQ(s.cost, cost);
    EXPECT_EQ(s.range, range);
    EXPECT_EQ(s.size, size);
    EXPECT_EQ(s.hitChance, hit);
    EXPECT_EQ(s.useElementColor, tint);
    EXPECT_EQ(s.spinning, spin);
}

TEST(SpellDefinition, OnlyNameAndScriptGiveTheNinetyNines)
{
    SpellFolder folder;
    folder.Definition("Bare", R"({"name": "Bare", "script": "Bare"})");
    folder.Script("Bare", "on enemy\ndamage normal 2\n");
    Spell spell;
    ASSERT_TRUE(LoadSpellDefinition(spell, "Bare", folder.Path()));
    EXPECT_EQ(spell.name, "Bare");
    EXPECT_EQ(spell.element, ElementType::Normal);
    ExpectNumbers(spell, 99, 99, 99, 99, true, false);
    EXPECT_EQ(spell.enemyCommands.size(), 1u);
    EXPECT_EQ(spell.description, "ERROR");  // the script has no description section
}

TEST(SpellDefinition, WrongTypesGiveTheFallbacks)
{
    SpellFolder folder;
    folder.Definition("Odd", R"({"name": "Odd", "element": "Fire", "cost": 2.0, "range": "3", "size": true,
        "hit chance": null, "use_element_color": 0, "spinning": "yes", "spell_sprite": 5, "hit_sound": "FireHit"})");
    Spell spell;
    ASSERT_TRUE(LoadSpellDefinition(spell, "Odd", folder.Path()));
    EXPECT_EQ(spell.element, ElementType::Normal);  // words compare exactly
    ExpectNumbers(spell, 99, 99, 99, 99, true, false);
    EXPECT_EQ(spell.spellSprite, "");
    EXPECT_EQ(spell.hitSound, "FireHit");
    EXPECT_FALSE(spell.HasAnyCommand());
}

TEST(SpellDefinition, AllKeysAreRead)
{
    SpellFolder folder;
    folder.Definition("Full", R"({"name": "Full", "element": "wind", "cost": 3, "range": 5, "size": 2,
        "hit chance": 75, "script": "Full", "spell_sprite": "Projectile_Wind", "use_element_color": false,
        "spinning": true, "trail_effect": "Cast_Wind", "hit_effect": "Hit_Wind", "cast_sound": "WindCast",
        "hit_sound": "WindHit"})");
    folder.Script("Full", "on enemy\ndamage wind 4\n");
    Spell spell;
    ASSERT_TRUE(LoadSpellDefinition(spell, "Full", folder.Path()));
    EXPECT_EQ(spell.element, ElementType::Wind);
    ExpectNumbers(spell, 3, 5, 2, 75, false, true);
    EXPECT_EQ(spell.spellSprite, "Projectile_Wind");
    EXPECT_EQ(spell.trailEffect, "Cast_Wind");
    EXPECT_EQ(spell.hitEffect, "Hit_Wind");
    EXPECT_EQ(spell.castSound, "WindCast");
    EXPECT_EQ(spell.hitSound, "WindHit");
    EXPECT_EQ(spell.enemyDamageTotal, 4);
}

TEST(SpellDefinition, NumbersOutOfBoundsAreHeldWithOneLineEach)
{
    LogCapture log("spell_definition_test_log.txt");
    SpellFolder folder;
    folder.Definition("Wild", R"({"name": "Wild", "cost": 0, "range": -4, "size": 1000000000, "hit chance": 250,
        "script": "Wild"})");
    folder.Script("Wild", "on tile\ncreate caltrop 0\n\non enemy\ndamage fire 5000\n");
    Spell spell;
    ASSERT_TRUE(LoadSpellDefinition(spell, "Wild", folder.Path()));
    EXPECT_EQ(spell.cost, 1);
    EXPECT_EQ(spell.range, 0);
    EXPECT_EQ(spell.size, 99);
    EXPECT_EQ(spell.hitChance, 100);
    EXPECT_EQ(spell.tileCommands.at(0).number, 1);
    EXPECT_EQ(spell.enemyCommands.at(0).number, 999);
    EXPECT_EQ(spell.createArea, 4 * 99 - 3);
    EXPECT_EQ(log.Count("! - Spell Wild: "), 6);
    EXPECT_TRUE(log.Has("! - Spell Wild: cost 0 is out of range, using 1"));
}

TEST(SpellDefinition, FailuresAreLoggedAndRefused)
{
    LogCapture log("spell_definition_test_log.txt");
    SpellFolder folder;
    folder.Definition("Broken", "{\"name\": \"Broken\", ");
    folder.Definition("Nameless", R"({"element": "fire"})");
    Spell a, b, c;
    EXPECT_FALSE(LoadSpellDefinition(a, "Missing", folder.Path()));
    EXPECT_TRUE(log.Has("!!! - Spell Could Not Find json File: " + folder.Path() + "Objects/Missing.json"));
    EXPECT_FALSE(LoadSpellDefinition(b, "Broken", folder.Path()));
    EXPECT_TRUE(log.Has("!!! - Spell Could Not Parse json File "));
    EXPECT_FALSE(LoadSpellDefinition(c, "Nameless", folder.Path()));
    EXPECT_TRUE(log.Has("!!! - Spell definition has no name: "));
}

TEST(SpellDefinition, NamesThatCouldLeaveTheFolderAreRefused)
{
    for (const char* bad : {"../x", "a/b", "a\\b", "", "F\xc3\xafre", "x.json"}) EXPECT_FALSE(IsValidSpellName(bad)) << bad;
    for (const char* good : {"Stone Wall", "Ice_Lance-2", "Cantrip"}) EXPECT_TRUE(IsValidSpellName(good)) << good;
    EXPECT_FALSE(IsValidSpellName(std::string(65, 'a')));

    LogCapture log("spell_definition_test_log.txt");
    SpellFolder folder;
    folder.Definition("Sneaky", R"({"name": "Sneaky", "script": "../Objects/Sneaky"})");
    Spell spell;
    EXPECT_TRUE(LoadSpellDefinition(spell, "Sneaky", folder.Path()));
    EXPECT_FALSE(spell.HasAnyCommand());
    EXPECT_TRUE(log.Has("!!! - Spell name refused: ../Objects/Sneaky"));
    Spell other;
    EXPECT_FALSE(LoadSpellDefinition(other, "../../Profile", folder.Path()));
}

TEST(SpellDefinition, HandCountSkipsCantrip)
{
    Spell cantrip, a, b;
    cantrip.name = "Cantrip";
    a.name = "A";
    b.name = "B";
    EXPECT_EQ(CountHeldSpells({&cantrip, &a, &b}), 2);
    EXPECT_EQ(CountHeldSpells({&cantrip}), 0);
}

class SpellBookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Simple("Cantrip", "normal", 1, 3, 1, 90, "on enemy\ndamage normal 2\n");
        folder.Simple("Blaze", "fire", 2, 4, 1, 85, "on enemy\ndamage fire 5\n");
        folder.Simple("Arc", "fire", 2, 4, 1, 85, "on enemy\ndamage fire 3\n");
        folder.Simple("Zap", "fire", 2, 4, 1, 85, "on enemy\ndamage fire 4\n");
    }
    SpellFolder folder;
};

TEST_F(SpellBookTest, ListAddsStringsAndSkipsTheRest)
{
    SpellBook book(folder.Path());
    json::Document doc;
    ASSERT_TRUE(json::ParseText(R"({"spell_name": ["Cantrip", 5, "Blaze"]})", doc).ok());
    EXPECT_EQ(book.AddList(doc), 2);
    EXPECT_EQ(book.Count(), 2);
    EXPECT_NE(book.Get(ElementType::Normal, "Cantrip"), nullptr);
    EXPECT_NE(book.Get(ElementType::Fire, "Blaze"), nullptr);
    EXPECT_EQ(book.Get(ElementType::Normal, "Blaze"), nullptr);

    SpellBook other(folder.Path());
    ASSERT_TRUE(json::ParseText(R"({"spells": ["Cantrip"]})", doc).ok());
    EXPECT_EQ(other.AddList(doc), 0);
    ASSERT_TRUE(json::ParseText(R"({"spell_name": "Cantrip"})", doc).ok());
    EXPECT_EQ(other.AddList(doc), 0);
    ASSERT_TRUE(json::ParseText(R"([1, 2])", doc).ok());
    EXPECT_EQ(other.AddList(doc), 0);
}

TEST_F(SpellBookTest, ListFileByElement)
{
    folder.Write("SpellList_Fire.json", R"({"spell_name": ["Blaze", "Zap"]})");
    SpellBook book(folder.Path());
    EXPECT_EQ(book.ListPath(ElementType::Fire), folder.Path() + "SpellList_Fire.json");
    EXPECT_TRUE(book.AddListFile(ElementType::Fire).ok());
    EXPECT_EQ(book.Count(), 2);
    EXPECT_EQ(book.AddListFile(ElementType::Water).status, json::Status::NotFound);
}

TEST_F(SpellBookTest, FailedDefinitionsAreNeverFiled)
{
    LogCapture log("spell_definition_test_log.txt");
    folder.Definition("Broken", "{");
    SpellBook book(folder.Path());
    json::Document doc;
    ASSERT_TRUE(json::ParseText(R"({"spell_name": ["Nowhere", "Broken", "Cantrip"]})", doc).ok());
    EXPECT_EQ(book.AddList(doc), 1);
    EXPECT_EQ(book.Count(), 1);
    EXPECT_EQ(book.Find("ERROR"), nullptr);
    EXPECT_EQ(book.Random(ElementType::Normal), nullptr);
}

TEST_F(SpellBookTest, RandomNeverDrawsCantripAndFollowsNameOrder)
{
    SpellBook book(folder.Path());
    for (const char* name : {"Cantrip", "Zap", "Blaze", "Arc"}) ASSERT_NE(book.Add(name), nullptr);
    std::vector<const Spell*> fire = book.Spells(ElementType::Fire);
    ASSERT_EQ(fire.size(), 3u);
    EXPECT_EQ(fire[0]->name, "Arc");
    EXPECT_EQ(fire[1]->name, "Blaze");
    EXPECT_EQ(fire[2]->name, "Zap");
    for (unsigned seed = 1; seed < 40; ++seed) {
        SeedRandom(seed);
        const std::uint32_t draw = RandomU32();
        SeedRandom(seed);
        const Spell* drawn = book.Random(ElementType::Fire);
        ASSERT_NE(drawn, nullptr);
        EXPECT_EQ(drawn, fire[draw % 3]);
    }
    EXPECT_EQ(book.Random(ElementType::Normal), nullptr);  // only "Cantrip"
    EXPECT_EQ(book.Random(ElementType::Water), nullptr);
}

TEST_F(SpellBookTest, ReplacementKeepsOldPointersAliveAndNamesStayUnique)
{
    LogCapture log("spell_definition_test_log.txt");
    SpellBook book(folder.Path());
    const Spell* first = book.Add("Blaze");
    ASSERT_NE(first, nullptr);
    const Spell* second = book.Add("Blaze");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(book.Get(ElementType::Fire, "Blaze"), second);
    EXPECT_EQ(first->name, "Blaze");  // still readable: hands holding it do not dangle
    EXPECT_EQ(book.Count(), 1);

    folder.Simple("Blaze2", "water", 1, 1, 1, 50, "");
    folder.Definition("Blaze2", R"({"name": "Blaze", "element": "water", "script": "Blaze2"})");
    EXPECT_EQ(book.Add("Blaze2"), nullptr);
    EXPECT_EQ(book.Count(), 1);
    EXPECT_EQ(log.Count("already holds Blaze under another element"), 1);
}

TEST_F(SpellBookTest, BackedOutIsSharedThroughEveryHolder)
{
    SpellBook book(folder.Path());
    const Spell* handA = book.Add("Blaze");
    const Spell* handB = book.Get(ElementType::Fire, "Blaze");
    *handA->backedOut = true;
    EXPECT_TRUE(*handB->backedOut);
}

}  // namespace
