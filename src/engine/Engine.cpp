#include "engine/Engine.h"

#include "engine/Log.h"

Engine& Engine::Instance()
{
    static Engine engine;
    return engine;
}

void Engine::InitSystems()
{
    for (auto& system : systems) system->Init();
}

void Engine::UpdateSystems(float dt)
{
    print("Engine: Update");
    for (auto& system : systems) system->Update(dt);
}

void Engine::RenderSystems()
{
    print("Engine: Render");
    for (auto& system : systems) system->Render();
}

void Engine::ShutdownSystems()
{
    print("Engine: Exit");
    while (!systems.empty()) {
        systems.back()->Exit();
        systems.pop_back();
    }
}
