#include "ui/PausePanel.h"

#include <glm/glm.hpp>

#include "objects/AnchorTransform.h"
#include "render/Text.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"
#include "ui/SmartButton.h"

namespace {
const std::array<glm::vec2, PausePanel::kButtonCount> kOffsets = {{
    {296.0f, 160.0f}, {296.0f, 25.0f}, {-296.0f, 25.0f}, {-296.0f, -110.0f}, {296.0f, -110.0f},
}};
const glm::vec2 kBookHalf(640.0f, 360.0f);
const glm::vec2 kButtonHalf(130.0f, 30.0f);
const glm::vec4 kInk(46.0f / 255.0f, 34.0f / 255.0f, 47.0f / 255.0f, 1.0f);
}  // namespace

const std::array<const char*, PausePanel::kButtonCount> PausePanel::kLabels = {
    "Resume", "Restart", "Settings", "How To Play", "Quit",
};

PausePanel::PausePanel()
{
    name = "Pause_Panel";
    auto* placement = new AnchorTransform();
    placement->setScale(kBookHalf);
    AddComponent(placement);
    backdrop = ui::MakeSprite("Menu_Book", kBookHalf);
    title = ui::MakeLabel("Paused", 48.0f, kInk, kAlignCenter);
    title->setPosition(0.0f, 160.0f);
    for (int i = 0; i < kButtonCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        auto button = std::make_unique<SmartButton>(kButtonHalf.x, kButtonHalf.y, kOffsets[at], kLabels[at]);
        button->SetTexture("Book_Button_Frame2");
        buttons[at] = std::move(button);
    }
}

PausePanel::~PausePanel() = default;

SmartButton* PausePanel::Button(const std::string& label) const
{
    for (int i = 0; i < kButtonCount; ++i)
        if (label == kLabels[static_cast<std::size_t>(i)]) return buttons[static_cast<std::size_t>(i)].get();
    return nullptr;
}

bool PausePanel::SetAction(const std::string& label, std::function<void()> action)
{
    SmartButton* button = Button(label);
    if (!button) return false;
    button->SetOnClick(std::move(action));
    return true;
}

void PausePanel::Update(float dt)
{
    Object::Update(dt);
    backdrop->Update(dt);
    title->Update(dt);
    for (auto& button : buttons) {
        const bool pressOpen = ui::PressAvailable();
        button->Update(dt);
        if (pressOpen && !ui::PressAvailable()) return;
    }
    // The book covers the whole battle: nothing beneath it gets the mouse.
    ui::BlockPointer(this, true);
}

void PausePanel::Draw()
{
    backdrop->Draw();
    title->Draw();
    for (auto& button : buttons) button->Draw();
}
