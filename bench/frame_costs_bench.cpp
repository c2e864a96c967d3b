// What the work of one frame costs, piece by piece. A frame has 16.7 ms at 60 fps; the targets
// below leave the bulk of it to drawing. Run from build/: ./bench/frame_costs_bench
//   - a trace line (six per frame):             under 1 us each
//   - laying out a 300-character spell text:    under 50 us (done only when a text changes)
//   - updating a full emitter (16384 particles): under 1 ms, and no allocation while it runs
//   - reading the texture list at start-up:      under 5 ms
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>

#include <benchmark/benchmark.h>

#include "engine/Json.h"
#include "engine/Log.h"
#include "render/Emitter.h"
#include "render/Font.h"
#include "render/ParticlePool.h"
#include "render/TextLayout.h"

// Replacing the global allocator pairs malloc with free on purpose; the warning sees only halves.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

// Counts heap allocations so the particle benchmark can report that updating allocates nothing.
std::size_t allocations = 0;

}  // namespace

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

namespace fs = std::filesystem;

// The trace of every benchmark goes to a scratch file, as the game's would go to Log.txt.
const fs::path kLogPath = fs::temp_directory_path() / ("primalites-bench-" + std::to_string(::getpid()) + ".txt");
Log benchLog(kLogPath.string());

void TraceLine(benchmark::State& state)
{
    for (auto _ : state) print("Main: FPS: ", 60.0f);
    std::error_code ec;
    fs::resize_file(kLogPath, 0, ec);
}
BENCHMARK(TraceLine);

void SpellTextLayout(benchmark::State& state)
{
    Font* font = FontLibrary::Active().GetOrLoad("Alagard");
    if (!font) {
        state.SkipWithError("run from build/: the Alagard font was not found");
        return;
    }
    std::string text;
    while (text.size() < 300) text += "Hurls a roaring ball of flame at an enemy wizard. ";
    text.resize(300);
    for (auto _ : state) benchmark::DoNotOptimize(LayoutText(text, *font, 0, 0, 20.0f, 20.0f));
}
BENCHMARK(SpellTextLayout);

// One burst that fills the largest pool an effect may have, with particles that outlive the run.
const char* const kFullPoolFile = R"({"name": "Bench", "emitter": {"mesh": "SquareMesh", "texture": "None"},
  "effect": [{"name": "Full", "texture": "None", "position_type": "Circle", "launch_type": "Outward",
    "max_particles": 16384, "position": {"x_min": -100, "x_max": 100, "y_min": -100, "y_max": 100},
    "speed": {"min": 10, "max": 90}, "life": {"min": 100000, "max": 100000}, "scale": {"min": 4, "max": 8},
    "scale_mul": 0.1, "rotation": {"min": 0, "max": 360}, "rotational_velocity": {"min": -90, "max": 90},
    "spawn_type": "One_And_Done", "rate": 0.0,
    "color_pairs": [{"start_color": [1, 0.5, 0, 1], "end_color": [1, 1, 0, 0]}]}]})";

void FullEmitterUpdate(benchmark::State& state)
{
    const fs::path home = fs::current_path();
    const fs::path scratch = fs::temp_directory_path() / ("primalites-bench-" + std::to_string(::getpid()));
    fs::create_directories(scratch / "Data" / "Particles");
    std::ofstream(scratch / "Data" / "Particles" / "Bench.json") << kFullPoolFile;
    fs::current_path(scratch);
    Emitter emitter("Bench");
    emitter.SetEffect("Full");
    emitter.Update(1.0f / 60.0f);
    fs::current_path(home);
    fs::remove_all(scratch);
    std::size_t before = allocations;
    for (auto _ : state) emitter.Update(1.0f / 60.0f);
    state.counters["live_particles"] = emitter.LiveParticles();
    state.counters["allocations_per_update"] =
        benchmark::Counter(static_cast<double>(allocations - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(FullEmitterUpdate);

void TextureListRead(benchmark::State& state)
{
    for (auto _ : state) {
        json::Document doc;
        benchmark::DoNotOptimize(json::ParseFile("Data/TextureMaster.json", doc));
    }
}
BENCHMARK(TextureListRead);

}  // namespace
