#include "objects/Animation.h"

void Animation::Update(float dt)
{
    finished = false;
    if (!playing || frameDuration <= 0.0f) return;
    timeLeft -= dt;
    if (timeLeft > 0.0f) return;
    // Unsigned difference: a current frame before the first one counts as past the end.
    auto step = static_cast<unsigned>(currentFrame - firstFrame);
    if (frameCount > 0 && step < static_cast<unsigned>(frameCount - 1)) {
        timeLeft = frameDuration;
        ++currentFrame;
        return;
    }
    finished = true;
    if (loop) {
        timeLeft = frameDuration;
        currentFrame = firstFrame;
    }
}

void Animation::play(int first, int count, float duration, bool looping)
{
    firstFrame = currentFrame = first;
    frameCount = count < 1 ? 1 : count;
    frameDuration = timeLeft = duration;
    loop = looping;
    playing = true;
    finished = false;
}
