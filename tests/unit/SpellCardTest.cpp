#include <cmath>

#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "render/Text.h"
#include "spells/Spell.h"
#include "spells/SpellBook.h"
#include "spells/SpellCard.h"
#include "spells/SpellHand.h"
#include "ui/Arrow.h"
#include "ui/HudLayout.h"

namespace {

CardSpell Fireball()
{
    CardSpell spell;
    spell.name = "Fireball";
    spell.description = "Hurls a ball of flame.";
    spell.element = 1;
    spell.cost = 3;
    spell.range = 5;
    spell.size = 1;
    spell.hitChance = 99;
    spell.enemyDamageTotal = 5;
    return spell;
}

CardSpell Boulders()
{
    CardSpell spell;
    spell.name = "Rockfall";
    spell.element = 3;
    spell.cost = 2;
    spell.range = 4;
    spell.size = 2;
    spell.hitChance = 80;
    spell.createsObjects = true;
    spell.createArea = 5;
    return spell;
}

CardHolder On(const std::string& tileKind)
{
    CardHolder holder;
    holder.exists = true;
    holder.tileKind = tileKind;
    holder.actionPoints = 5;
    return holder;
}

// A card at rest in the middle of the screen, reacting to the mouse.
std::unique_ptr<SpellCard> ShownCard(const CardSpell& spell, glm::vec2 at = glm::vec2(0.0f, -200.0f))
{
    auto card = std::make_unique<SpellCard>(spell);
    card->SetPosition(at);
    card->showStats = true;
    card->SetContext(On("Grass_Tile"), true, false);
    return card;
}

void ExpectInk(const glm::vec4& actual, int r, int g, int b)
{
    EXPECT_NEAR(actual.r, r / 255.0f, 1e-6f);
    EXPECT_NEAR(actual.g, g / 255.0f, 1e-6f);
    EXPECT_NEAR(actual.b, b / 255.0f, 1e-6f);
    EXPECT_FLOAT_EQ(actual.a, 1.0f);
}

}  // namespace

TEST(SpellCardNumbers, PlainNumbersWithoutAHolder)
{
    CardNumbers n = ComputeCardNumbers(Fireball(), CardHolder{});
    EXPECT_EQ(n.effect, "5");
    EXPECT_EQ(n.effectBlock, 1);
    EXPECT_EQ(n.area, "1");
    EXPECT_EQ(n.range, "5");
    EXPECT_EQ(n.hit, "99");
    EXPECT_EQ(n.rangeBlock, 7);
    EXPECT_EQ(n.hitBlock, 10);
    EXPECT_EQ(n.effectTone, CardNumbers::kDefault);
}

TEST(SpellCardNumbers, TileBonusOnTheMatchingTileAndOnAether)
{
    for (const char* tile : {"Fire_Tile", "Aether_Tile"}) {
        CardNumbers n = ComputeCardNumbers(Fireball(), On(tile));
        EXPECT_EQ(n.effect, "7") << tile << ": integer part of 7.5";
        EXPECT_EQ(n.effectBlock, 2);
        EXPECT_EQ(n.effectTone, CardNumbers::kBonus);
    }
    CardNumbers wrongTile = ComputeCardNumbers(Fireball(), On("Water_Tile"));
    EXPECT_EQ(wrongTile.effect, "5");
    EXPECT_EQ(wrongTile.effectTone, CardNumbers::kDefault);
    CardSpell normal = Fireball();
    normal.element = 0;
    for (const char* tile : {"Fire_Tile", "Aether_Tile"}) {
        EXPECT_EQ(ComputeCardNumbers(normal, On(tile)).effect, "5") << "a normal spell never has the bonus";
    }
}

TEST(SpellCardNumbers, CreatingSpellsShowAreaAndGrowOnAMatchingTile)
{
    CardNumbers plain = ComputeCardNumbers(Boulders(), On("Fire_Tile"));
    EXPECT_EQ(plain.effect, "5");
    EXPECT_EQ(plain.area, "2");
    EXPECT_EQ(plain.effectBlock, 13);
    CardNumbers bonus = ComputeCardNumbers(Boulders(), On("Earth_Tile"));
    EXPECT_EQ(bonus.effect, "9");
    EXPECT_EQ(bonus.area, "3");
    EXPECT_EQ(bonus.effectBlock, 13);
    EXPECT_EQ(bonus.effectTone, CardNumbers::kBonus);
    EXPECT_EQ(bonus.areaTone, CardNumbers::kBonus);
    CardSpell harmful = Boulders();
    harmful.enemyDamageTotal = 4;
    CardNumbers both = ComputeCardNumbers(harmful, On("Earth_Tile"));
    EXPECT_EQ(both.effect, "4") << "a creating spell that also damages shows its damage, unbonused";
    EXPECT_EQ(both.effectBlock, 1);
    CardSpell nothing;
    CardNumbers empty = ComputeCardNumbers(nothing, On("Earth_Tile"));
    EXPECT_EQ(empty.effect, "");
    EXPECT_EQ(empty.effectBlock, 0);
}

TEST(SpellCardNumbers, ConfusedAndBlindedPenalties)
{
    CardHolder holder = On("Grass_Tile");
    holder.confused = true;
    holder.blinded = true;
    CardNumbers n = ComputeCardNumbers(Fireball(), holder);
    EXPECT_EQ(n.hit, "49");
    EXPECT_EQ(n.hitBlock, 12);
    EXPECT_EQ(n.hitTone, CardNumbers::kPenalty);
    EXPECT_EQ(n.range, "3");
    EXPECT_EQ(n.rangeBlock, 9);
    EXPECT_EQ(n.rangeTone, CardNumbers::kPenalty);
}

TEST(SpellCardNumbers, InfiniteRangeFromOneHundred)
{
    CardSpell spell = Fireball();
    spell.range = 150;
    EXPECT_EQ(ComputeCardNumbers(spell, CardHolder{}).range, "INF");
    spell.range = 100;
    EXPECT_EQ(ComputeCardNumbers(spell, CardHolder{}).range, "INF");
    spell.range = 99;
    EXPECT_EQ(ComputeCardNumbers(spell, CardHolder{}).range, "99");
    CardHolder blind = On("Grass_Tile");
    blind.blinded = true;
    spell.range = 150;
    EXPECT_EQ(ComputeCardNumbers(spell, blind).range, "INF") << "112 is still beyond any map";
    spell.enemyDamageTotal = 999;
    EXPECT_EQ(ComputeCardNumbers(spell, On("Fire_Tile")).effect, "1498");
}

TEST(SpellCard, NumbersReachTheTextsWithTheirColours)
{
    auto card = ShownCard(Fireball());
    CardHolder holder = On("Fire_Tile");
    holder.confused = true;
    card->SetContext(holder, true, false);
    card->Update(0.016f);
    EXPECT_EQ(card->numberTexts[0]->sourceText, "7");
    ExpectInk(card->numberTexts[0]->color, 30, 188, 115);
    EXPECT_EQ(card->numberTexts[3]->sourceText, "49");
    ExpectInk(card->numberTexts[3]->color, 174, 35, 52);
    ExpectInk(card->numberTexts[2]->color, 46, 34, 47);
    card->SetContext(On("Grass_Tile"), true, false);
    card->Update(0.016f);
    EXPECT_EQ(card->numberTexts[0]->sourceText, "5") << "live: the holder moved off the tile";
    EXPECT_EQ(card->title->sourceText, "Fireball");
}

TEST(SpellCard, GlideNeverOvershootsAndSettles)
{
    for (float distance : {1000.0f, 37.0f}) {
        for (float dt : {0.016f, 1.0f / 60.0f, 0.25f}) {
            SpellCard card(Fireball());
            card.SetPosition(glm::vec2(0.0f));
            card.MarkReceived();
            card.GlideTo(glm::vec2(distance, 0.0f));
            float x = 0.0f, time = 0.0f;
            while (card.moving && time < 1.0f) {
                card.Update(dt);
                time += dt;
                EXPECT_LE(card.Position().x, distance) << "never past the target";
                EXPECT_GE(card.Position().x, x) << "never back";
                x = card.Position().x;
            }
            EXPECT_FALSE(card.moving);
            EXPECT_FALSE(card.locked);
            EXPECT_EQ(card.Position(), glm::vec2(distance, 0.0f));
            EXPECT_LE(time, 0.1f + dt + 1e-4f) << distance << " at " << dt;
        }
    }
}

TEST(SpellCard, NewCardComesFromOutsideTheViewAndShowsTheNewArrowUntilHovered)
{
    FakeMouse mouse;
    SpellCard templateCard(Fireball());
    SpellCard card(templateCard);
    EXPECT_EQ(card.Position(), SpellCard::kOffscreen);
    EXPECT_EQ(card.state, SpellCard::kNormal);
    EXPECT_FALSE(card.locked);
    card.showStats = true;
    card.MarkReceived();
    card.GlideTo(glm::vec2(0.0f, -200.0f));
    card.SetContext(On("Grass_Tile"), true, false);
    mouse.Frame(0.0f, -200.0f, false);
    card.Update(0.016f);
    EXPECT_EQ(card.ArrowState(), Arrow::kNewCard);
    EXPECT_TRUE(card.ArrowShown());
    EXPECT_FALSE(card.hovered) << "locked while gliding in";
    while (card.moving) card.Update(0.016f);
    mouse.Frame(0.0f, -200.0f, false);
    card.Update(0.016f);
    EXPECT_TRUE(card.hovered);
    EXPECT_EQ(card.state, SpellCard::kNormal) << "hovering acknowledges it";
    mouse.Frame(600.0f, 300.0f, false);
    card.Update(0.016f);
    EXPECT_FALSE(card.ArrowShown()) << "not castable: no arrow once acknowledged";
    card.castable = true;
    card.SetContext(On("Grass_Tile"), true, false);
    card.Update(0.016f);
    EXPECT_TRUE(card.ArrowShown());
    EXPECT_EQ(card.ArrowState(), Arrow::kCastable);
    CardHolder tired = On("Grass_Tile");
    tired.actionPoints = 2;
    card.SetContext(tired, true, false);
    card.Update(0.016f);
    EXPECT_FALSE(card.ArrowShown()) << "not enough AP for its cost of 3";
    card.SetContext(On("Grass_Tile"), true, true);
    card.Update(0.016f);
    EXPECT_FALSE(card.ArrowShown()) << "hidden while the computer acts";
}

TEST(SpellCard, HoverAndClickSoundsAndOneSelectionPerPress)
{
    FakeMouse mouse;
    auto card = ShownCard(Fireball());
    mouse.Frame(0.0f, -200.0f, false);
    card->Update(0.016f);
    mouse.Frame(10.0f, -200.0f, false);
    card->Update(0.016f);
    EXPECT_EQ(mouse.Count("CardHover"), 1) << "only on the first frame of hovering";
    mouse.Frame(10.0f, -200.0f, true);
    card->Update(0.016f);
    EXPECT_TRUE(card->selected);
    EXPECT_EQ(mouse.Count("CardSelect"), 1);
    EXPECT_FALSE(ui::TakeNewPress()) << "the tile beneath never gets the press";
    mouse.Frame(10.0f, -200.0f, true);
    card->Update(0.016f);
    EXPECT_FALSE(card->selected) << "holding does not select again";
    mouse.Frame(10.0f, -200.0f, false);
    card->Update(0.016f);
    EXPECT_FALSE(card->selected);
}

TEST(SpellCard, HoldingAcrossSeveralCardsSelectsOnlyTheFirstTouched)
{
    FakeMouse mouse;
    auto first = ShownCard(Fireball(), glm::vec2(-400.0f, -200.0f));
    auto second = ShownCard(Boulders(), glm::vec2(400.0f, -200.0f));
    int selections = 0;
    for (float x : {-400.0f, -100.0f, 400.0f}) {
        mouse.Frame(x, -200.0f, true);
        first->Update(0.016f);
        second->Update(0.016f);
        selections += (first->selected ? 1 : 0) + (second->selected ? 1 : 0);
    }
    EXPECT_EQ(selections, 1);
}

TEST(SpellCard, NoReactionWhenInputIsClosedExpandedOrWithoutStats)
{
    FakeMouse mouse;
    auto card = ShownCard(Fireball());
    card->SetContext(On("Grass_Tile"), false, false);  // a spell is in flight
    mouse.Frame(0.0f, -200.0f, true);
    card->Update(0.016f);
    EXPECT_FALSE(card->hovered);
    EXPECT_FALSE(card->selected);
    EXPECT_TRUE(ui::PressAvailable());
    card->SetContext(On("Grass_Tile"), true, false);
    card->expanded = true;
    card->Update(0.016f);
    EXPECT_FALSE(card->selected);
    card->expanded = false;
    card->showStats = false;
    card->Update(0.016f);
    EXPECT_FALSE(card->selected);
    EXPECT_TRUE(mouse.sounds.empty());
}

TEST(SpellCard, GreyingHalvesTheAlpha)
{
    auto card = ShownCard(Fireball());
    card->SetGreyed(true);
    EXPECT_FLOAT_EQ(card->title->color.a, 0.5f);
    card->SetGreyed(false);
    EXPECT_FLOAT_EQ(card->title->color.a, 1.0f);
}

TEST(SpellHand, EveryCardOfAnyHandStaysOnScreenAndReachable)
{
    for (float width : {1280.0f, 640.0f}) {
        for (int count : {0, 1, 5, 6, 9}) {
            const glm::vec2 viewport(width, 720.0f);
            auto positions = spell_hand::Positions(count, viewport, -1);
            ASSERT_EQ(static_cast<int>(positions.size()), count);
            const float spacing = spell_hand::Spacing(count, width);
            EXPECT_LE(spacing * static_cast<float>(std::max(count, 5)), width + 1e-3f);
            const glm::vec2 half = SpellCard::kHalfSize * spell_hand::CardScale(count, width);
            for (int i = 0; i < count; ++i) {
                const glm::vec2 at = positions[static_cast<std::size_t>(i)];
                EXPECT_LE(std::abs(at.x), width / 2.0f) << count << " cards at " << width;
                if (count <= 5 && width >= 1280.0f) {
                    EXPECT_LE(std::abs(at.x) + half.x, width / 2.0f) << "wholly on screen";
                }
                EXPECT_LT(at.y + half.y, 0.0f) << "rests low";
                EXPECT_GT(at.y + half.y, -360.0f + 100.0f) << "its name and numbers show";
            }
            for (int i = 1; i < count; ++i)
                EXPECT_NEAR(positions[static_cast<std::size_t>(i)].x - positions[static_cast<std::size_t>(i - 1)].x, spacing, 1e-3f);
        }
    }
    EXPECT_FLOAT_EQ(spell_hand::Spacing(3, 4000.0f), 496.0f);
    EXPECT_FLOAT_EQ(spell_hand::CardScale(3, 4000.0f), 1.0f);
    EXPECT_FLOAT_EQ(spell_hand::CardScale(9, 640.0f), 0.55f);
}

TEST(SpellCard, ScaledCardShrinksItsHitBoxAndChildren)
{
    FakeMouse mouse;
    auto card = ShownCard(Fireball(), glm::vec2(0.0f));
    card->SetCardScale(0.5f);
    EXPECT_EQ(card->HalfSize(), glm::vec2(96.0f, 128.0f));
    mouse.Frame(150.0f, 0.0f, false);  // inside the full card, outside the half-size one
    card->Update(0.016f);
    EXPECT_FALSE(card->hovered);
    mouse.Frame(90.0f, 120.0f, false);
    card->Update(0.016f);
    EXPECT_TRUE(card->hovered);
    EXPECT_LT(ui::TextWidth(*card->description), 160.0f);
    card->SetCardScale(-1.0f);
    EXPECT_FLOAT_EQ(card->CardScale(), 0.5f) << "a scale of 0 or less is ignored";
}

TEST(SpellHand, HoveredCardRisesOthersMoveAsideAndIsTestedFirst)
{
    // Full-size cards on a wide screen move by the full amounts.
    auto rest = spell_hand::Positions(5, glm::vec2(2560.0f, 1440.0f), -1);
    auto hover = spell_hand::Positions(5, glm::vec2(2560.0f, 1440.0f), 2);
    EXPECT_FLOAT_EQ(hover[2].y - rest[2].y, 96.0f);
    EXPECT_FLOAT_EQ(hover[1].x - rest[1].x, -180.0f);
    EXPECT_FLOAT_EQ(hover[3].x - rest[3].x, 180.0f);
    EXPECT_FLOAT_EQ(hover[1].y, rest[1].y);
    // Smaller cards move by their share, and the outermost keep half of themselves on screen.
    const float scale = spell_hand::CardScale(7, 1280.0f);
    rest = spell_hand::Positions(7, glm::vec2(1280.0f, 720.0f), -1);
    hover = spell_hand::Positions(7, glm::vec2(1280.0f, 720.0f), 3);
    EXPECT_NEAR(hover[3].y - rest[3].y, 96.0f * scale, 1e-3f);
    EXPECT_NEAR(hover[2].x - rest[2].x, -180.0f * scale, 1e-3f);
    for (const glm::vec2& at : hover) EXPECT_LE(std::abs(at.x), 640.0f - 0.5f * scale * SpellCard::kHalfSize.x + 1e-3f);
    EXPECT_EQ(spell_hand::UpdateOrder(4, 1), (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(spell_hand::DrawOrder(4, 1), (std::vector<int>{0, 2, 3, 1}));
    EXPECT_EQ(spell_hand::UpdateOrder(3, 9), (std::vector<int>{2, 1, 0}));
}

TEST(SpellHand, SevenOverlappingCardsEachTakeTheMouseWhereTheyShow)
{
    FakeMouse mouse;
    const glm::vec2 viewport(1280.0f, 720.0f);
    auto positions = spell_hand::Positions(7, viewport, -1);
    std::vector<std::unique_ptr<SpellCard>> hand;
    const float scale = spell_hand::CardScale(7, viewport.x);
    for (const glm::vec2& at : positions) {
        hand.push_back(ShownCard(Fireball(), at));
        hand.back()->SetCardScale(scale);
    }
    const float spacing = spell_hand::Spacing(7, viewport.x);
    for (int target = 0; target < 7; ++target) {
        // Just right of the card's left edge, where the next card does not cover it.
        const glm::vec2 at = positions[static_cast<std::size_t>(target)];
        const float x = at.x - scale * SpellCard::kHalfSize.x + 0.5f * spacing;
        const float y = at.y + scale * 200.0f;
        mouse.Frame(x, y, false);
        mouse.Frame(x, y, true);
        int hovered = -1;
        for (int i : spell_hand::UpdateOrder(7, -1)) {
            hand[static_cast<std::size_t>(i)]->Update(0.016f);
            if (hand[static_cast<std::size_t>(i)]->hovered) hovered = i;
        }
        EXPECT_EQ(hovered, target);
        EXPECT_TRUE(hand[static_cast<std::size_t>(target)]->selected);
        mouse.Frame(x, y, false);
    }
}

TEST(SpellHand, ReservedHeightCoversTheCardsAndTheirArrows)
{
    for (glm::vec2 viewport : {glm::vec2(1280.0f, 720.0f), glm::vec2(1920.0f, 1080.0f), glm::vec2(3480.0f, 2400.0f)}) {
        for (int count : {1, 5, 7}) {
            const float reserved = spell_hand::ReservedHeight(count, viewport);
            const float scale = spell_hand::CardScale(count, viewport.x);
            for (const glm::vec2& at : spell_hand::Positions(count, viewport, -1)) {
                const float arrowTop = at.y + scale * (320.0f + 64.0f);
                EXPECT_NEAR(arrowTop + viewport.y / 2.0f, reserved, 1e-2f) << count << " at " << viewport.x;
            }
        }
    }
}

TEST(SpellCard, BookSpellsShowTheirOwnNumbersAndTexts)
{
    SpellBook book(std::string(SOURCE_DATA_DIR) + "/Spells/");
    ASSERT_EQ(book.AddListFile(ElementType::Fire).status, json::Status::Ok);
    const Spell* fireball = book.Find("Fireball");
    ASSERT_NE(fireball, nullptr);
    SpellCard templateCard(*fireball);
    SpellCard card(templateCard);
    EXPECT_EQ(card.Source(), fireball);
    EXPECT_EQ(card.title->sourceText, fireball->name);
    EXPECT_EQ(card.description->sourceText, fireball->description);
    EXPECT_FALSE(fireball->description.empty());
    CardNumbers n = ComputeCardNumbers(card.Shown(), On("Fire_Tile"));
    EXPECT_EQ(n.effect, std::to_string(fireball->enemyDamageTotal * 3 / 2));
    EXPECT_EQ(n.range, std::to_string(fireball->range));
    EXPECT_EQ(n.hit, std::to_string(fireball->hitChance));
}
