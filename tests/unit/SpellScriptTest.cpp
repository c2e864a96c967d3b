// The script parser: headers and command words by substring, bodies up to the first empty line,
// defaults for lines missing their words or numbers, the size cap and the effect summary.
#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "SpellTestSupport.h"
#include "spells/ScriptParser.h"

namespace {

// Bounded numbers write log lines; they go to a scratch trace the tests can read.
class SpellScript : public ::testing::Test {
protected:
    LogCapture log{"spell_script_test_log.txt"};
};

Spell& Parsed(Spell& spell, const std::string& text, int size = 1)
{
    spell.name = "Test";
    spell.size = size;
    ParseSpellScriptText(spell, text);
    return spell;
}

TEST_F(SpellScript, TheWrittenExample)
{
    Spell s;
    Parsed(s, "on enemy\ndamage fire 6\ninflict flaming 2\n\non self\ndamage normal -2\n\ndescription\nHurls fire.\n");
    ASSERT_EQ(s.enemyCommands.size(), 2u);
    EXPECT_EQ(s.enemyCommands[0].kind, CommandKind::Damage);
    EXPECT_EQ(s.enemyCommands[0].number, 6);
    EXPECT_EQ(s.enemyCommands[0].word, static_cast<int>(ElementType::Fire));
    EXPECT_EQ(s.enemyCommands[0].section, CommandType::Enemy);
    EXPECT_EQ(s.enemyCommands[1].kind, CommandKind::Inflict);
    EXPECT_EQ(s.enemyCommands[1].word, static_cast<int>(InflictType::Burned));
    EXPECT_EQ(s.enemyCommands[1].number, 2);
    ASSERT_EQ(s.selfCommands.size(), 1u);
    EXPECT_EQ(s.selfCommands[0].number, -2);
    EXPECT_EQ(s.description, "Hurls fire.\n");
    EXPECT_EQ(s.flavor, "");
    EXPECT_TRUE(s.damagesEnemy);
    EXPECT_TRUE(s.afflictsEnemy);
    EXPECT_TRUE(s.harmsSelf);
    EXPECT_EQ(s.selfDamageTotal, 2);
    EXPECT_EQ(s.enemyDamageTotal, 6);
}

TEST_F(SpellScript, HeadersAreFoundAnywhereInTheLine)
{
    Spell s;
    Parsed(s, "--- on enemy: the target ---\ndamage fire 3\n\n# on tile, too\ndamage fire 1\n");
    EXPECT_EQ(s.enemyCommands.size(), 1u);
    EXPECT_EQ(s.tileCommands.size(), 1u);
    Spell first;
    Parsed(first, "on self on enemy\ndamage fire 3\n");  // "on self" is tried first
    EXPECT_EQ(first.selfCommands.size(), 1u);
    EXPECT_TRUE(first.enemyCommands.empty());
}

TEST_F(SpellScript, AHeaderWithoutAnEmptyLineBeforeItIsABodyLine)
{
    Spell s;
    Parsed(s, "on enemy\ndamage fire 3\non self\ndamage fire 2\ncleanse\n");
    EXPECT_TRUE(s.selfCommands.empty());
    ASSERT_EQ(s.enemyCommands.size(), 2u);  // "cleanse" is not an enemy word
    EXPECT_EQ(s.enemyCommands[1].number, 2);
}

TEST_F(SpellScript, BlankLinesContinueABodyAndCrLfEndsLines)
{
    Spell s;
    Parsed(s, "on enemy\r\ndamage fire 3\r\n   \r\ndamage fire 4\r\n\r\ndamage fire 9\r\n");
    ASSERT_EQ(s.enemyCommands.size(), 2u);
    EXPECT_EQ(s.enemyCommands[1].number, 4);
}

TEST_F(SpellScript, TextSectionsKeepTheirLinesAndTheLastWins)
{
    Spell s;
    Parsed(s, "description\nfirst\n\ndescription\nLine one\nLine two\n\nflavor\n\non enemy\n");
    EXPECT_EQ(s.description, "Line one\nLine two\n");
    EXPECT_EQ(s.flavor, "");
    Spell t;
    Parsed(t, "flavor\nLast words");  // no final line end
    EXPECT_EQ(t.flavor, "Last words\n");
}

TEST_F(SpellScript, WordsPerSection)
{
    Spell s;
    Parsed(s, "on enemy\ncleanse\ncreate boulder 2\n\non self\ncreate boulder 2\ncleanse\n\non tile\ncleanse\n"
              "create boulder 2\n\non ally\ncleanse\n");
    EXPECT_TRUE(s.enemyCommands.empty());
    ASSERT_EQ(s.selfCommands.size(), 1u);
    EXPECT_EQ(s.selfCommands[0].kind, CommandKind::Cleanse);
    ASSERT_EQ(s.tileCommands.size(), 1u);
    EXPECT_EQ(s.tileCommands[0].kind, CommandKind::Create);
    EXPECT_EQ(s.allyCommands.size(), 1u);
    EXPECT_TRUE(s.changesSelfStatus);
    EXPECT_TRUE(s.changesAllyStatus);
    // "damage" is tried before "inflict": a line holding both is a damage line.
    Spell t;
    Parsed(t, "on enemy\ninflict damage 4\n");
    EXPECT_EQ(t.enemyCommands.at(0).kind, CommandKind::Damage);
    EXPECT_EQ(t.enemyCommands.at(0).number, 4);
}

struct LineCase {
    const char* line;
    CommandKind kind;
    int word;
    int number;
};

TEST_F(SpellScript, DamagedLinesGiveDefaultsAndNeverThrow)
{
    const LineCase cases[] = {
        {"damage", CommandKind::Damage, 0, 0},
        {"damage fire", CommandKind::Damage, 1, 0},
        {"damage fire six", CommandKind::Damage, 1, 0},
        {"damage fire 6.5", CommandKind::Damage, 1, 0},
        {"damage fire 99999999999", CommandKind::Damage, 1, 999},
        {"damage fire -99999999999", CommandKind::Damage, 1, -999},
        {"damage fire +7", CommandKind::Damage, 1, 7},
        {"damage fire -", CommandKind::Damage, 1, 0},
        {"damage\tfire\t3\t", CommandKind::Damage, 1, 3},
        {"damage Fire 3", CommandKind::Damage, 0, 3},
        {"inflict", CommandKind::Inflict, 0, 0},
        {"inflict frostbite 2", CommandKind::Inflict, 4, 2},
        {"inflict blinded 2", CommandKind::Inflict, 5, 2},
        {"inflict sleepy 2", CommandKind::Inflict, 0, 2},
        {"inflict flaming -3", CommandKind::Inflict, 1, 0},
        {"create boulder", CommandKind::Create, 1, 1},
        {"create hot_coal 3", CommandKind::Create, 7, 3},
        {"create", CommandKind::Create, 0, 1},
        {"reroll", CommandKind::Reroll, 0, 0},
        {"reroll 50", CommandKind::Reroll, 0, 50},
        {"reroll 5000", CommandKind::Reroll, 0, 999},
    };
    for (const LineCase& c : cases) {
        Spell s;
        Parsed(s, std::string("on tile\n") + c.line + "\r\n");
        ASSERT_EQ(s.tileCommands.size(), 1u) << c.line;
        EXPECT_EQ(s.tileCommands[0].kind, c.kind) << c.line;
        EXPECT_EQ(s.tileCommands[0].word, c.word) << c.line;
        EXPECT_EQ(s.tileCommands[0].number, c.number) << c.line;
    }
}

TEST_F(SpellScript, TokenOneIsTakenAsTheCommandWord)
{
    // The word is found anywhere, but arguments are counted from the line's first token.
    Spell s;
    Parsed(s, "on enemy\nplease damage fire 3\n");
    ASSERT_EQ(s.enemyCommands.size(), 1u);
    EXPECT_EQ(s.enemyCommands[0].word, 0);  // "damage" read as the element word
    EXPECT_EQ(s.enemyCommands[0].number, 0);
}

TEST_F(SpellScript, SummaryFlagsAndTotals)
{
    Spell s;
    Parsed(s,
           "on self\ndamage fire 4\ndamage fire -4\ninflict confused 1\n\non enemy\ndamage fire 0\ndamage fire 5\n\n"
           "on ally\ndamage water 2\ndamage water -1\n\non tile\ncreate boulder 2\ncreate caltrop 2\n"
           "create fire_tile 1\n",
           2);
    EXPECT_TRUE(s.healsSelf);
    EXPECT_TRUE(s.harmsSelf);
    EXPECT_TRUE(s.changesSelfStatus);
    EXPECT_TRUE(s.healsEnemy);  // an amount below 1 on an enemy
    EXPECT_TRUE(s.damagesEnemy);
    EXPECT_TRUE(s.healsAlly);
    EXPECT_TRUE(s.harmsAlly);
    EXPECT_FALSE(s.changesAllyStatus);
    EXPECT_FALSE(s.afflictsEnemy);
    EXPECT_TRUE(s.createsObjects);
    EXPECT_TRUE(s.createsObstacle);
    EXPECT_TRUE(s.createsHazard);
    EXPECT_TRUE(s.createsBoon);
    EXPECT_EQ(s.selfDamageTotal, 4);
    EXPECT_EQ(s.enemyDamageTotal, 5);
    EXPECT_EQ(s.createArea, 5);
}

TEST_F(SpellScript, NothingCreatedLeavesTheCreationFlagsDown)
{
    Spell s;
    Parsed(s, "on tile\ncreate sandcastle 2\n\non enemy\ninflict petrified 1\n");
    EXPECT_TRUE(s.createsObjects);  // a create line, whatever its kind
    EXPECT_FALSE(s.createsObstacle || s.createsHazard || s.createsBoon);
    EXPECT_TRUE(s.afflictsEnemy);
}

TEST_F(SpellScript, NotesForTheDataCheck)
{
    Spell s;
    std::vector<std::string> notes;
    s.name = "T";
    ParseSpellScriptText(s, "on enemy\nburn it all\ndamage fire x\n", &notes);
    EXPECT_EQ(notes.size(), 2u);
}

TEST_F(SpellScript, FilesMissingRefusedOrTooLarge)
{
    SpellFolder folder;
    Spell s;
    EXPECT_FALSE(ParseSpellScript(s, "Nothing", folder.Path()));
    EXPECT_TRUE(log.Has("Spell could not open script " + folder.Path() + "Scripts/Nothing.txt"));
    EXPECT_EQ(s.description, "ERROR");

    std::string body = "on enemy\ndamage fire 1\n\n";
    std::string exact = body + std::string(kMaxScriptBytes - body.size(), 'x');
    folder.Script("Exact", exact);
    folder.Script("Over", exact + "x");
    Spell fits, over;
    EXPECT_TRUE(ParseSpellScript(fits, "Exact", folder.Path()));
    EXPECT_EQ(fits.enemyCommands.size(), 1u);
    EXPECT_FALSE(ParseSpellScript(over, "Over", folder.Path()));
    EXPECT_FALSE(over.HasAnyCommand());
    EXPECT_TRUE(log.Has("!!! - Spell script too large: " + folder.Path() + "Scripts/Over.txt"));
}

TEST_F(SpellScript, ManyHugeLinesStayBounded)
{
    std::string text = "on enemy\n";
    while (text.size() < kMaxScriptBytes - 40) text += "damage fire 2000000000\n";
    Spell s;
    Parsed(s, text);
    EXPECT_GT(s.enemyDamageTotal, 0);
    EXPECT_EQ(s.enemyDamageTotal, static_cast<int>(s.enemyCommands.size()) * 999);
}

}  // namespace
