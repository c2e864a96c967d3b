// `--check-data` for spells: the shipped content passes, and each kind of authoring slip is named.
#include <algorithm>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "SpellTestSupport.h"
#include "spells/SpellBook.h"
#include "spells/SpellDataCheck.h"

namespace {

bool Mentions(const std::vector<std::string>& problems, const std::string& text)
{
    return std::any_of(problems.begin(), problems.end(), [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

TEST(SpellDataCheck, ShippedSpellsAreInOrder)
{
    std::vector<std::string> problems;
    spellcheck::CheckSpells(kSpellFolder, spellcheck::ReadKnownNames(), problems);
    for (const std::string& p : problems) ADD_FAILURE() << p;
}

TEST(SpellDataCheck, ShippedBookHoldsEveryListedSpell)
{
    SpellBook book;
    for (int e = 0; e < kElementCount; ++e) ASSERT_TRUE(book.AddListFile(static_cast<ElementType>(e)).ok());
    EXPECT_GE(book.Count(), 30);
    EXPECT_NE(book.Get(ElementType::Normal, "Cantrip"), nullptr);
    EXPECT_NE(book.Get(ElementType::Fire, "Fireball"), nullptr);
    // Together the scripts use every command, effect, kind and section.
    bool sections[4] = {}, inflicts[6] = {}, creates[8] = {}, kinds[5] = {};
    for (const Spell* spell : book.All()) {
        EXPECT_NE(spell->description, "ERROR") << spell->name;
        EXPECT_FALSE(spell->flavor.empty()) << spell->name;
        for (int k = 0; k < 4; ++k) {
            for (const SpellCommand& c : spell->Commands(static_cast<CommandType>(k))) {
                sections[k] = true;
                kinds[static_cast<int>(c.kind)] = true;
                if (c.kind == CommandKind::Inflict) inflicts[c.word] = true;
                if (c.kind == CommandKind::Create) creates[c.word] = true;
            }
        }
    }
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(sections[k]) << "section " << k;
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(kinds[k]) << "command " << k;
    for (int k = 1; k < 6; ++k) EXPECT_TRUE(inflicts[k]) << "inflict " << k;
    for (int k = 1; k < 8; ++k) EXPECT_TRUE(creates[k]) << "create " << k;
}

class SpellDataCheckFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        known.textures = {"Projectile_Fire"};
        known.trailEffects = {"Cast_Fire"};
        known.hitEffects = {"Hit_Fire"};
        known.sounds = {"FireCast", "FireHit"};
        folder.Write("SpellList_Normal.json", R"({"spell_name": ["Cantrip", "Fireball"]})");
        folder.Write("SpellList_Fire.json", R"({"spell_name": ["Fireball", 3, "Nowhere", "../x"]})");
        folder.Write("SpellList_Water.json", "{");
        folder.Write("SpellList_Earth.json", R"({"spells": []})");
        folder.Definition("Cantrip", R"({"name": "Cantrip", "element": "normal", "cost": 0, "range": 3, "size": 1,
            "hit chance": 2.5, "script": "Cantrip", "spell_sprite": "Projectile_Normal", "use_element_color": false,
            "spinning": false, "trail_effect": "Cast_Fire", "hit_effect": "Hit_Fire", "cast_sound": "FireCast",
            "hit_sound": "Boom"})");
        folder.Script("Cantrip", "on enemy\ndamage fire 2\nburn them\n\non tile\ncreate boulder 1\ncreate caltrop 12\n\n"
                                 "on self\ndamage normal 1\n\ndescription\nText.\n");
        folder.Definition("Fireball", R"({"name": "Fire_Ball", "element": "fire", "script": "Fireball"})");
    }
    SpellFolder folder;
    spellcheck::KnownNames known;
    LogCapture log{"spell_data_check_test_log.txt"};
};

TEST_F(SpellDataCheckFixture, NamesEachSlip)
{
    std::vector<std::string> problems;
    spellcheck::CheckSpells(folder.Path(), known, problems);
    EXPECT_TRUE(Mentions(problems, "SpellList_Water.json"));
    EXPECT_TRUE(Mentions(problems, "SpellList_Earth.json: no \"spell_name\" array"));
    EXPECT_TRUE(Mentions(problems, "SpellList_Wind.json"));  // missing
    EXPECT_TRUE(Mentions(problems, "SpellList_Fire.json: Fireball is listed again"));
    EXPECT_TRUE(Mentions(problems, "an entry of \"spell_name\" is not a string"));
    EXPECT_TRUE(Mentions(problems, "invalid spell name \"../x\""));
    EXPECT_TRUE(Mentions(problems, "Objects/Nowhere.json"));
    EXPECT_TRUE(Mentions(problems, "SpellList_Fire.json: 3 spells besides Cantrip, at least 4 wanted"));
    EXPECT_TRUE(Mentions(problems, "SpellList_Wind.json"));
    EXPECT_TRUE(Mentions(problems, "Objects/Cantrip.json: \"cost\" 0 outside 1..99"));
    EXPECT_TRUE(Mentions(problems, "Objects/Cantrip.json: \"hit chance\" has the wrong type"));
    EXPECT_TRUE(Mentions(problems, "\"spell_sprite\" names \"Projectile_Normal\""));
    EXPECT_TRUE(Mentions(problems, "\"hit_sound\" names \"Boom\""));
    EXPECT_TRUE(Mentions(problems, "Scripts/Cantrip.txt: line matches no command"));
    EXPECT_TRUE(Mentions(problems, "Scripts/Cantrip.txt: a damage line names another element"));
    EXPECT_TRUE(Mentions(problems, "Scripts/Cantrip.txt: no \"flavor\" text"));
    EXPECT_TRUE(Mentions(problems, "warning: self lines"));
    EXPECT_TRUE(Mentions(problems, "Scripts/Cantrip.txt: a create line's lifetime 12 is outside 1..10"));
    EXPECT_FALSE(Mentions(problems, "lifetime 1 is outside")) << "a boulder lasting a round is fine";
    EXPECT_TRUE(Mentions(problems, "Objects/Fireball.json: missing \"cost\""));
    EXPECT_TRUE(Mentions(problems, "\"name\" is \"Fire_Ball\", expected \"Fireball\""));
    EXPECT_TRUE(Mentions(problems, "element \"fire\" does not match SpellList_Normal.json"));
    EXPECT_TRUE(Mentions(problems, "Scripts/Fireball.txt: missing"));
}

}  // namespace
