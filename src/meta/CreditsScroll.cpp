#include "meta/CreditsScroll.h"

#include <algorithm>

void CreditsScroll::Update(float dt, bool fast)
{
    if (fast) dt *= kFastFactor;
    y += kSpeed * dt;
    if (!started) {
        started = true;
        y = static_cast<float>(-halfHeight);
    }
    hint = std::min(1.0f, hint + dt);
    if (y <= static_cast<float>(halfHeight) + kTravel) return;
    finished = true;
    endTimer -= dt;
    if (endTimer > 1.0f) fade = std::min(1.0f, fade + dt);
    else fade = std::max(0.0f, fade - dt);
}
