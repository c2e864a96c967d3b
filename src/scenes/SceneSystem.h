#pragma once
#include <memory>
#include <vector>

#include "engine/System.h"
#include "scenes/Camera.h"
#include "scenes/Scene.h"

class Cursor;
class FontLibrary;
class ShaderLibrary;
class TextureLibrary;

// Owns the fixed list of scenes, the current scene, at most one scene suspended under an overlay,
// and the camera. Switches run immediately inside the call that asks for them.
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

    // Each returns false, changing nothing, when the index is outside the list.
    bool switchTo(int index);
    bool pushScene(int index);
    void popScene();

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
    void Enter(int index);

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
};
