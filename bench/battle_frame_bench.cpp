// The battle on "Underground" (5 wizards a side, the largest shipped battle) as the player sees it,
// with the machine's OpenGL (software under Xvfb), no vsync. Run from build/ with a display:
//   ./bench/battle_frame_bench
// Targets: frame time p99 <= 16.7 ms at 1280 x 720; CPU time per frame p99 <= 1 ms with a tiny
// framebuffer (the drawing itself costs next to nothing there); loading the level <= 150 ms.
// Reported as counters: p50/p99 in milliseconds and draw calls per frame.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>
#include <glad/gl.h>

#include "battle/Map.h"
#include "engine/Log.h"
#include "engine/Window.h"
#include "meta/BattleSetup.h"
#include "scenes/GameMap.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneList.h"
#include "scenes/SceneSystem.h"
#include "ui/Pointer.h"

namespace {

// Counts draw calls by standing in for the loader's entry points.
long drawCalls = 0;
PFNGLDRAWARRAYSPROC realDrawArrays = nullptr;
PFNGLDRAWARRAYSINSTANCEDPROC realDrawArraysInstanced = nullptr;
void CountDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    ++drawCalls;
    realDrawArrays(mode, first, count);
}
void CountDrawArraysInstanced(GLenum mode, GLint first, GLsizei count, GLsizei instances)
{
    ++drawCalls;
    realDrawArraysInstanced(mode, first, count, instances);
}

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> values, double p)
{
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    std::size_t at = std::min(values.size() - 1, static_cast<std::size_t>(p * static_cast<double>(values.size())));
    return values[at];
}

// An offscreen colour target of the given size, bound while it lives.
class Target {
public:
    Target(int width, int height)
    {
        glGenTextures(1, &color);
        glBindTexture(GL_TEXTURE_2D, color);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        glGenFramebuffers(1, &fbo);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color, 0);
        glViewport(0, 0, width, height);
    }
    ~Target()
    {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &fbo);
        glDeleteTextures(1, &color);
    }

private:
    GLuint color = 0;
    GLuint fbo = 0;
};

// The whole scene system with the battle scene entered on "Underground", its game begun.
struct Battle {
    Log log{"bench_battle_log.txt"};
    SceneSystem scenes;
    bool ok = false;
    Battle()
    {
        if (!CreateHiddenGlContext()) return;
        if (!realDrawArrays) {
            realDrawArrays = glad_glDrawArrays;
            realDrawArraysInstanced = glad_glDrawArraysInstanced;
            glad_glDrawArrays = CountDrawArrays;
            glad_glDrawArraysInstanced = CountDrawArraysInstanced;
        }
        BattleSetup.levelName = "Underground";
        scenes.InitWith(BuildSceneList(), kSceneGameMap);
        scenes.Resize(1280, 720);
        ok = Begin();
    }
    Map* GetMap() const
    {
        auto* scene = dynamic_cast<GameMap*>(scenes.current());
        return scene ? scene->GetMap() : nullptr;
    }
    bool Begin()
    {
        Map* map = GetMap();
        if (!map) return false;
        // Past the fade-in and both prompts: side 1 plays with its first wizard selected.
        for (int i = 0; i < 240 && !map->controls.welcomeShown; ++i) Frame(1.0f / 60.0f);
        map->controls.PressWelcome();
        map->controls.PressReady();
        for (int i = 0; i < 60; ++i) Frame(1.0f / 60.0f);
        return map->turns.turnStarted;
    }
    void Frame(float dt)
    {
        ui::BeginPointerFrame({900.0f, 300.0f}, false, false);
        scenes.Update(dt);
        scenes.Render();
    }
};

void Measure(benchmark::State& state, int width, int height, bool cpuTime)
{
    Battle battle;
    if (!battle.ok) {
        state.SkipWithError("needs a display, the built content (run from build/) and the battle scene");
        return;
    }
    Target target(width, height);
    std::vector<double> samples;
    long calls = 0;
    for (auto _ : state) {
        drawCalls = 0;
        auto wall = std::chrono::steady_clock::now();
        double cpu = ThreadCpuMs();
        battle.Frame(1.0f / 60.0f);
        glFinish();
        double ms = cpuTime ? ThreadCpuMs() - cpu
                            : std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count();
        samples.push_back(ms);
        calls = drawCalls;
    }
    state.counters["p50_ms"] = Percentile(samples, 0.50);
    state.counters["p99_ms"] = Percentile(samples, 0.99);
    state.counters["draw_calls"] = static_cast<double>(calls);
}

void BattleFrame1280x720(benchmark::State& state)
{
    Measure(state, 1280, 720, false);
}
BENCHMARK(BattleFrame1280x720)->Iterations(600)->Unit(benchmark::kMillisecond);

void BattleFrameCpuTinyFramebuffer(benchmark::State& state)
{
    Measure(state, 8, 8, true);
}
BENCHMARK(BattleFrameCpuTinyFramebuffer)->Iterations(600)->Unit(benchmark::kMillisecond);

// Building the battle again in place (what "Restart" does): the level, spells, tiles, objects,
// wizards and the interface.
void LevelLoadUnderground(benchmark::State& state)
{
    Battle battle;
    if (!battle.ok) {
        state.SkipWithError("needs a display, the built content (run from build/) and the battle scene");
        return;
    }
    std::vector<double> samples;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        battle.scenes.RestartCurrent();
        samples.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["p50_ms"] = Percentile(samples, 0.50);
    state.counters["max_ms"] = Percentile(samples, 1.0);
}
BENCHMARK(LevelLoadUnderground)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
