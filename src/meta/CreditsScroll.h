#pragma once

// The credits' motion: the text rises from the bottom edge at 50 units a second (16 times faster
// while Space is held); once it is 2352 units past the top edge the closing words fade in and out
// over five seconds and the screen closes. Headless, so the timing is tested without a window.
class CreditsScroll {
public:
    static constexpr float kSpeed = 50.0f;
    static constexpr float kFastFactor = 16.0f;
    static constexpr float kTravel = 2352.0f;
    static constexpr float kEndSeconds = 5.0f;

    // windowHeight in pixels; the text starts at its bottom edge on the first update.
    explicit CreditsScroll(int windowHeight) : halfHeight(windowHeight / 2) {}

    void Update(float dt, bool fast);

    float TextY() const { return y; }
    float HintAlpha() const { return hint; }
    bool Finished() const { return finished; }
    float Fade() const { return fade; }
    // The end timer ran out: the screen closes.
    bool Done() const { return finished && endTimer <= 0.0f; }

private:
    int halfHeight;
    float y = 0.0f;
    float hint = 0.0f;
    float fade = 0.0f;
    float endTimer = kEndSeconds;
    bool finished = false;
    bool started = false;
};
