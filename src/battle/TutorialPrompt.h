#pragma once
#include <functional>
#include <memory>

#include "meta/TutorialScript.h"

class ButtonPrompt;
class Map;

// The training exercise's explanations in the battle: the script's text in a prompt of its own,
// so none of the battle's questions (end turn, the turn banner, the pause book's) ever replaces a
// text the player has not read. While it is up it is the topmost receiver of the mouse and the
// battle takes no clicks. "End Tutorial" records side 1's win and the rounds played, then leaves.
class TutorialPrompt {
public:
    // `endTutorial` leaves the battle for the given scene (scenes/SceneIndex.h).
    TutorialPrompt(Map& map, std::function<void(int scene)> endTutorial);
    ~TutorialPrompt();

    // What the battle reports (BattleHooks): the turn banner's "Ready" in the map's round, a walk
    // of the wizard ending on a token and/or a "Fire_Tile", a token collected, the dummy gone.
    void OnReady();
    void OnWalkEnded(bool onToken, bool onFireTile);
    void OnTokenCollected();
    void OnDummyDestroyed();
    // The prompt's button ("Continue" or "End Tutorial"), as a click or the Enter key gives it.
    void Press();

    // Updates the prompt when shown; true when it is (it then holds the mouse).
    bool Update(float dt);
    void Draw();
    bool Shown() const;

    const TutorialScript& Script() const { return script; }
    ButtonPrompt& Widget() const { return *prompt; }

private:
    // Copies the script's prompt into the widget and locks the battle's clicks while it shows.
    void Sync();

    Map& map;
    std::function<void(int)> endTutorial;
    TutorialScript script;
    std::unique_ptr<ButtonPrompt> prompt;
    bool ended = false;
};
