#include "battle/PauseMenu.h"

#include "battle/Map.h"
#include "ui/ButtonPrompt.h"
#include "ui/PausePanel.h"
#include "ui/SmartButton.h"

PauseMenu::PauseMenu(Map& owner, std::function<void(BattleLeave)> leaveAction) : map(owner), leave(std::move(leaveAction))
{
    panel = std::make_unique<PausePanel>();
    exitPrompt = std::make_unique<ButtonPrompt>(kExitText, std::vector<std::string>{"Yes", "No"});
    restartPrompt = std::make_unique<ButtonPrompt>(kRestartText, std::vector<std::string>{"Yes", "No"});
    Bind();
}

PauseMenu::~PauseMenu() = default;

void PauseMenu::Bind()
{
    panel->SetAction("Resume", [this] { map.PressEscape(); });
    panel->SetAction("Restart", [this] { restartPrompt->visible = true; });
    panel->SetAction("Quit", [this] {
        exitPrompt->visible = true;
        exitFlag = true;
    });
    panel->SetAction("Settings", [this] {
        pressed = BattleLeave::Settings;
        leaveRequest = true;
    });
    panel->SetAction("How To Play", [this] {
        pressed = BattleLeave::HowToPlay;
        leaveRequest = true;
    });
    for (ButtonPrompt* prompt : {exitPrompt.get(), restartPrompt.get()}) {
        prompt->buttons[0]->SetOnClick([this] { leaveRequest = true; });
        prompt->buttons[1]->SetOnClick([this, prompt] {
            leaveRequest = false;
            exitFlag = false;
            prompt->visible = false;
        });
    }
}

void PauseMenu::Update(float dt)
{
    pressed = BattleLeave::None;
    ButtonPrompt* open = exitPrompt->visible ? exitPrompt.get() : restartPrompt->visible ? restartPrompt.get() : nullptr;
    if (open) {
        open->SetPosition(glm::vec2(0.0f));
        open->Update(dt);
    } else {
        panel->Update(dt);
    }
    if (leaveRequest) ActOnRequest();
}

void PauseMenu::ActOnRequest()
{
    BattleLeave where = BattleLeave::Restart;
    if (pressed == BattleLeave::Settings)
        where = BattleLeave::Settings;
    else if (pressed == BattleLeave::HowToPlay)
        where = BattleLeave::HowToPlay;
    else if (exitFlag)
        where = BattleLeave::MainMenu;
    leaveRequest = false;
    pressed = BattleLeave::None;
    if (where == BattleLeave::MainMenu || where == BattleLeave::Restart) {
        exitFlag = false;
        exitPrompt->visible = false;
        restartPrompt->visible = false;
    }
    if (leave) leave(where);
}

void PauseMenu::OnUnpaused()
{
    exitPrompt->visible = false;
    restartPrompt->visible = false;
    leaveRequest = false;
    exitFlag = false;
    pressed = BattleLeave::None;
}

void PauseMenu::Draw()
{
    panel->Draw();
    if (exitPrompt->visible) exitPrompt->Draw();
    if (restartPrompt->visible) restartPrompt->Draw();
}
