#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "objects/Object.h"

class SmartButton;
class Text;

// The pause book: "Menu_Book" (1280 x 720) centred on the screen, the title "Paused" and five
// buttons on "Book_Button_Frame2": "Resume", "Restart", "Settings", "How To Play", "Quit". The
// battle binds them with SetAction. While it is shown it is the only receiver of the mouse (an
// open question drawn above it is updated first).
class PausePanel : public Object {
public:
    static constexpr int kButtonCount = 5;
    static const std::array<const char*, kButtonCount> kLabels;

    PausePanel();
    ~PausePanel() override;

    // Binds the button with that caption; false when there is none.
    bool SetAction(const std::string& label, std::function<void()> action);
    SmartButton* Button(const std::string& label) const;

    // Runs the buttons; a button's action may end the pause (or the scene): nothing of the panel
    // is touched after one fired.
    void Update(float dt) override;
    void Draw() override;

    std::unique_ptr<Object> backdrop;
    std::unique_ptr<Text> title;
    std::array<std::unique_ptr<SmartButton>, kButtonCount> buttons;
};
