#pragma once

// Frame timing: the time since the previous frame, with no cap, smoothing or fixed step. The
// first frame's dt is the time since the clock started (last begins at 0).
class FrameClock {
public:
    // `now` in seconds since start-up; returns the frame's dt in seconds. The difference is taken
    // in double: after a few hours a float clock is too coarse for frame-sized steps.
    float Tick(double now)
    {
        float dt = static_cast<float>(now - last);
        last = now;
        return dt;
    }

private:
    double last = 0.0;
};
