#pragma once
#include <functional>
#include <memory>

class ButtonPrompt;
class Map;

// The battle's questions: the turn banner ("Player N's Turn. Ready?"), the welcome prompt, the
// end-turn question and the prompt of a level that cannot be played. Which one shows follows the
// controls' model each frame; only a shown prompt is updated, and it is the topmost receiver of
// the mouse (nothing under it takes the press while it is up).
class BattlePrompts {
public:
    static constexpr const char* kWelcomeText =
        "Welcome to Primalites.\n\n1. Pick up tokens to gain spells. \n\n2. Cast spells to wreak havoc. \n\n3. Defeat "
        "your opponent's army.\n\n\nReady?";
    static constexpr const char* kEndTurnText = "Are you sure you want to end your turn?";
    static constexpr const char* kUnplayableText = "This level cannot be played.";

    // `leaveUnplayable` runs when "OK" is pressed on the unplayable level's prompt.
    BattlePrompts(Map& map, std::function<void()> leaveUnplayable);
    ~BattlePrompts();

    // Shows the prompt the model asks for (at most one: the first of unplayable, welcome, end
    // turn, banner) and lays it out at the screen centre.
    void Sync();
    // Updates the shown prompt; true when one is shown (it then holds the mouse).
    bool Update(float dt);
    void Draw();
    // The prompt on screen, or null.
    ButtonPrompt* Shown() const { return shown; }
    static std::string BannerText(int side);

    std::unique_ptr<ButtonPrompt> banner;
    std::unique_ptr<ButtonPrompt> welcome;
    std::unique_ptr<ButtonPrompt> endTurn;
    std::unique_ptr<ButtonPrompt> unplayable;

private:
    void Bind();

    Map& map;
    std::function<void()> leaveUnplayable;
    ButtonPrompt* shown = nullptr;
    int bannerSideShown = 0;
};
