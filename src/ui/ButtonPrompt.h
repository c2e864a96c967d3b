#pragma once
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "objects/Object.h"

class SmartButton;
class Text;

// A yes/no style question: a 470 x 270 panel ("Cheat_Panel") at the centre of the screen, a white
// message 100 units above its centre and a row of 100 x 50 buttons 100 units below it (one at 0;
// two at -170 and +170; three or more spread evenly from -340 to +340). Keep rows at three buttons
// or fewer so the 200-pixel-wide buttons never overlap.
//
// The owner sets `visible` and binds each button:
//     prompt.buttons[0]->SetOnClick([this] { ... });
// A hidden prompt neither draws nor tests its buttons. A shown one is the topmost receiver: update
// it before anything it covers; its panel swallows presses that miss its buttons. The message is
// drawn at size 28 (SetMessageSize changes it) and wrapped to the panel.
class ButtonPrompt : public Object {
public:
    explicit ButtonPrompt(const std::string& message, const std::vector<std::string>& labels = {});
    ~ButtonPrompt() override;

    void AddButton(const std::string& labelText);
    void SetButtonTexture(const std::string& textureName);
    void SetMessage(const std::string& message);
    void SetMessageSize(float size);
    void SetPosition(glm::vec2 position);
    // The button with that caption, or nullptr.
    SmartButton* ButtonLabelled(const std::string& labelText) const;
    // Where button i of a row of n sits, relative to the prompt's centre.
    static glm::vec2 ButtonOffset(int index, int count);

    void Update(float dt) override;
    void Draw() override;

    std::unique_ptr<Text> message;
    // Darkens the screen behind a shown prompt, so the question stands out from the battle.
    std::unique_ptr<Object> dim;
    std::vector<std::unique_ptr<SmartButton>> buttons;
    bool visible = false;

private:
    void LayOutRow();
    void FitMessage();
    float messageSize = 28.0f;
};
