#pragma once
#include <string>

// The training exercise's guide: which explanation the battle's tutorial prompt shows, driven
// by the player's progress (Ready, walks, token pick-ups, the dummy) and by "Continue" presses.
// Plain logic: the battle feeds it events and draws whatever prompt it describes.
class TutorialScript {
public:
    // What the tutorial prompt shows.
    struct Prompt {
        std::string text;
        std::string button;  // "Continue" or "End Tutorial"
        bool visible = false;
    };

    // What a press of the prompt's button asks of the battle.
    enum class Press { Nothing, Advanced, Closed, EndTutorial };

    // The turn banner's "Ready" in the given round.
    void OnReady(int round);
    // A walk of the tutorial wizard ended on a token / on a "Fire_Tile".
    void OnWalkEnded(bool onToken, bool onFireTile);
    void OnTokenCollected();
    // The "Training_Dummy" is gone: the exercise is complete and side 1 has won.
    void OnDummyDestroyed();
    Press OnButton();

    const Prompt& CurrentPrompt() const { return prompt; }
    int Milestone() const { return milestone; }
    int Step() const { return step; }
    bool Completed() const { return completed; }
    // 0-based winning side once completed, -1 before.
    int Winner() const { return completed ? 0 : -1; }

    // Fireballs granted by a token in the tutorial to a wizard holding n non-Cantrip spells.
    static int FireballsFor(int nonCantrips);

private:
    void Raise(int newMilestone, int newStep);

    Prompt prompt;
    int milestone = 0;
    int step = 0;
    bool closeOnNextPress = false;
    bool completed = false;
};
