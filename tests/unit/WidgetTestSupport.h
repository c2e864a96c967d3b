#pragma once
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "meta/Config.h"
#include "ui/Pointer.h"
#include "ui/WidgetSound.h"

// Drives the widgets headless: a fake mouse in interface coordinates (the default 1280 x 720
// viewport, no camera) and a record of the sounds they ask for.
class FakeMouse {
public:
    FakeMouse()
    {
        ui::ResetPointer();
        savedSfx = UserConfig.sfx;
        UserConfig.sfx = true;
        ui::SetWidgetSoundListener([this](const std::string& name) { sounds.push_back(name); });
    }
    ~FakeMouse()
    {
        ui::SetWidgetSoundListener(nullptr);
        UserConfig.sfx = savedSfx;
        ui::ResetPointer();
    }
    // One frame's mouse at interface position (x, y).
    void Frame(float x, float y, bool leftDown, bool rightDown = false)
    {
        ui::BeginPointerFrame(glm::vec2(x + 640.0f, 360.0f - y), leftDown, rightDown);
    }
    int Count(const std::string& sound) const
    {
        int n = 0;
        for (const std::string& s : sounds) n += s == sound ? 1 : 0;
        return n;
    }

    std::vector<std::string> sounds;

private:
    bool savedSfx = true;
};
