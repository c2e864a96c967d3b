#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenes/SceneSystem.h"

namespace {

// Records every lifecycle call of every scene into one shared journal.
class RecordingScene : public Scene {
public:
    RecordingScene(std::string name, std::vector<std::string>& journal) : Scene(std::move(name)), journal(journal) {}
    void Load() override { Note("Load"); }
    void Init() override { Note("Init"); state = 0; }
    void Enter() override { Note("Enter"); }
    void Update(float) override { ++state; }
    void Render() override {}
    void Exit() override { Note("Exit"); }
    void Unload() override { Note("Unload"); }
    void OnResize(int w, int) override { Note("Resize" + std::to_string(w)); }
    int state = 0;

private:
    void Note(const std::string& what) { journal.push_back(name + "." + what); }
    std::vector<std::string>& journal;
};

class SceneSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::unique_ptr<Scene>> list;
        for (int i = 0; i < 14; ++i) list.push_back(std::make_unique<RecordingScene>("S" + std::to_string(i), journal));
        system.InitWith(std::move(list), 8);
    }
    RecordingScene* At(int i) { return static_cast<RecordingScene*>(system.sceneAt(i)); }
    std::vector<std::string> Take() { return std::exchange(journal, {}); }

    std::vector<std::string> journal;
    SceneSystem system;
};

using Journal = std::vector<std::string>;

}  // namespace

TEST_F(SceneSystemTest, StartEntersOnlyTheFirstSceneInOrder)
{
    EXPECT_EQ(Take(), (Journal{"S8.Load", "S8.Init", "S8.Enter"}));
    EXPECT_EQ(system.current(), At(8));
    EXPECT_EQ(system.camera()->width, 1080) << "the camera starts at 1080 x 720 until the first resize";
}

TEST_F(SceneSystemTest, SwitchExitsOldSceneThenEntersNewOne)
{
    Take();
    system.camera()->setPosition(50, 50);
    EXPECT_TRUE(system.switchTo(0));
    EXPECT_EQ(Take(), (Journal{"S8.Exit", "S8.Unload", "S0.Load", "S0.Init", "S0.Enter"}));
    EXPECT_EQ(system.camera()->position, glm::vec4(0, 0, 0, 1));
}

TEST_F(SceneSystemTest, IndexOutsideTheListChangesNothing)
{
    Take();
    EXPECT_FALSE(system.switchTo(14));
    EXPECT_FALSE(system.switchTo(-1));
    EXPECT_FALSE(system.pushScene(99));
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(system.current(), At(8));
}

TEST_F(SceneSystemTest, OverlayKeepsSuspendedSceneUntouched)
{
    system.switchTo(1);
    system.Update(0.1f);
    system.Update(0.1f);
    Take();
    system.camera()->zoomBy(0.5f);
    EXPECT_TRUE(system.pushScene(5));
    EXPECT_EQ(Take(), (Journal{"S5.Load", "S5.Init", "S5.Enter"}));
    EXPECT_EQ(system.suspendedIndex(), 1);
    EXPECT_TRUE(system.overlayActive());
    EXPECT_FLOAT_EQ(system.camera()->zoom, 1.0f);
    system.Update(0.1f);
    EXPECT_EQ(At(1)->state, 2) << "a suspended scene is not updated";
    system.Resize(1280, 720);
    EXPECT_EQ(Take(), (Journal{"S5.Resize1280", "S1.Resize1280"}));
    system.popScene();
    EXPECT_EQ(Take(), (Journal{"S5.Exit", "S5.Unload"}));
    EXPECT_EQ(system.current(), At(1));
    EXPECT_EQ(At(1)->state, 2);
    EXPECT_EQ(system.suspendedIndex(), -1);
    EXPECT_FALSE(system.overlayActive());
}

TEST_F(SceneSystemTest, SwitchDuringOverlayExitsBoth)
{
    system.switchTo(1);
    system.pushScene(6);
    Take();
    system.switchTo(7);
    EXPECT_EQ(Take(), (Journal{"S1.Exit", "S1.Unload", "S6.Exit", "S6.Unload", "S7.Load", "S7.Init", "S7.Enter"}));
    EXPECT_EQ(system.suspendedIndex(), -1);
    EXPECT_FALSE(system.overlayActive());
}

TEST_F(SceneSystemTest, PopWithoutSuspendedSceneOnlyClearsOverlayFlag)
{
    Take();
    system.popScene();
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(system.current(), At(8));
    EXPECT_FALSE(system.overlayActive());
}

TEST_F(SceneSystemTest, ResizeReachesCameraAndDropsPendingGlide)
{
    system.camera()->pushTarget(300, 0, 1, false);
    system.Resize(1920, 1080);
    EXPECT_EQ(system.screenWidth(), 1920);
    EXPECT_EQ(system.camera()->width, 1920);
    system.Update(0.5f);
    EXPECT_TRUE(system.camera()->targets.empty());
    EXPECT_FLOAT_EQ(system.camera()->position.x, 0.0f);
}
