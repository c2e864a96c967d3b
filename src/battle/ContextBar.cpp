#include "battle/ContextBar.h"

#include <algorithm>

#include "engine/Log.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"
#include "ui/SmartButton.h"

ContextBar::ContextBar()
{
    name = "ContextBar";
    for (const char* buttonName : kButtonNames) {
        auto button = std::make_unique<SmartButton>(kButtonHalfSize.x, kButtonHalfSize.y, glm::vec2(0.0f), Caption(buttonName));
        button->name = buttonName;
        table.emplace(buttonName, std::move(button));
    }
    panel = ui::MakeSprite("Context_Panel", glm::vec2(kButtonHalfSize.x, kButtonHalfSize.y + kPanelMargin));
    Layout();
}

ContextBar::~ContextBar() = default;

bool ContextBar::Known(const std::string& buttonName)
{
    return std::find(kButtonNames.begin(), kButtonNames.end(), buttonName) != kButtonNames.end();
}

std::string ContextBar::Caption(const std::string& buttonName)
{
    if (buttonName == "EndTurn") return "End Turn";
    if (buttonName == "PickUp") return "Pick Up";
    return buttonName;
}

bool ContextBar::AddButton(const std::string& buttonName)
{
    if (!Known(buttonName)) {
        print("! Button name failed to add, name doesnt exist :/");
        return false;
    }
    shown.push_back(buttonName);
    Layout();
    return true;
}

bool ContextBar::SetFunction(const std::string& buttonName, std::function<void()> action)
{
    auto found = table.find(buttonName);
    if (found == table.end()) {
        print("! Button failed to set function, name doesnt exist :/");
        return false;
    }
    found->second->SetOnClick(std::move(action));
    return true;
}

void ContextBar::ClearButtons()
{
    shown.clear();
    Layout();
}

void ContextBar::Show(const std::vector<std::string>& names)
{
    if (names == shown) return;
    shown.clear();
    for (const std::string& buttonName : names) AddButton(buttonName);
    Layout();
}

SmartButton* ContextBar::Button(const std::string& buttonName) const
{
    auto found = table.find(buttonName);
    return found == table.end() ? nullptr : found->second.get();
}

float ContextBar::Width() const
{
    return static_cast<float>(shown.size()) * kButtonHalfSize.x * 2.0f;
}

void ContextBar::SetCentre(glm::vec2 where)
{
    if (where == centre) return;
    centre = where;
    Layout();
}

glm::vec2 ContextBar::ButtonCentre(int index) const
{
    float left = centre.x - Width() * 0.5f;
    return {left + kButtonHalfSize.x * (2.0f * static_cast<float>(index) + 1.0f), centre.y};
}

void ContextBar::Layout()
{
    for (std::size_t i = 0; i < shown.size(); ++i) table.at(shown[i])->SetPosition(ButtonCentre(static_cast<int>(i)));
    glm::vec2 half(std::max(Width() * 0.5f, 1.0f) + kPanelMargin, kButtonHalfSize.y + kPanelMargin);
    ui::PlaceSprite(*panel, centre, half);
}

void ContextBar::Update(float dt)
{
    if (!visible || shown.empty()) return;
    // Copies: an action may change the row (or end the battle scene) while it runs.
    std::vector<std::string> row = shown;
    for (const std::string& buttonName : row) {
        SmartButton& button = *table.at(buttonName);
        button.active = enabled;
        if (!enabled) continue;
        button.Update(dt);
        // The press is used up and the action may have rebuilt the row: stop here.
        if (button.clicked) return;
    }
    glm::vec2 half(Width() * 0.5f + kPanelMargin, kButtonHalfSize.y + kPanelMargin);
    ui::BlockPointer(this, ui::InsideRect(ui::CursorUi(), centre, half));
    panel->Update(dt);
}

void ContextBar::Draw()
{
    if (!visible || shown.empty()) return;
    panel->Draw();
    for (const std::string& buttonName : shown) {
        SmartButton& button = *table.at(buttonName);
        bool wasActive = button.active;
        // A disabled bar still shows its buttons.
        button.active = true;
        button.Draw();
        button.active = wasActive;
    }
}
