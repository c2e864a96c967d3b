#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <glm/glm.hpp>

#include "objects/Object.h"

class SmartButton;

// The row of battle action buttons on its "Context_Panel" backdrop: a table of exactly six buttons
// ("Back", "Cast", "EndTurn", "Jump", "Walk", "PickUp") and the list of those shown, laid out left
// to right and centred on the bar's anchor point. The bar is as wide as the buttons it shows.
// Which buttons are shown is decided by the battle's controls; the bar only draws and runs them.
class ContextBar : public Object {
public:
    static constexpr std::array<const char*, 6> kButtonNames{"Back", "Cast", "EndTurn", "Jump", "Walk", "PickUp"};
    static constexpr glm::vec2 kButtonHalfSize{78.0f, 30.0f};
    static constexpr float kPanelMargin = 12.0f;

    ContextBar();
    ~ContextBar() override;

    static bool Known(const std::string& name);
    // The caption a button shows ("EndTurn" reads "End Turn").
    static std::string Caption(const std::string& name);
    // Appends a button to the shown row; an unknown name is refused with a log line.
    bool AddButton(const std::string& name);
    // Binds a button's action; an unknown name is refused with a log line.
    bool SetFunction(const std::string& name, std::function<void()> action);
    void ClearButtons();
    // Shows exactly these buttons, in this order (unknown names are refused one by one).
    void Show(const std::vector<std::string>& names);
    const std::vector<std::string>& Shown() const { return shown; }
    SmartButton* Button(const std::string& name) const;
    // The sum of the shown buttons' widths.
    float Width() const;
    // Where the row's centre sits, in interface units.
    void SetCentre(glm::vec2 centre);
    glm::vec2 Centre() const { return centre; }
    // Interface centre of the i-th shown button.
    glm::vec2 ButtonCentre(int index) const;

    // A disabled bar draws its buttons but neither hovers nor fires them (the input lock); its
    // panel still covers what lies beneath.
    bool enabled = true;
    bool visible = true;

    // Runs the shown buttons, topmost receiver rules (ui/Pointer.h): a fired action may change the
    // bar itself, so nothing of it is touched afterwards.
    void Update(float dt) override;
    void Draw() override;

private:
    void Layout();

    std::unordered_map<std::string, std::unique_ptr<SmartButton>> table;
    std::vector<std::string> shown;
    std::unique_ptr<Object> panel;
    glm::vec2 centre{0.0f, -320.0f};
};
