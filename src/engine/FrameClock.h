#pragma once
#include <algorithm>

// Frame timing. The measured time since the previous frame feeds the FPS line and overlay; the
// systems get it capped, so a stalled frame or a slow load never throws glides, physics and
// particles past their ends in one step.
class FrameClock {
public:
    // Longest step handed to the game's updates, in seconds.
    static constexpr float kMaxStep = 0.1f;

    struct Frame {
        float measured = 0.0f;  // seconds since the previous tick, as measured
        float dt = 0.0f;        // the same, clamped to [0, kMaxStep]
    };

    // `now` in seconds since start-up. The difference is taken in double: after a few hours a
    // float clock is too coarse for frame-sized steps.
    Frame Tick(double now)
    {
        Frame frame;
        frame.measured = static_cast<float>(now - last);
        frame.dt = std::clamp(frame.measured, 0.0f, kMaxStep);
        last = now;
        return frame;
    }

    // Counts the next frame from `now`: start-up and scene loads never become a frame.
    void Restart(double now) { last = now; }

private:
    double last = 0.0;
};
