// Damaged spell definitions and scripts: none may crash, throw, let a number out of its bounds or
// file a definition that failed to load.
#include <gtest/gtest.h>

#include "FuzzSupport.h"
#include "RenderTestSupport.h"
#include "SpellTestSupport.h"
#include "spells/ScriptParser.h"
#include "spells/SpellBook.h"
#include "spells/SpellLimits.h"

namespace {

namespace fs = std::filesystem;

bool Within(std::int32_t value, spelllimits::Bounds b)
{
    return value >= b.lo && value <= b.hi;
}

void ExpectCommandsBounded(const Spell& spell)
{
    for (int k = 0; k < 4; ++k) {
        for (const SpellCommand& c : spell.Commands(static_cast<CommandType>(k))) {
            EXPECT_EQ(c.section, static_cast<CommandType>(k));
            switch (c.kind) {
            case CommandKind::Damage: EXPECT_TRUE(Within(c.number, spelllimits::kAmount)); break;
            case CommandKind::Inflict: EXPECT_TRUE(Within(c.number, spelllimits::kDuration)); break;
            case CommandKind::Create: EXPECT_TRUE(Within(c.number, spelllimits::kLifetime)); break;
            case CommandKind::Reroll: EXPECT_TRUE(Within(c.number, spelllimits::kRerollNeeded)); break;
            case CommandKind::Cleanse: EXPECT_EQ(c.number, 0); break;
            }
            EXPECT_GE(c.word, 0);
            EXPECT_LE(c.word, 7);
        }
    }
}

void ExpectBounded(const Spell& spell)
{
    EXPECT_TRUE(Within(spell.cost, spelllimits::kCost)) << spell.cost;
    EXPECT_TRUE(Within(spell.range, spelllimits::kRange)) << spell.range;
    EXPECT_TRUE(Within(spell.size, spelllimits::kSize)) << spell.size;
    EXPECT_TRUE(Within(spell.hitChance, spelllimits::kHitChance)) << spell.hitChance;
    ExpectCommandsBounded(spell);
}

class SpellFuzz : public ::testing::Test {
protected:
    SpellFolder folder;
    // The trace goes to a scratch file: thousands of clamp lines are expected here.
    LogCapture log{"spell_fuzz_test_log.txt"};
    const fs::path shipped = fs::path(SOURCE_DATA_DIR) / "Spells";
};

TEST_F(SpellFuzz, DamagedDefinitions)
{
    folder.Script("Fireball", fuzz::ReadFile(shipped / "Scripts" / "Fireball.txt"));
    int filed = 0, refused = 0, round = 0;
    fuzz::FuzzFiles(fuzz::FilesIn(shipped / "Objects"), [&](const std::string& text) {
        // Most rounds read the damaged text in memory; every thirtieth goes through a file and the book.
        if (++round % 30 != 0) {
            json::Document doc;
            Spell spell;
            if (json::ParseText(text, doc).ok() && ReadSpellDefinition(spell, doc, "Fuzz", folder.Path())) {
                EXPECT_TRUE(IsValidSpellName(spell.name));
                ExpectBounded(spell);
            }
            return;
        }
        folder.Definition("Fuzz", text);
        SpellBook book(folder.Path());
        const Spell* spell = book.Add("Fuzz");
        if (!spell) {
            ++refused;
            EXPECT_EQ(book.Count(), 0);
            return;
        }
        ++filed;
        EXPECT_NE(spell->name, "ERROR");
        EXPECT_EQ(book.Find(spell->name), spell);
        ExpectBounded(*spell);
    });
    // Both outcomes must really occur, or the damage was too gentle or too harsh to test anything.
    EXPECT_GT(filed, 50);
    EXPECT_GT(refused, 50);
}

TEST_F(SpellFuzz, DamagedScripts)
{
    int commands = 0;
    fuzz::FuzzFiles(fuzz::FilesIn(shipped / "Scripts", ".txt"), [&](const std::string& text) {
        Spell spell;
        spell.name = "Fuzz";
        spell.size = 2;
        std::vector<std::string> notes;
        ParseSpellScriptText(spell, text, &notes);
        ExpectCommandsBounded(spell);
        commands += static_cast<int>(spell.selfCommands.size() + spell.enemyCommands.size() +
                                     spell.allyCommands.size() + spell.tileCommands.size());
        if (spell.createsObjects) {
            EXPECT_EQ(spell.createArea, 5);
        }
    });
    EXPECT_GT(commands, 5000);
}

TEST_F(SpellFuzz, ScriptsAtTheSizeCap)
{
    std::string text = fuzz::ReadFile(shipped / "Scripts" / "Chain_Lightning.txt");
    fuzz::Mutator mutate(7);
    for (int round = 0; round < 20; ++round) {
        std::string big = mutate(text);
        while (big.size() < kMaxScriptBytes) big += mutate(text);
        for (std::size_t size : {kMaxScriptBytes, kMaxScriptBytes + 1}) {
            folder.Script("Big", big.substr(0, size));
            Spell spell;
            spell.name = "Big";
            EXPECT_EQ(ParseSpellScript(spell, "Big", folder.Path()), size == kMaxScriptBytes);
            ExpectCommandsBounded(spell);
        }
    }
}

}  // namespace
