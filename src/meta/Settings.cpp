#include "meta/Settings.h"

#include <GLFW/glfw3.h>

#include "engine/Log.h"
#include "meta/Config.h"
#include "meta/FrontEndKit.h"
#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "render/Background.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "scenes/ClearScreen.h"
#include "ui/Slider.h"
#include "ui/SmartButton.h"

namespace {

struct Toggle {
    const char* label;
    int setting;
};
constexpr Toggle kToggles[] = {
    {"Full Screen", kSettingFullscreen}, {"Contrast", kSettingHighContrast}, {"Music", kSettingMusic},
    {"SFX", kSettingSfx},                {"Toggle HP Bar", kSettingHealthBars}, {"Low FPS", kSettingLowFps},
    {"Hardware Cursor", kSettingHardwareCursor},
};
// The controls stand this far right of their row's label.
constexpr float kControlOffset = 540.0f;
constexpr glm::vec4 kLabelInk{0.96f, 0.93f, 0.85f, 1.0f};

MonitorSize PrimaryMonitor()
{
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode) return {};
    return {mode->width, mode->height};
}

const char* Caption(int setting)
{
    return GetSetting(setting) ? "x" : "";
}

}  // namespace

Settings::Settings() : Scene("Settings") {}
Settings::~Settings() = default;

void Settings::Load()
{
    if (ShaderLibrary* shaders = render::Shaders())
        LoadPrograms(*shaders, {"static", "text", "button", "background", "basic"});
}

void Settings::Init()
{
    layout = BuiltInSettingsLayout();
    backdrop = frontend::MakeBackdrop(Background::kWood);
    BuildPanels();
    BuildRows();
    BuildSliders();
    back = frontend::MakeBackButton();
    back->SetOnClick([this] { leave = true; });
    leave = false;
    ApplyLayout();
    glm::ivec2 viewport = render::ViewportSize();
    OnResize(viewport.x, viewport.y);
}

void Settings::BuildPanels()
{
    for (const char* name : {"title_panel", "settings_panel"}) {
        // Drawn in interface space, so the panels stay behind their rows when the camera keys move.
        auto panel = frontend::MakePicture("None", glm::vec2(0.0f), glm::vec2(100.0f), "static", "PanelMesh");
        panel->name = name;
        panels[name] = std::move(panel);
    }
    banner = frontend::MakePicture("Title_Banner", glm::vec2(0.0f), glm::vec2(200.0f, 50.0f));
    texts["Settings"] = frontend::MakeText("Settings", glm::vec2(0.0f), 44.0f, frontend::kDarkInk);
}

void Settings::BuildRows()
{
    for (const char* row : kSettingsRows) texts[row] = frontend::MakeText(row, glm::vec2(0.0f), 30.0f, kLabelInk);
    for (const Toggle& toggle : kToggles) {
        auto button = std::make_unique<SmartButton>(22.0f, 22.0f, glm::vec2(0.0f), Caption(toggle.setting));
        button->name = toggle.label;
        SmartButton* raw = button.get();
        const int setting = toggle.setting;
        button->SetOnClick([raw, setting] {
            SetSetting(setting, !GetSetting(setting));
            raw->SetLabel(Caption(setting));
        });
        toggles[toggle.label] = std::move(button);
    }
}

void Settings::BuildSliders()
{
    resolution = std::make_unique<Slider>(nullptr, SliderLayout{0.0f, 0.0f, 150.0f, 22.0f});
    resolution->name = "Resolution";
    const int offered = settingschoices::ResolutionItemCount(PrimaryMonitor());
    for (int i = 0; i < offered; ++i) {
        Resolution size = ResolutionAt(i);
        resolution->AddItem(settingschoices::ResolutionLabel(i), [size] {
            UserConfig.resolution = NearestResolutionIndex(static_cast<int>(size.width), static_cast<int>(size.height));
            SaveConfig();
            ApplyDisplaySettings();
        });
    }
    resolution->SetIndex(settingschoices::InitialResolutionItem(UserConfig.resolution, offered));

    sensitivity = std::make_unique<Slider>(nullptr, SliderLayout{0.0f, 0.0f, 150.0f, 22.0f});
    sensitivity->name = "Sensitivity";
    for (int value = 1; value <= 5; ++value) {
        sensitivity->AddItem(std::to_string(value), [value] {
            UserConfig.sensitivity = value;
            SaveConfig();
            ApplyCursorSetting();
        });
    }
    sensitivity->SetIndex(settingschoices::InitialSensitivityItem(UserConfig.sensitivity));
}

void Settings::Enter()
{
    switch (ReadSettingsLayout(kSettingsLayoutFile, layout)) {
    case LayoutRead::CannotOpen: print("Settings Read: Couldn't open ", kSettingsLayoutFile); break;
    case LayoutRead::CannotParse: print("Settings Read: Couldn't parse ", kSettingsLayoutFile); break;
    case LayoutRead::Ok: break;
    }
    ApplyLayout();
}

void Settings::ApplyLayout()
{
    for (auto& [name, panel] : panels) {
        auto* placement = panel->Get<AnchorTransform>();
        if (auto scale = layout.panelScales.find(name); scale != layout.panelScales.end()) placement->setScale(scale->second);
        if (auto at = layout.panelPositions.find(name); at != layout.panelPositions.end())
            placement->setAnchor(AnchorTransform::anchorFromName(at->second.anchor), at->second.percentage);
    }
    for (auto& [name, text] : texts) {
        if (auto at = layout.textPositions.find(name); at != layout.textPositions.end()) text->setPosition(at->second.x, at->second.y);
        if (auto size = layout.textFontSizes.find(name); size != layout.textFontSizes.end()) {
            text->setScale(size->second);
            text->setAlignment(kAlignLeft, kAlignMiddle);
        }
    }
    // The title stays centred on its banner whatever the file says about its letters.
    texts["Settings"]->setAlignment(kAlignCenter, kAlignMiddle);
    PlaceRows();
}

void Settings::PlaceRows()
{
    const auto rows = SettingsRowPositions(layout);
    for (std::size_t i = 0; i < kSettingsRows.size(); ++i) {
        const std::string name = kSettingsRows[i];
        const glm::vec2 row = rows[i];
        if (i >= 2) texts[name]->setPosition(row.x, row.y);
        const glm::vec2 control(row.x + kControlOffset, row.y);
        if (auto toggle = toggles.find(name); toggle != toggles.end()) toggle->second->SetPosition(control);
        if (name == "Resolution") resolution->layout.x = control.x, resolution->layout.y = control.y;
        if (name == "Sensitivity") sensitivity->layout.x = control.x, sensitivity->layout.y = control.y;
    }
    const glm::vec2 title = texts["Settings"]->Placement()->position;
    banner->Get<AnchorTransform>()->setPosition(title);
}

void Settings::Update(float dt)
{
    backdrop->Update(dt);
    for (auto& [name, panel] : panels) panel->Update(dt);
    banner->Update(dt);
    for (auto& [name, text] : texts) text->Update(dt);
    back->Update(dt);
    for (auto& [name, toggle] : toggles) toggle->Update(dt);
    resolution->Update(dt);
    sensitivity->Update(dt);
    if (!leave) return;
    leave = false;
    frontend::LeaveScreen();
}

void Settings::Render()
{
    ClearScreen(0.0f, 0.0f, 0.0f);
    backdrop->Draw();
    panels["settings_panel"]->Draw();
    panels["title_panel"]->Draw();
    banner->Draw();
    for (auto& [name, text] : texts) text->Draw();
    for (auto& [name, toggle] : toggles) toggle->Draw();
    resolution->Draw();
    sensitivity->Draw();
    back->Draw();
}

void Settings::Exit()
{
    print(name, " Scene: Exit");
}

void Settings::Unload()
{
    back.reset();
    sensitivity.reset();
    resolution.reset();
    toggles.clear();
    texts.clear();
    banner.reset();
    panels.clear();
    backdrop.reset();
}

void Settings::OnResize(int width, int height)
{
    if (backdrop) backdrop->size = frontend::BackdropSize(width, height);
}
