#pragma once
#include <memory>
#include <vector>

#include "engine/System.h"

// The process-wide engine: the running flag and the ordered list of systems.
class Engine {
public:
    static Engine& Instance();

    bool running = true;
    std::vector<std::unique_ptr<System>> systems;

    void InitSystems();
    void UpdateSystems(float dt);
    void RenderSystems();
    // Exits and destroys the systems from last to first, so the log goes last.
    void ShutdownSystems();
};
