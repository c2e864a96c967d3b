#pragma once

// The intro's clock: three logo cards of three seconds each, each fading in and then out, and the
// skips that jump to the next card. Kept apart from the scene so the timing is tested headless.
class IntroTimeline {
public:
    static constexpr int kCards = 3;
    static constexpr float kCardSeconds = 3.0f;

    // Advances the clock (the very first call only starts it at 0) and the fade of the card shown.
    void Update(float dt);
    // Jumps to the start of the next card (3, 6 or 9 s) with the fade back at 0.
    void Skip();

    // The card shown (0-2), or -1 once all three are over.
    int Card() const;
    // Fading in during the first 2.5 s of a card, out after.
    bool FadingIn() const;
    bool Finished() const { return Card() < 0; }
    float Alpha() const { return alpha; }
    float Time() const { return t; }

private:
    float t = 0.0f;
    float alpha = 0.0f;
    bool started = false;
};

// What the intro reads of the mouse and keys in one update.
struct IntroInput {
    bool leftDown = false;   // left mouse button held
    bool rightDown = false;  // right mouse button held
    bool keyTapped = false;  // Escape, Space or Enter released since the last update
};

// At most one skip per update: a new left press (through the shared press latch, which the intro
// clears whenever the left button is up), a held right button (every update), or a key tap.
bool IntroWantsSkip(const IntroInput& input, bool& pressLatch);
