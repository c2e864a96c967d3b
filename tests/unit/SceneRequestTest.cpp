// Scene changes asked for from inside a scene callback: they wait until the callback returns.
// These run in the sanitizer pass too, where a change carried out under a running handler shows
// up as a use after free.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenes/SceneSystem.h"

namespace {

using Journal = std::vector<std::string>;
using Handler = std::function<void()>;

// A menu button as every menu will hold them: heap-allocated, with a handler that may change scene.
struct HeapButton {
    Handler onClick;
};

// A scene whose Update clicks every button it built in Init, in order, as a menu does on a press.
class ButtonScene : public Scene {
public:
    ButtonScene(std::string name, Journal& journal) : Scene(std::move(name)), journal(journal) {}
    void Load() override { Note("Load"); }
    void Init() override
    {
        Note("Init");
        for (const Handler& handler : scripts) buttons.push_back(std::make_unique<HeapButton>(HeapButton{handler}));
        if (onInit) onInit();
    }
    void Update(float) override
    {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttons[i]->onClick();
            Note("clicked" + std::to_string(i));
        }
    }
    void Render() override
    {
        if (onRender) onRender();
    }
    void Exit() override { Note("Exit"); }
    void Unload() override
    {
        Note("Unload");
        buttons.clear();
    }

    std::vector<Handler> scripts;
    Handler onInit;
    Handler onRender;

private:
    void Note(const std::string& what) { journal.push_back(name + "." + what); }
    Journal& journal;
    std::vector<std::unique_ptr<HeapButton>> buttons;
};

class SceneRequestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 14; ++i) {
            auto scene = std::make_unique<ButtonScene>("S" + std::to_string(i), journal);
            raw.push_back(scene.get());
            list.push_back(std::move(scene));
        }
        system.setProfileSaver([this] { journal.push_back("SaveProfile"); });
    }
    void Start(int first)
    {
        system.InitWith(std::move(list), first);
        journal.clear();
    }
    Journal Take() { return std::exchange(journal, {}); }
    Handler Nothing() { return [] {}; }

    Journal journal;
    std::vector<std::unique_ptr<Scene>> list;
    std::vector<ButtonScene*> raw;
    SceneSystem system;
};

}  // namespace

TEST_F(SceneRequestTest, ButtonSwitchWaitsForTheClickLoopToEnd)
{
    raw[1]->scripts = {[this] { EXPECT_TRUE(system.switchTo(0)); }, Nothing(), Nothing()};
    Start(1);
    system.Update(0.016f);
    EXPECT_EQ(Take(), (Journal{"S1.clicked0", "S1.clicked1", "S1.clicked2", "SaveProfile", "S1.Exit", "S1.Unload",
                               "S0.Load", "S0.Init"}));
    EXPECT_EQ(system.current(), raw[0]);
    EXPECT_FALSE(system.changePending());
    EXPECT_EQ(system.changeCount(), 1) << "the frame clock restarts after a change";
}

TEST_F(SceneRequestTest, SceneSwitchingToItselfIsRebuiltAfterItsUpdate)
{
    raw[1]->scripts = {[this] { system.switchTo(1); }, Nothing()};
    Start(1);
    system.Update(0.016f);
    EXPECT_EQ(Take(), (Journal{"S1.clicked0", "S1.clicked1", "SaveProfile", "S1.Exit", "S1.Unload", "S1.Load",
                               "S1.Init"}));
    system.Update(0.016f);  // the rebuilt buttons work again
    EXPECT_EQ(Take(), (Journal{"S1.clicked0", "S1.clicked1", "SaveProfile", "S1.Exit", "S1.Unload", "S1.Load",
                               "S1.Init"}));
}

TEST_F(SceneRequestTest, RestartRebuildsAnOverlayInPlaceAndKeepsTheSceneUnderIt)
{
    raw[5]->scripts = {[this] { system.RestartCurrent(); }};
    Start(1);
    ASSERT_TRUE(system.pushScene(5));
    Take();
    system.Update(0.016f);
    EXPECT_EQ(Take(), (Journal{"S5.clicked0", "SaveProfile", "S5.Exit", "S5.Unload", "S5.Load", "S5.Init"}));
    EXPECT_EQ(system.current(), raw[5]);
    EXPECT_EQ(system.suspendedIndex(), 1);
    EXPECT_TRUE(system.overlayActive());
}

TEST_F(SceneRequestTest, PushOfTheCurrentSceneIsRefused)
{
    bool accepted = true;
    raw[1]->scripts = {[&] { accepted = system.pushScene(1); }};
    Start(1);
    system.Update(0.016f);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(Take(), (Journal{"S1.clicked0"})) << "the live scene is not loaded a second time";
    EXPECT_EQ(system.suspendedIndex(), -1);
    EXPECT_FALSE(system.overlayActive());
}

TEST_F(SceneRequestTest, PushOnAnOverlayIsRefusedAndTheBaseSceneStays)
{
    bool accepted = true;
    raw[5]->scripts = {[&] { accepted = system.pushScene(6); }};
    Start(1);
    ASSERT_TRUE(system.pushScene(5));
    system.Update(0.016f);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(system.current(), raw[5]);
    EXPECT_EQ(system.suspendedIndex(), 1);
    system.popScene();
    EXPECT_EQ(system.current(), raw[1]) << "one pop leads back to the battle";
    EXPECT_FALSE(system.overlayActive());
    Take();
    system.switchTo(0);
    EXPECT_EQ(Take(), (Journal{"SaveProfile", "S1.Exit", "S1.Unload", "S0.Load", "S0.Init"}));
}

TEST_F(SceneRequestTest, PopFromTheOverlaysOwnButtonWaitsForItsUpdate)
{
    raw[5]->scripts = {[this] { system.popScene(); }, Nothing()};
    Start(1);
    system.pushScene(5);
    Take();
    system.Update(0.016f);
    EXPECT_EQ(Take(), (Journal{"S5.clicked0", "S5.clicked1", "S5.Exit", "S5.Unload"}));
    EXPECT_EQ(system.current(), raw[1]);
    EXPECT_EQ(system.suspendedIndex(), -1);
}

TEST_F(SceneRequestTest, LaterRequestReplacesTheEarlierOne)
{
    raw[1]->scripts = {[this] { system.switchTo(0); }, [this] { system.switchTo(7); }};
    Start(1);
    system.Update(0.016f);
    EXPECT_EQ(system.current(), raw[7]);
    EXPECT_EQ(Take(), (Journal{"S1.clicked0", "S1.clicked1", "SaveProfile", "S1.Exit", "S1.Unload", "S7.Load",
                               "S7.Init"}));
}

TEST_F(SceneRequestTest, RequestFromRenderRunsAfterTheRender)
{
    raw[1]->onRender = [this] {
        system.switchTo(0);
        journal.push_back("rendered");
    };
    Start(1);
    system.Render();
    EXPECT_EQ(Take(), (Journal{"rendered", "SaveProfile", "S1.Exit", "S1.Unload", "S0.Load", "S0.Init"}));
}

TEST_F(SceneRequestTest, RequestFromTheEnteredScenesInitFollowsItsEntry)
{
    raw[8]->onInit = [this] {
        system.switchTo(0);
        journal.push_back("intro ready");
    };
    system.InitWith(std::move(list), 8);
    EXPECT_EQ(Take(), (Journal{"S8.Load", "S8.Init", "intro ready", "SaveProfile", "S8.Exit", "S8.Unload",
                               "S0.Load", "S0.Init"}));
    EXPECT_EQ(system.current(), raw[0]);
}

TEST_F(SceneRequestTest, SceneThatLeavesItselfOnEveryEntryDoesNotHang)
{
    raw[3]->onInit = [this] { system.switchTo(3); };
    Start(0);
    system.switchTo(3);
    EXPECT_FALSE(system.changePending());
    EXPECT_EQ(system.current(), raw[3]);
    int entries = 0;
    for (const std::string& line : Take()) entries += line == "S3.Load";
    EXPECT_LE(entries, 10);
}

TEST_F(SceneRequestTest, WindowEventHookMaySwitchScenes)
{
    struct ResizingScene : ButtonScene {
        using ButtonScene::ButtonScene;
        void OnResize(int, int) override { system->switchTo(2); }
        SceneSystem* system = nullptr;
    };
    // Scene 1 of this list changes scene from its resize hook, which runs between frames.
    SceneSystem other;
    std::vector<std::unique_ptr<Scene>> scenes;
    for (int i = 0; i < 3; ++i) scenes.push_back(std::make_unique<ResizingScene>("R" + std::to_string(i), journal));
    static_cast<ResizingScene*>(scenes[1].get())->system = &other;
    other.setProfileSaver([] {});
    other.InitWith(std::move(scenes), 1);
    other.Resize(800, 600);
    EXPECT_EQ(other.current(), other.sceneAt(2));
}
