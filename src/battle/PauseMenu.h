#pragma once
#include <functional>
#include <memory>

class ButtonPrompt;
class Map;
class PausePanel;

// Where the battle asks to go when it is left through the pause book.
enum class BattleLeave { None, Settings, HowToPlay, MainMenu, Restart };

// The pause book's buttons and the leave request they raise. "Resume" unpauses as Escape does;
// "Restart" and "Quit" ask first; "Settings" and "How To Play" leave at once (as overlays). While
// the battle is paused the book and the question it opened are the only receivers, the question
// on top; the request is carried out after the buttons ran, in the order settings, how to play,
// quit, restart, then cleared.
class PauseMenu {
public:
    static constexpr const char* kExitText = "Are you sure you want to exit?\n The game will not be saved.";
    static constexpr const char* kRestartText = "Are you sure you want to restart?\n This game will not be saved.";

    // `leave` carries a request out (the scene system in the game, a recorder in tests).
    PauseMenu(Map& map, std::function<void(BattleLeave)> leave);
    ~PauseMenu();

    // Runs while paused: the open question or the book, then the leave request.
    void Update(float dt);
    void Draw();
    // Unpausing closes the questions and forgets the request and the exit flag.
    void OnUnpaused();

    std::unique_ptr<PausePanel> panel;
    std::unique_ptr<ButtonPrompt> exitPrompt;
    std::unique_ptr<ButtonPrompt> restartPrompt;
    bool leaveRequest = false;
    bool exitFlag = false;

private:
    void Bind();
    void ActOnRequest();

    Map& map;
    std::function<void(BattleLeave)> leave;
    BattleLeave pressed = BattleLeave::None;  // which book button raised the request
};
