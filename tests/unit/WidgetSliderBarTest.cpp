#include <cmath>
#include <fstream>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "WidgetTestSupport.h"
#include "objects/AnchorTransform.h"
#include "objects/Transform.h"
#include "render/MaterialInputs.h"
#include "render/Text.h"
#include "ui/Bar.h"
#include "ui/Slider.h"
#include "ui/SmartButton.h"

namespace {

struct Steps {
    Slider slider{nullptr, SliderLayout{0.0f, 0.0f, 150.0f, 25.0f}};
    std::vector<int> ran;
    explicit Steps(int count)
    {
        for (int i = 0; i < count; ++i) slider.AddItem("item " + std::to_string(i), [this, i] { ran.push_back(i); });
    }
};

// Writes a layout beside the shipped ones, as "./Data/<name>.json", and removes it afterwards.
class LayoutFile {
public:
    LayoutFile(const std::string& layoutName, const std::string& text) : path("./Data/" + layoutName + ".json")
    {
        std::ofstream(path) << text;
    }
    ~LayoutFile() { std::remove(path.c_str()); }

private:
    std::string path;
};

}  // namespace

TEST(Slider, TwoItemsStepBetweenTheEnds)
{
    Steps s(2);
    EXPECT_EQ(s.slider.Index(), -1) << "adding items does not select one";
    s.slider.SetIndex(0);
    EXPECT_FALSE(s.slider.leftArrow->active);
    EXPECT_TRUE(s.slider.rightArrow->active);
    EXPECT_TRUE(s.ran.empty()) << "SetIndex runs no action";
    s.slider.Next();
    EXPECT_EQ(s.slider.Index(), 1);
    EXPECT_TRUE(s.slider.leftArrow->active);
    EXPECT_FALSE(s.slider.rightArrow->active);
    ASSERT_EQ(s.ran.size(), 1u);
    EXPECT_EQ(s.ran[0], 1);
    s.slider.Next();
    EXPECT_EQ(s.slider.Index(), 1) << "Next on the last item changes nothing";
    EXPECT_EQ(s.ran.size(), 1u) << "and runs nothing";
    s.slider.Previous();
    s.slider.Previous();
    EXPECT_EQ(s.slider.Index(), 0);
    EXPECT_EQ(s.ran, (std::vector<int>{1, 0}));
}

TEST(Slider, OneItemHasBothArrowsInactive)
{
    Steps s(1);
    s.slider.SetIndex(0);
    EXPECT_FALSE(s.slider.leftArrow->active);
    EXPECT_FALSE(s.slider.rightArrow->active);
    s.slider.Next();
    s.slider.Previous();
    EXPECT_TRUE(s.ran.empty());
}

TEST(Slider, MiddleItemLeavesBothArrowsLiveAndOutOfRangeIndexIsIgnored)
{
    Steps s(5);
    s.slider.SetIndex(2);
    EXPECT_TRUE(s.slider.leftArrow->active);
    EXPECT_TRUE(s.slider.rightArrow->active);
    s.slider.SetIndex(-2);
    s.slider.SetIndex(39);
    EXPECT_EQ(s.slider.Index(), 2);
    Steps empty(0);
    empty.slider.SetIndex(0);
    empty.slider.Next();
    empty.slider.Previous();
    EXPECT_EQ(empty.slider.Index(), -1);
    empty.slider.Update(0.016f);
}

TEST(Slider, ArrowsAreClickedThroughTheMouse)
{
    FakeMouse mouse;
    Steps s(3);
    s.slider.SetIndex(0);
    s.slider.Update(0.016f);
    EXPECT_EQ(s.slider.rightArrow->Position(), glm::vec2(150.0f, 0.0f));
    EXPECT_EQ(s.slider.leftArrow->Position(), glm::vec2(-150.0f, 0.0f));
    mouse.Frame(150.0f, 0.0f, true);
    s.slider.Update(0.016f);
    EXPECT_EQ(s.slider.Index(), 1);
    mouse.Frame(150.0f, 0.0f, true);  // still held
    s.slider.Update(0.016f);
    EXPECT_EQ(s.slider.Index(), 1);
    mouse.Frame(-150.0f, 0.0f, false);
    s.slider.Update(0.016f);
    mouse.Frame(-150.0f, 0.0f, true);
    s.slider.Update(0.016f);
    EXPECT_EQ(s.slider.Index(), 0);
    EXPECT_EQ(s.ran, (std::vector<int>{1, 0}));
}

TEST(Slider, FollowsItsParentAndLinksLabelsToThePanel)
{
    AnchorTransform parent;
    parent.setPosition(100.0f, -50.0f);
    Slider slider(&parent, SliderLayout{10.0f, 20.0f, 80.0f, 20.0f});
    slider.AddItem("Low");
    slider.Update(0.016f);
    EXPECT_EQ(slider.panel->Get<AnchorTransform>()->position, glm::vec2(110.0f, -30.0f));
    EXPECT_EQ(slider.panel->Get<AnchorTransform>()->scale, glm::vec2(64.0f, 16.0f));
    EXPECT_EQ(slider.items[0].label->linked, slider.panel.get());
    EXPECT_EQ(slider.items[0].label->Placement()->position, glm::vec2(110.0f, -30.0f));
    parent.setPosition(0.0f, 0.0f);
    slider.Update(0.016f);
    EXPECT_EQ(slider.leftArrow->Position(), glm::vec2(-70.0f, 20.0f));
}

TEST(Bar, FillIsEmptyForAMaximumOfZeroOrLess)
{
    EXPECT_FLOAT_EQ(Bar::FillFraction(5.0f, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(Bar::FillFraction(-1.0f, -1.0f), 0.0f);
    EXPECT_FLOAT_EQ(Bar::FillFraction(30.0f, 20.0f), 1.0f);
    EXPECT_FLOAT_EQ(Bar::FillFraction(-3.0f, 20.0f), 0.0f);
    EXPECT_FLOAT_EQ(Bar::FillFraction(5.0f, 20.0f), 0.25f);
    EXPECT_FLOAT_EQ(Bar::FillFraction(std::nanf(""), 20.0f), 0.0f);
    Bar bar(0.0f, 10.0f, 0.0f, 0.0f, 50.0f, 5.0f);
    EXPECT_FLOAT_EQ(bar.FillFraction(), 0.0f);
    MaterialInputs in;
    bar.FillMaterialInputs(in);
    EXPECT_FLOAT_EQ(in.currentValue, 10.0f);
    EXPECT_FLOAT_EQ(in.maxValue, 0.0f);
}

TEST(Bar, ConstructorKeepsTheStartingValueAndPlacement)
{
    Bar bar(100.0f, 40.0f, 5.0f, 6.0f, 50.0f, 8.0f);
    EXPECT_FLOAT_EQ(bar.initialValue, 40.0f);
    EXPECT_FLOAT_EQ(bar.currentValue, 40.0f);
    ASSERT_NE(bar.Get<Transform>(), nullptr);
    EXPECT_EQ(bar.Get<Transform>()->position, glm::vec2(5.0f, 6.0f));
    EXPECT_EQ(bar.Get<Transform>()->scale, glm::vec2(50.0f, 8.0f));
    bar.UseInterfaceSpace();
    EXPECT_EQ(bar.Get<Transform>(), nullptr);
    ASSERT_NE(bar.Get<AnchorTransform>(), nullptr);
    EXPECT_EQ(bar.Get<AnchorTransform>()->scale, glm::vec2(50.0f, 8.0f));
}

TEST(Bar, FileWithIntegerTranslationSkipsMaximumButTakesInitialValue)
{
    LayoutFile file("WidgetTest_IntBar", R"({"name": "Health", "translation": [0, 0], "scale": [10.0, 2.0],
        "max_value": 50.0, "initial_value": 12})");
    Bar bar(7.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    bar.Read("WidgetTest_IntBar");
    EXPECT_EQ(bar.name, "Health");
    EXPECT_FLOAT_EQ(bar.maxValue, 7.0f);
    EXPECT_FLOAT_EQ(bar.currentValue, 12.0f);
    EXPECT_FLOAT_EQ(bar.initialValue, 12.0f);
}

TEST(Bar, FileWithFractionalPlacementTakesEverything)
{
    Bar bar(7.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    bar.Read("Bar");  // the shipped layout
    EXPECT_EQ(bar.name, "Bar");
    EXPECT_FLOAT_EQ(bar.maxValue, 100.0f);
    EXPECT_FLOAT_EQ(bar.currentValue, 100.0f);
    EXPECT_EQ(bar.Get<Transform>()->scale, glm::vec2(1.0f, 1.0f)) << "validated, not applied";
}

TEST(Bar, BrokenFilesAreLoggedIllTypedKeysSkipped)
{
    LogCapture log("widget_bar_read.txt");
    LayoutFile broken("WidgetTest_BrokenBar", "{\"name\": ");
    LayoutFile odd("WidgetTest_OddBar", R"({"name": 4, "translation": [1.5], "scale": [1.5, 2.5],
        "max_value": "lots", "initial_value": [3]})");
    Bar bar(7.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    bar.Read("WidgetTest_NoBar");
    bar.Read("WidgetTest_BrokenBar");
    bar.Read("WidgetTest_OddBar");
    EXPECT_TRUE(log.Has("Bar Read: Couldn't open ./Data/WidgetTest_NoBar.json"));
    EXPECT_TRUE(log.Has("Bar Read: Couldn't parse ./Data/WidgetTest_BrokenBar.json"));
    EXPECT_EQ(log.Count("Bar Read"), 2) << "ill-typed keys are skipped without a message";
    EXPECT_FLOAT_EQ(bar.maxValue, 7.0f);
    EXPECT_FLOAT_EQ(bar.currentValue, 1.0f);
    EXPECT_TRUE(bar.name.empty());
}
