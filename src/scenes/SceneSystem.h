#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/System.h"
#include "scenes/Camera.h"
#include "scenes/Scene.h"

class Cursor;
class FontLibrary;
class ShaderLibrary;
class TextureLibrary;

// A scene change waiting for the scene callback that asked for it to return.
struct SceneRequest {
    enum class Kind { Switch, Push, Pop, Restart };
    Kind kind = Kind::Switch;
    int index = -1;
};

// Owns the fixed list of scenes, the current scene, at most one scene suspended under an overlay,
// and the camera. A change asked for inside a scene callback (a button handler in Update, a key in
// Render, Load/Init/Enter of the scene being entered) is recorded and carried out as soon as that
// callback returns, in the same frame: nothing the caller stands on is freed under it. Asked for
// from outside every scene callback (window events, tests) it runs at once.
class SceneSystem : public System {
public:
    SceneSystem();
    ~SceneSystem() override;

    // The live instance, or nullptr when the engine has not created it (e.g. in unit tests).
    static SceneSystem* Instance();

    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;

    // The scene Init enters (the intro unless the command line asks for another).
    void setFirstScene(int index) { firstScene = index; }
    // Installs a scene list and enters `first` (Init uses the game's list; tests use their own).
    void InitWith(std::vector<std::unique_ptr<Scene>> list, int first);

    // Each returns false, changing nothing, when the index is outside the list. A push of the
    // current scene or a push while an overlay is up is refused (false and one log line): there is
    // one overlay level, and the scene under it must stay the base scene.
    bool switchTo(int index);
    bool pushScene(int index);
    void popScene();
    // Rebuilds the current scene in place ("retry"): profile saved, Exit, Unload, Load, Init,
    // Enter; an overlay and the scene under it stay as they are.
    void RestartCurrent();
    // How many changes were carried out so far (the frame clock restarts after one).
    long changeCount() const { return changesCarried; }
    // Whether a change is recorded and not yet carried out.
    bool changePending() const { return pending.has_value(); }
    // What a switch saves first; the player profile unless a test installs its own.
    void setProfileSaver(std::function<void()> saver) { saveProfile = std::move(saver); }

    // Resize, focus and iconify reach the current scene and the suspended one.
    void Resize(int width, int height);
    void NotifyFocus(bool focused);
    void NotifyIconify(bool iconified);
    void NotifySettingChanged();

    Scene* current() const { return currentScene; }
    Camera* camera() const { return cam.get(); }
    ShaderLibrary* shaders() const { return shaderLibrary.get(); }
    TextureLibrary* textures() const { return textureLibrary.get(); }
    FontLibrary* fonts() const { return fontLibrary.get(); }
    Scene* sceneAt(int index) const;
    int sceneCount() const { return static_cast<int>(scenes.size()); }
    int indexOf(const Scene* scene) const;
    int screenWidth() const { return width; }
    int screenHeight() const { return height; }
    int suspendedIndex() const { return suspended; }
    bool overlayActive() const { return overlay; }
    Scene* suspendedScene() const { return sceneAt(suspended); }

private:
    // Runs scene callbacks with changes deferred, then carries out what they asked for.
    template <typename Callbacks>
    void Guarded(Callbacks&& callbacks);
    void Request(SceneRequest request);
    void ApplyPending();
    void Carry(const SceneRequest& request);
    void CarrySwitch(int index);
    void CarryPush(int index);
    void CarryPop();
    void CarryRestart();
    bool PushAllowed(int index) const;
    void Enter(int index);
    void Leave(Scene* scene);
    void DestroyScenes();

    std::vector<std::unique_ptr<Scene>> scenes;
    Scene* currentScene = nullptr;
    void CreateRenderLibraries();
    void ReleaseRenderLibraries();

    std::unique_ptr<Camera> cam;
    std::unique_ptr<ShaderLibrary> shaderLibrary;
    std::unique_ptr<TextureLibrary> textureLibrary;
    std::unique_ptr<FontLibrary> fontLibrary;
    // The game's mouse pointer, updated and drawn after the current scene.
    std::unique_ptr<Cursor> cursor;
    int width = 1280;
    int height = 720;
    int suspended = -1;
    bool overlay = false;
    int firstScene;
    std::optional<SceneRequest> pending;
    int callbackDepth = 0;
    long changesCarried = 0;
    std::function<void()> saveProfile;
};
