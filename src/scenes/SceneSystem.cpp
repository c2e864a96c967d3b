#include "scenes/SceneSystem.h"

#include <cstdio>
#include <string>

#include "engine/Log.h"
#include "meta/Config.h"
#include "render/Font.h"
#include "render/ShaderLibrary.h"
#include "render/TextureLibrary.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneList.h"
#include "ui/Cursor.h"
#include "ui/Pointer.h"

namespace {
SceneSystem* instance = nullptr;
}

SceneSystem::SceneSystem() : System("Scene"), firstScene(kSceneIntro)
{
    instance = this;
    // Settings changes reach the scenes through the configuration's hook.
    SetSettingChangedHook([this] { NotifySettingChanged(); });
}

SceneSystem::~SceneSystem()
{
    // Scenes go from the last index to the first.
    while (!scenes.empty()) scenes.pop_back();
    if (instance == this) {
        instance = nullptr;
        SetSettingChangedHook(nullptr);
    }
}

SceneSystem* SceneSystem::Instance()
{
    return instance;
}

void SceneSystem::Init()
{
    print("SceneSystem: Init");
    InitWith(BuildSceneList(), firstScene);
}

void SceneSystem::InitWith(std::vector<std::unique_ptr<Scene>> list, int first)
{
    cam = std::make_unique<Camera>();
    cam->width = 1080;
    cam->height = 720;
    cam->update(0.0f);
    CreateRenderLibraries();
    cursor = std::make_unique<Cursor>();
    scenes = std::move(list);
    currentScene = nullptr;
    suspended = -1;
    overlay = false;
    if (sceneAt(first)) Enter(first);
}

void SceneSystem::CreateRenderLibraries()
{
    // Scenes load the programs they use; textures come from the "TextureMaster" list, with
    // "default" first so every other name can fall back to it.
    shaderLibrary = std::make_unique<ShaderLibrary>();
    textureLibrary = std::make_unique<TextureLibrary>();
    std::string fallback = std::string(TextureLibrary::kAssetDirectory) + "default.png";
    if (std::FILE* probe = std::fopen(fallback.c_str(), "rb")) {
        std::fclose(probe);
        textureLibrary->add_texture("default", false, 1, 1, false);
    } else {
        print("!!! - Default Texture NOT Found");
    }
    textureLibrary->loadList("TextureMaster");
    fontLibrary = std::make_unique<FontLibrary>();
    FontLibrary::SetActive(fontLibrary.get());
}

void SceneSystem::ReleaseRenderLibraries()
{
    FontLibrary::SetActive(nullptr);
    fontLibrary.reset();
    shaderLibrary.reset();
    textureLibrary.reset();
}

void SceneSystem::Enter(int index)
{
    currentScene = scenes[static_cast<std::size_t>(index)].get();
    currentScene->Load();
    currentScene->Init();
    currentScene->Enter();
}

void SceneSystem::Update(float dt)
{
    print("SceneSystem: Update");
    if (currentScene) print("Current Scene: ", currentScene->name);
    if (cam) cam->update(dt);
    // Widgets, cards and tiles all read this one picture of the mouse (and its press latch).
    ui::ReadPointerFromWindow();
    if (currentScene) currentScene->Update(dt);
    if (cursor) cursor->Update(dt);
}

void SceneSystem::Render()
{
    print("SceneSystem: Render");
    if (currentScene) currentScene->Render();
    if (cursor) cursor->Draw();
}

void SceneSystem::Exit()
{
    print("SceneSystem: Exit");
    cursor.reset();
    cam.reset();
    ReleaseRenderLibraries();
    while (!scenes.empty()) scenes.pop_back();
    currentScene = nullptr;
    suspended = -1;
}

Scene* SceneSystem::sceneAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(scenes.size())) return nullptr;
    return scenes[static_cast<std::size_t>(index)].get();
}

int SceneSystem::indexOf(const Scene* scene) const
{
    for (std::size_t i = 0; i < scenes.size(); ++i)
        if (scenes[i].get() == scene) return static_cast<int>(i);
    return -1;
}

bool SceneSystem::switchTo(int index)
{
    if (!sceneAt(index)) {
        print("Scene System: no scene at index ", index);
        return false;
    }
    SaveProfile();
    if (Scene* under = sceneAt(suspended)) {
        under->Exit();
        under->Unload();
    }
    suspended = -1;
    if (currentScene) {
        if (cam) cam->reset();
        currentScene->Exit();
        currentScene->Unload();
        print("Scene System: Switiching to Level", index);
        Enter(index);
    }
    overlay = false;
    return true;
}

bool SceneSystem::pushScene(int index)
{
    if (!sceneAt(index)) {
        print("Scene System: no scene at index ", index);
        return false;
    }
    if (!currentScene) {
        overlay = true;
        return true;
    }
    if (cam) cam->reset();
    suspended = indexOf(currentScene);
    Enter(index);
    overlay = true;
    return true;
}

void SceneSystem::popScene()
{
    if (currentScene && suspended != -1) {
        currentScene->Exit();
        currentScene->Unload();
        if (cam) cam->reset();
        currentScene = sceneAt(suspended);
        suspended = -1;
    }
    overlay = false;
}

void SceneSystem::Resize(int w, int h)
{
    width = w;
    height = h;
    if (cam) {
        cam->width = w;
        cam->height = h;
        cam->dirty = true;
        cam->cancelGlide = true;
    }
    if (currentScene) currentScene->OnResize(w, h);
    if (Scene* under = suspendedScene()) under->OnResize(w, h);
}

void SceneSystem::NotifyFocus(bool focused)
{
    if (currentScene) currentScene->OnFocus(focused);
    if (Scene* under = suspendedScene()) under->OnFocus(focused);
}

void SceneSystem::NotifyIconify(bool iconified)
{
    if (currentScene) currentScene->OnIconify(iconified);
    if (Scene* under = suspendedScene()) under->OnIconify(iconified);
}

void SceneSystem::NotifySettingChanged()
{
    if (currentScene) currentScene->OnSettingChanged();
    if (Scene* under = suspendedScene()) under->OnSettingChanged();
}
