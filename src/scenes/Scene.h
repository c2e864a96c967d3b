#pragma once
#include <string>

// Everything on screen belongs to a scene. A scene may be entered many times: each entry runs
// Load, Init, Enter again, so it releases in Exit/Unload what it made in Load/Init.
class Scene {
public:
    explicit Scene(std::string name) : name(std::move(name)) {}
    // Virtual so the scene system can destroy scenes through this base.
    virtual ~Scene() = default;

    virtual void Load() = 0;
    virtual void Init() = 0;
    virtual void Enter() {}
    virtual void Update(float dt) = 0;
    virtual void Render() = 0;
    virtual void Exit() = 0;
    virtual void Unload() = 0;

    virtual void OnResize(int width, int height) { (void)width, (void)height; }
    virtual void OnSettingChanged() {}
    virtual void OnFocus(bool focused) { (void)focused; }
    virtual void OnIconify(bool iconified) { (void)iconified; }
    virtual void OnMusicSwitch(bool first, bool second) { (void)first, (void)second; }

    std::string name;
};
