#include "meta/IntroTimeline.h"

#include <algorithm>
#include <cmath>

void IntroTimeline::Update(float dt)
{
    if (!started) {
        started = true;
        t = 0.0f;
    }
    if (Card() >= 0) alpha = std::clamp(alpha + (FadingIn() ? 2.0f : -2.0f) * dt, 0.0f, 1.0f);
    t += dt;
}

void IntroTimeline::Skip()
{
    started = true;
    t = std::min(static_cast<float>(kCards), std::floor(t / kCardSeconds) + 1.0f) * kCardSeconds;
    alpha = 0.0f;
}

int IntroTimeline::Card() const
{
    if (t >= kCards * kCardSeconds) return -1;
    return static_cast<int>(t / kCardSeconds);
}

bool IntroTimeline::FadingIn() const
{
    return t - static_cast<float>(Card()) * kCardSeconds <= kCardSeconds - 0.5f;
}

bool IntroWantsSkip(const IntroInput& input, bool& pressLatch)
{
    if (!input.leftDown) pressLatch = false;
    if (input.leftDown && !pressLatch) {
        pressLatch = true;
        return true;
    }
    return input.rightDown || input.keyTapped;
}
