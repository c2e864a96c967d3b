#pragma once
#include <memory>
#include <string>
#include <vector>

#include "scenes/Scene.h"

class Emitter;
class Text;

// Debug scene: plays every effect of every particle file in turn, with its name on screen.
// Each effect shows for a few seconds; N and P step to the next and previous effect at once.
class ParticleTest : public Scene {
public:
    ParticleTest();
    ~ParticleTest() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override;
    void Unload() override;

    // Seconds each effect stays on screen before the next one.
    static constexpr float kSecondsPerEffect = 4.0f;

private:
    struct Entry {
        Emitter* emitter;
        std::string effect;
    };
    void Show(int index);
    void Place(float dt);
    void ReadKeys();

    std::vector<std::unique_ptr<Emitter>> emitters;
    std::vector<Entry> entries;
    std::unique_ptr<Text> title;
    std::unique_ptr<Text> caption;
    std::unique_ptr<Text> hint;
    int shown = -1;
    float shownFor = 0.0f;
    float burstTimer = 0.0f;
    float clock = 0.0f;
    bool nextHeld = false;
    bool previousHeld = false;
};
