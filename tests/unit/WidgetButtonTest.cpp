#include <memory>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "WidgetTestSupport.h"
#include "objects/AnchorTransform.h"
#include "render/MaterialInputs.h"
#include "render/Text.h"
#include "ui/ButtonPrompt.h"
#include "ui/SmartButton.h"

namespace {

struct Counted {
    std::unique_ptr<SmartButton> button;
    int fired = 0;
};

Counted MakeButton(glm::vec2 at, float w = 100.0f, float h = 50.0f)
{
    Counted c;
    c.button = std::make_unique<SmartButton>(w, h, at, "Go");
    return c;
}

void Bind(Counted& c)
{
    c.button->SetOnClick([&c] { ++c.fired; });
}

}  // namespace

TEST(SmartButton, PressFiresOnceAndHoldingDoesNotRepeat)
{
    FakeMouse mouse;
    Counted a = MakeButton({0.0f, 0.0f});
    Bind(a);
    mouse.Frame(0.0f, 0.0f, false);
    a.button->Update(0.016f);
    EXPECT_TRUE(a.button->hovered);
    EXPECT_EQ(a.fired, 0);
    for (int frame = 0; frame < 5; ++frame) {
        mouse.Frame(0.0f, 0.0f, true);
        a.button->Update(0.016f);
    }
    EXPECT_EQ(a.fired, 1);
    EXPECT_EQ(mouse.Count("Click"), 1);
    mouse.Frame(0.0f, 0.0f, false);
    a.button->Update(0.016f);
    mouse.Frame(0.0f, 0.0f, true);
    a.button->Update(0.016f);
    EXPECT_EQ(a.fired, 2) << "a new press after a release fires again";
}

TEST(SmartButton, LatchCarriesAcrossButtonsUntilReleasedAnywhere)
{
    FakeMouse mouse;
    Counted a = MakeButton({-300.0f, 0.0f});
    Counted b = MakeButton({300.0f, 0.0f});
    Counted c = MakeButton({0.0f, 250.0f});
    Bind(a), Bind(b), Bind(c);
    auto frame = [&](float x, float y, bool down) {
        mouse.Frame(x, y, down);
        a.button->Update(0.016f);
        b.button->Update(0.016f);
        c.button->Update(0.016f);
    };
    frame(-300.0f, 0.0f, true);
    EXPECT_EQ(a.fired, 1);
    frame(300.0f, 0.0f, true);  // dragged onto the second button while held
    EXPECT_EQ(b.fired, 0);
    frame(600.0f, -300.0f, false);  // released over nothing at all
    frame(300.0f, 0.0f, true);      // the cursor arrives and presses in the same frame
    EXPECT_EQ(b.fired, 1);
    frame(0.0f, 250.0f, true);  // slides onto a third while held
    EXPECT_EQ(c.fired, 0);
    EXPECT_EQ(mouse.Count("Click"), 2);
}

TEST(SmartButton, PressStartedBesideAButtonFiresWhenDraggedOntoIt)
{
    FakeMouse mouse;
    Counted a = MakeButton({0.0f, 0.0f});
    Bind(a);
    mouse.Frame(400.0f, 0.0f, true);
    a.button->Update(0.016f);
    mouse.Frame(0.0f, 0.0f, true);
    a.button->Update(0.016f);
    EXPECT_EQ(a.fired, 1) << "nothing used the press, so it is still open";
}

TEST(SmartButton, EdgesCountAsInsideAndJustOutsideDoesNot)
{
    FakeMouse mouse;
    Counted a = MakeButton({10.0f, 20.0f}, 100.0f, 50.0f);
    const glm::vec2 inside[] = {{-90.0f, 20.0f}, {110.0f, 20.0f}, {10.0f, 70.0f}, {10.0f, -30.0f}, {110.0f, 70.0f}};
    for (glm::vec2 p : inside) {
        mouse.Frame(p.x, p.y, false);
        EXPECT_TRUE(a.button->IsMouseOver()) << p.x << ", " << p.y;
    }
    const glm::vec2 outside[] = {{-91.0f, 20.0f}, {111.0f, 20.0f}, {10.0f, 71.0f}, {10.0f, -31.0f}};
    for (glm::vec2 p : outside) {
        mouse.Frame(p.x, p.y, false);
        EXPECT_FALSE(a.button->IsMouseOver()) << p.x << ", " << p.y;
    }
    Bind(a);
    mouse.Frame(110.0f, 70.0f, true);
    a.button->Update(0.016f);
    EXPECT_EQ(a.fired, 1) << "a press on the corner fires";
}

TEST(SmartButton, InactiveButtonIsNeitherTestedNorFiredNorSounded)
{
    FakeMouse mouse;
    Counted a = MakeButton({0.0f, 0.0f});
    Bind(a);
    a.button->active = false;
    mouse.Frame(0.0f, 0.0f, true);
    a.button->Update(0.016f);
    EXPECT_FALSE(a.button->IsMouseOver());
    EXPECT_EQ(a.fired, 0);
    EXPECT_TRUE(mouse.sounds.empty());
    EXPECT_TRUE(ui::PressAvailable()) << "an inactive button leaves the press for what lies beneath";
    EXPECT_FALSE(ui::MouseClaimed());
}

TEST(SmartButton, SfxOffClicksSilently)
{
    FakeMouse mouse;
    UserConfig.sfx = false;
    Counted a = MakeButton({0.0f, 0.0f});
    Bind(a);
    mouse.Frame(0.0f, 0.0f, true);
    a.button->Update(0.016f);
    EXPECT_EQ(a.fired, 1);
    EXPECT_TRUE(mouse.sounds.empty());
}

TEST(SmartButton, ClickWithoutActionStillUsesThePressAndShowsClicked)
{
    FakeMouse mouse;
    Counted a = MakeButton({0.0f, 0.0f});
    mouse.Frame(0.0f, 0.0f, true);
    a.button->Update(0.016f);
    EXPECT_TRUE(a.button->clicked);
    EXPECT_FALSE(ui::PressAvailable());
    MaterialInputs in;
    a.button->FillMaterialInputs(in);
    EXPECT_TRUE(in.clicked);
    EXPECT_TRUE(in.hovered);
    mouse.Frame(0.0f, 0.0f, true);
    a.button->Update(0.016f);
    EXPECT_FALSE(a.button->clicked) << "clicked lasts one update";
}

TEST(SmartButton, TopmostButtonTakesTheMouseFromOneBeneath)
{
    FakeMouse mouse;
    Counted top = MakeButton({0.0f, 0.0f});
    Counted under = MakeButton({50.0f, 0.0f});
    Bind(top), Bind(under);
    mouse.Frame(40.0f, 0.0f, true);
    top.button->Update(0.016f);
    under.button->Update(0.016f);
    EXPECT_EQ(top.fired, 1);
    EXPECT_EQ(under.fired, 0);
    EXPECT_FALSE(under.button->hovered) << "covered, so not highlighted either";
    EXPECT_FALSE(ui::TakeNewPress()) << "a tile updated afterwards gets nothing";
}

TEST(SmartButton, ActionMayDestroyItsOwnButton)
{
    FakeMouse mouse;
    auto owner = std::make_unique<SmartButton>(100.0f, 50.0f, glm::vec2(0.0f), "Quit");
    SmartButton* raw = owner.get();
    bool ran = false;
    raw->SetOnClick([&] {
        owner.reset();
        ran = true;
    });
    mouse.Frame(0.0f, 0.0f, true);
    raw->Update(0.016f);  // under AddressSanitizer this would report a use after free
    EXPECT_TRUE(ran);
    EXPECT_EQ(owner, nullptr);
}

TEST(SmartButton, ConstructorsPlaceAndCaption)
{
    SmartButton anchored(120.0f, 40.0f, 100.0f, AnchorTransform::kTopRight, "Menu");
    glm::ivec2 view(1280, 720);
    EXPECT_EQ(anchored.Position(), glm::vec2(view.x / 2, view.y / 2));
    EXPECT_EQ(anchored.HalfSize(), glm::vec2(120.0f, 40.0f));
    EXPECT_EQ(anchored.label->sourceText, "Menu");
    EXPECT_EQ(anchored.label->color, glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
    SmartButton centred(50.0f, 50.0f, 0.0f, AnchorTransform::kNone, "x");
    EXPECT_EQ(centred.Position(), glm::vec2(0.0f));
    SmartButton textured(32.0f, 32.0f, "Left Arrow");
    EXPECT_TRUE(textured.label->sourceText.empty());
    SmartButton placed(100.0f, 50.0f, glm::vec2(-200.0f, 30.0f), "Yes");
    EXPECT_EQ(placed.Position(), glm::vec2(-200.0f, 30.0f));
}

TEST(SmartButton, ReadTakesNameAndCaptionOnlyWithFractionalPlacement)
{
    SmartButton fromFile(100.0f, 50.0f, glm::vec2(0.0f), "old");
    fromFile.Read("Button");  // the shipped layout
    EXPECT_EQ(fromFile.name, "Button");
    EXPECT_EQ(fromFile.label->sourceText, "Button");
    EXPECT_EQ(fromFile.highlightColor, glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(fromFile.clickedColor, glm::vec3(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(fromFile.label->color, glm::vec4(1.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(fromFile.HalfSize(), glm::vec2(100.0f, 50.0f)) << "scale is validated, not applied";
}

TEST(SmartButton, ReadFailuresAreLoggedAndChangeNothing)
{
    LogCapture log("widget_button_read.txt");
    SmartButton button(100.0f, 50.0f, glm::vec2(0.0f), "keep");
    button.Read("NoSuchButtonLayout");
    EXPECT_TRUE(log.Has("Button Read: Couldn't open ./Data/NoSuchButtonLayout.json"));
    EXPECT_EQ(button.label->sourceText, "keep");
    EXPECT_EQ(button.highlightColor, glm::vec3(1.0f));
}

TEST(ButtonPrompt, RowsOfOneTwoAndThree)
{
    EXPECT_EQ(ButtonPrompt::ButtonOffset(0, 1), glm::vec2(0.0f, -100.0f));
    EXPECT_EQ(ButtonPrompt::ButtonOffset(0, 2), glm::vec2(-170.0f, -100.0f));
    EXPECT_EQ(ButtonPrompt::ButtonOffset(1, 2), glm::vec2(170.0f, -100.0f));
    ButtonPrompt three("Pick one", {"A", "B", "C"});
    ASSERT_EQ(three.buttons.size(), 3u);
    EXPECT_EQ(three.buttons[0]->Position(), glm::vec2(-340.0f, -100.0f));
    EXPECT_EQ(three.buttons[1]->Position(), glm::vec2(0.0f, -100.0f));
    EXPECT_EQ(three.buttons[2]->Position(), glm::vec2(340.0f, -100.0f));
    ButtonPrompt growing("Sure?");
    growing.AddButton("Yes");
    EXPECT_EQ(growing.buttons[0]->Position(), glm::vec2(0.0f, -100.0f));
    growing.AddButton("No");
    EXPECT_EQ(growing.buttons[0]->Position(), glm::vec2(-170.0f, -100.0f)) << "the row is laid out again";
    EXPECT_EQ(growing.buttons[1]->Position(), glm::vec2(170.0f, -100.0f));
    EXPECT_EQ(growing.buttons[1]->HalfSize(), glm::vec2(100.0f, 50.0f));
    EXPECT_EQ(growing.ButtonLabelled("No"), growing.buttons[1].get());
    EXPECT_EQ(growing.message->sourceText, "Sure?");
}

TEST(ButtonPrompt, HiddenPromptsButtonsNeverFire)
{
    FakeMouse mouse;
    ButtonPrompt prompt("Welcome", {"Ready!"});
    int fired = 0;
    prompt.buttons[0]->SetOnClick([&] { ++fired; });
    mouse.Frame(0.0f, -100.0f, true);
    prompt.Update(0.016f);
    EXPECT_EQ(fired, 0);
    EXPECT_TRUE(mouse.sounds.empty());
    EXPECT_TRUE(ui::PressAvailable()) << "latch unchanged";
    EXPECT_FALSE(ui::MouseClaimed());
    prompt.visible = true;
    mouse.Frame(0.0f, -100.0f, false);
    prompt.Update(0.016f);
    mouse.Frame(0.0f, -100.0f, true);
    prompt.Update(0.016f);
    EXPECT_EQ(fired, 1);
}

TEST(ButtonPrompt, ShownPanelSwallowsAPressThatMissesItsButtons)
{
    FakeMouse mouse;
    ButtonPrompt prompt("Sure?", {"Yes", "No"});
    prompt.visible = true;
    mouse.Frame(0.0f, 150.0f, true);  // on the panel, above the buttons
    prompt.Update(0.016f);
    EXPECT_TRUE(ui::MouseClaimed());
    EXPECT_FALSE(ui::TakeNewPress()) << "the tile beneath never sees it";
    mouse.Frame(600.0f, 330.0f, false);
    mouse.Frame(600.0f, 330.0f, true);  // far outside the panel
    prompt.Update(0.016f);
    EXPECT_TRUE(ui::TakeNewPress());
}

TEST(ButtonPrompt, ButtonActionMayCloseThePrompt)
{
    FakeMouse mouse;
    auto prompt = std::make_unique<ButtonPrompt>("Quit?", std::vector<std::string>{"Yes"});
    prompt->visible = true;
    ButtonPrompt* raw = prompt.get();
    raw->buttons[0]->SetOnClick([&] { prompt.reset(); });
    mouse.Frame(0.0f, -100.0f, true);
    raw->Update(0.016f);
    EXPECT_EQ(prompt, nullptr);
}
