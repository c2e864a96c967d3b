#include "scenes/SceneSystem.h"

#include <string>

#include "engine/Log.h"
#include "engine/RegularFile.h"
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

// Changes followed one after another before the chain is judged endless.
constexpr int kMaxChainedChanges = 8;

std::string Describe(const SceneRequest& request)
{
    switch (request.kind) {
    case SceneRequest::Kind::Switch: return "switch to scene " + std::to_string(request.index);
    case SceneRequest::Kind::Push: return "push of scene " + std::to_string(request.index);
    case SceneRequest::Kind::Pop: return "pop of the overlay";
    case SceneRequest::Kind::Restart: return "restart of scene " + std::to_string(request.index);
    }
    return "scene change";
}
}  // namespace

SceneSystem::SceneSystem() : System("Scene"), firstScene(kSceneIntro), saveProfile([] { SaveProfile(); })
{
    instance = this;
    // Settings changes reach the scenes through the configuration's hook.
    SetSettingChangedHook([this] { NotifySettingChanged(); });
}

SceneSystem::~SceneSystem()
{
    // Scenes go from the last index to the first, before the camera and libraries they use.
    DestroyScenes();
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
    pending.reset();
    if (sceneAt(first)) Guarded([&] { Enter(first); });
}

void SceneSystem::CreateRenderLibraries()
{
    // Scenes load the programs they use; textures come from the "TextureMaster" list, with
    // "default" first so every other name can fall back to it.
    shaderLibrary = std::make_unique<ShaderLibrary>();
    textureLibrary = std::make_unique<TextureLibrary>();
    std::string fallback = std::string(TextureLibrary::kAssetDirectory) + "default.png";
    if (files::IsRegular(fallback)) {
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

void SceneSystem::Leave(Scene* scene)
{
    scene->Exit();
    scene->Unload();
}

template <typename Callbacks>
void SceneSystem::Guarded(Callbacks&& callbacks)
{
    ++callbackDepth;
    callbacks();
    --callbackDepth;
    if (callbackDepth == 0) ApplyPending();
}

void SceneSystem::Update(float dt)
{
    print("SceneSystem: Update");
    if (currentScene) print("Current Scene: ", currentScene->name);
    if (cam) cam->update(dt);
    // Widgets, cards and tiles all read this one picture of the mouse (and its press latch).
    ui::ReadPointerFromWindow();
    if (currentScene) Guarded([&] { currentScene->Update(dt); });
    if (cursor) cursor->Update(dt);
}

void SceneSystem::Render()
{
    print("SceneSystem: Render");
    if (currentScene) Guarded([&] { currentScene->Render(); });
    if (cursor) cursor->Draw();
}

void SceneSystem::Exit()
{
    print("SceneSystem: Exit");
    pending.reset();
    // The scenes go first, last index first and without Exit/Unload: their objects point into
    // the camera and the libraries, which must outlive them.
    DestroyScenes();
    cursor.reset();
    cam.reset();
    ReleaseRenderLibraries();
}

void SceneSystem::DestroyScenes()
{
    currentScene = nullptr;
    suspended = -1;
    while (!scenes.empty()) scenes.pop_back();
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
    Request({SceneRequest::Kind::Switch, index});
    return true;
}

bool SceneSystem::pushScene(int index)
{
    if (!sceneAt(index)) {
        print("Scene System: no scene at index ", index);
        return false;
    }
    if (!PushAllowed(index)) return false;
    Request({SceneRequest::Kind::Push, index});
    return true;
}

void SceneSystem::popScene()
{
    Request({SceneRequest::Kind::Pop, suspended});
}

void SceneSystem::RestartCurrent()
{
    if (currentScene) Request({SceneRequest::Kind::Restart, indexOf(currentScene)});
}

bool SceneSystem::PushAllowed(int index) const
{
    if (currentScene && indexOf(currentScene) == index) {
        print("Scene System: refused to push scene ", index, ": it is the current scene");
        return false;
    }
    if (suspended != -1) {
        print("Scene System: refused to push scene ", index, ": an overlay is already up over scene ", suspended);
        return false;
    }
    return true;
}

void SceneSystem::Request(SceneRequest request)
{
    if (pending)
        print("Scene System: ", Describe(request), " replaces the pending ", Describe(*pending));
    pending = request;
    if (callbackDepth == 0) ApplyPending();
}

void SceneSystem::ApplyPending()
{
    // A scene being entered may ask for another change from its Load/Init/Enter; that one is
    // carried out next, but a chain that never settles (a scene that leaves itself on entry) is cut.
    for (int carried = 0; pending; ++carried) {
        if (carried == kMaxChainedChanges) {
            print("Scene System: too many scene changes in a row; dropped the ", Describe(*pending));
            pending.reset();
            return;
        }
        SceneRequest request = *pending;
        pending.reset();
        ++callbackDepth;
        Carry(request);
        --callbackDepth;
        ++changesCarried;
    }
}

void SceneSystem::Carry(const SceneRequest& request)
{
    switch (request.kind) {
    case SceneRequest::Kind::Switch: CarrySwitch(request.index); break;
    case SceneRequest::Kind::Push: CarryPush(request.index); break;
    case SceneRequest::Kind::Pop: CarryPop(); break;
    case SceneRequest::Kind::Restart: CarryRestart(); break;
    }
}

void SceneSystem::CarrySwitch(int index)
{
    if (saveProfile) saveProfile();
    if (Scene* under = sceneAt(suspended)) Leave(under);
    suspended = -1;
    if (currentScene) {
        if (cam) cam->reset();
        Leave(currentScene);
        print("Scene System: Switiching to Level", index);
        Enter(index);
    }
    overlay = false;
}

void SceneSystem::CarryPush(int index)
{
    if (!currentScene) {
        overlay = true;
        return;
    }
    if (cam) cam->reset();
    suspended = indexOf(currentScene);
    Enter(index);
    overlay = true;
}

void SceneSystem::CarryPop()
{
    if (currentScene && suspended != -1) {
        Leave(currentScene);
        if (cam) cam->reset();
        currentScene = sceneAt(suspended);
        suspended = -1;
    }
    overlay = false;
}

void SceneSystem::CarryRestart()
{
    if (!currentScene) return;
    int index = indexOf(currentScene);
    if (saveProfile) saveProfile();
    if (cam) cam->reset();
    Leave(currentScene);
    print("Scene System: Switiching to Level", index);
    Enter(index);
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
    Guarded([&] {
        if (currentScene) currentScene->OnResize(w, h);
        if (Scene* under = suspendedScene()) under->OnResize(w, h);
    });
}

void SceneSystem::NotifyFocus(bool focused)
{
    Guarded([&] {
        if (currentScene) currentScene->OnFocus(focused);
        if (Scene* under = suspendedScene()) under->OnFocus(focused);
    });
}

void SceneSystem::NotifyIconify(bool iconified)
{
    Guarded([&] {
        if (currentScene) currentScene->OnIconify(iconified);
        if (Scene* under = suspendedScene()) under->OnIconify(iconified);
    });
}

void SceneSystem::NotifySettingChanged()
{
    Guarded([&] {
        if (currentScene) currentScene->OnSettingChanged();
        if (Scene* under = suspendedScene()) under->OnSettingChanged();
    });
}
