#include <string>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "objects/AnchorTransform.h"
#include "objects/Transform.h"
#include "render/Font.h"
#include "render/Text.h"

// These run from the build folder, where the generated "Alagard" font lives.

namespace {

template <class Placement>
std::unique_ptr<Object> PlacedObject(float x, float y)
{
    auto object = std::make_unique<Object>();
    auto* placement = new Placement();
    placement->setPosition(x, y);
    object->AddComponent(placement);
    return object;
}

std::unique_ptr<Object> WorldObject(float x, float y) { return PlacedObject<Transform>(x, y); }
std::unique_ptr<Object> InterfaceObject(float x, float y) { return PlacedObject<AnchorTransform>(x, y); }

}  // namespace

TEST(TextObject, DefaultTextIsLaidOutInTheShippedFont)
{
    Text text;
    ASSERT_NE(text.font, nullptr);
    EXPECT_EQ(text.sourceText, "The quick brown fox jumps over the lazy dog.");
    EXPECT_EQ(text.Records().size(), text.text.size());
    EXPECT_TRUE(text.screenSpace);
    ASSERT_NE(text.Get<Transform>(), nullptr);
    EXPECT_EQ(text.Get<Transform>()->scale, glm::vec2(10.0f, 10.0f));
    EXPECT_GT(text.Records()[1].quadWidth, 0.0f);
}

TEST(TextObject, SetTextfFormatsAndRelays)
{
    Text text("", glm::vec2(0.0f), glm::vec4(1.0f));
    text.setTextf("%d", 7);
    EXPECT_EQ(text.text, "7");
    EXPECT_EQ(text.Records().size(), 1u);
    text.setText("");
    EXPECT_TRUE(text.Records().empty());
}

TEST(TextObject, FollowingAWorldObjectMakesWorldText)
{
    auto target = WorldObject(100.0f, 50.0f);
    Text text("hp", target.get(), glm::vec2(0.0f, 30.0f), glm::vec4(1.0f));
    EXPECT_FALSE(text.screenSpace);
    ASSERT_NE(text.Get<Transform>(), nullptr);
    EXPECT_EQ(text.Get<AnchorTransform>(), nullptr);
    EXPECT_EQ(text.linked, target.get());
    text.Update(0.016f);
    EXPECT_EQ(text.Get<Transform>()->position, glm::vec2(100.0f, 80.0f));
    target->Get<Transform>()->setPosition(-5.0f, 0.0f);
    text.Update(0.016f);
    EXPECT_EQ(text.Get<Transform>()->position, glm::vec2(-5.0f, 30.0f));
}

TEST(TextObject, FollowingAnInterfaceObjectStaysInterfaceText)
{
    auto target = InterfaceObject(0.0f, 0.0f);
    Text text("ok", target.get(), glm::vec2(4.0f, -2.0f), glm::vec4(1.0f));
    EXPECT_TRUE(text.screenSpace);
    ASSERT_NE(text.Get<AnchorTransform>(), nullptr);
    text.Update(0.016f);
    // Placed even though the object sits exactly where an unlinked text starts.
    EXPECT_EQ(text.Get<AnchorTransform>()->position, glm::vec2(4.0f, -2.0f));
}

TEST(TextObject, InterfaceTextFollowsTheInterfacePlacementOfAnObjectWithBothKinds)
{
    // An object placed both ways: its world Transform stands still, so an interface text linked to
    // it follows its AnchorTransform.
    auto target = WorldObject(50.0f, 50.0f);
    auto* anchor = new AnchorTransform();
    anchor->setPosition(10.0f, 20.0f);
    target->AddComponent(anchor);
    Text text("x", glm::vec2(1.0f, 1.0f), glm::vec4(1.0f));
    text.link(target.get());
    ASSERT_EQ(text.linked, target.get());
    text.Update(0.016f);
    EXPECT_EQ(text.Get<AnchorTransform>()->position, glm::vec2(11.0f, 21.0f));
    anchor->setPosition(-30.0f, 5.0f);
    text.Update(0.016f);
    EXPECT_EQ(text.Get<AnchorTransform>()->position, glm::vec2(-29.0f, 6.0f));
}

TEST(TextObject, LinkingToTheOtherTransformKindIsRefusedAndKeepsTheLink)
{
    LogCapture log("text_particles_test_log.txt");
    auto world = WorldObject(1.0f, 1.0f);
    auto ui = InterfaceObject(2.0f, 2.0f);
    auto otherUi = InterfaceObject(3.0f, 3.0f);
    Text text("x", glm::vec2(0.0f), glm::vec4(1.0f));  // interface text
    text.link(ui.get());
    EXPECT_EQ(text.linked, ui.get());
    text.link(world.get());
    EXPECT_EQ(text.linked, ui.get());
    EXPECT_EQ(log.Count("ERROR: LINKed OBJECT does not have the same Transform type as TEXT."), 1);
    text.link(otherUi.get());
    EXPECT_EQ(text.linked, otherUi.get());
    text.link(nullptr);
    EXPECT_EQ(text.linked, nullptr);
}

TEST(TextObject, WrappingKeepsTheSourceText)
{
    Text text("one two three four five six seven eight nine ten", nullptr, 10.0f, glm::vec2(0.0f), glm::vec4(1.0f));
    EXPECT_NE(text.text.find('\n'), std::string::npos);
    EXPECT_EQ(text.sourceText, "one two three four five six seven eight nine ten");
    size_t breaks = 0;
    for (char c : text.text) breaks += c == '\n';
    EXPECT_EQ(text.Records().size(), text.text.size() - breaks) << "line breaks make no records";
}

TEST(TextObject, CopyFollowsItsNewObject)
{
    auto first = InterfaceObject(0.0f, 0.0f);
    auto second = InterfaceObject(50.0f, 60.0f);
    Text original("Cast", first.get(), glm::vec2(1.0f, 2.0f), glm::vec4(1.0f, 0.0f, 0.0f, 1.0f));
    original.setAlignment(kAlignLeft, kAlignTop);
    Text copy(original, second.get());
    EXPECT_EQ(copy.text, "Cast");
    EXPECT_EQ(copy.color, original.color);
    EXPECT_EQ(copy.hAlign, kAlignLeft);
    EXPECT_EQ(copy.vAlign, kAlignTop);
    EXPECT_EQ(copy.linked, second.get());
    copy.Update(0.0f);
    EXPECT_EQ(copy.Get<AnchorTransform>()->position, glm::vec2(51.0f, 62.0f));
    EXPECT_EQ(original.Get<AnchorTransform>()->position, glm::vec2(0.0f, 0.0f)) << "no shared components";
}

TEST(TextObject, ScaleSetsTheLetterSize)
{
    Text text("E", glm::vec2(0.0f), glm::vec4(1.0f));
    text.setScale(20.0f);
    const float small = text.Records()[0].quadHeight;
    text.setScale(40.0f);
    EXPECT_NEAR(text.Records()[0].quadHeight, 2.0f * small, 1e-3f);
    // A glyph cell is one text unit tall, so the quad is as tall as the scale.
    EXPECT_NEAR(text.Records()[0].quadHeight, 40.0f, 0.5f);
}

TEST(TextObject, SameValuesAreNotLaidOutAgain)
{
    Text text("HP 12", glm::vec2(0.0f), glm::vec4(1.0f));
    const int before = text.LayoutCount();
    for (int frame = 0; frame < 100; ++frame) {
        text.setText("HP 12");
        text.setTextf("HP %d", 12);
        text.setAlignment(text.hAlign, text.vAlign);
        text.setScale(10.0f);
        text.setWrapWidth(text.wrapWidth);
    }
    EXPECT_EQ(text.LayoutCount(), before) << "a HUD may set its numbers every frame for free";
    text.setText("HP 11");
    EXPECT_EQ(text.LayoutCount(), before + 1);
}

TEST(TextObject, DestroyedLinkTargetIsDroppedNotRead)
{
    auto target = WorldObject(100.0f, 50.0f);
    Text text("Merlin", target.get(), glm::vec2(0.0f, 30.0f), glm::vec4(1.0f));
    text.Update(0.016f);
    target.reset();  // the wizard dies while its name tag follows it
    text.Update(0.016f);
    EXPECT_EQ(text.linked, nullptr);
    EXPECT_EQ(text.Get<Transform>()->position, glm::vec2(100.0f, 80.0f)) << "the text stays where it was";
}

TEST(TextObject, ReloadingTheFontKeepsTextsValid)
{
    Text text("12", glm::vec2(0.0f), glm::vec4(1.0f));
    Font* before = text.font;
    ASSERT_NE(before, nullptr);
    FontLibrary::Active().add_font("Alagard");
    FontLibrary::Active().add_font("Alagard");
    EXPECT_EQ(FontLibrary::Active().grab_font("Alagard"), before) << "the font is refilled in place";
    text.setText("345");
    EXPECT_EQ(text.Records().size(), 3u);
    EXPECT_GT(text.Records()[0].quadWidth, 0.0f);
}
