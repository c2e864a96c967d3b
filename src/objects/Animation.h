#pragma once
#include "objects/Component.h"

// Steps through the frames of a sprite sheet. Frame i of a sheet with R rows and C columns is the
// cell at column i % C, row i / C, counting rows from the TOP of the image (row-major from the
// top-left, as the picture is viewed); the "anim" fragment shaders pick that cell.
class Animation : public Component {
public:
    static constexpr int kKind = kAnimation;
    Animation() : Component(kKind) {}
    Component* Clone() const override { return new Animation(*this); }

    // At most one frame per update, however large dt is. `finished` is true in the update that
    // completes the cycle (and, without loop, in every later one while playing).
    void Update(float dt) override;

    // Convenience for the code that builds sprites: frames [first, first + count), playing.
    void play(int first, int count, float duration, bool looping);

    int currentFrame = 0;
    int firstFrame = 0;
    int frameCount = 0;
    float timeLeft = 0.0f;
    float frameDuration = 0.0f;
    bool playing = false;
    bool loop = false;
    bool finished = false;

};
