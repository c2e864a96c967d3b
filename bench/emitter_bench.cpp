// Emitter creation: a battle map builds a "reaction" and a "status" emitter per tile, so a
// 150-tile map makes 300 emitters of "Tile_Effects" on every battle load. Run from build/ (the
// particle files are read from ./Data/Particles), without a GL context.
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "render/Emitter.h"

namespace {

void OneTileEmitter(benchmark::State& state)
{
    for (auto _ : state) {
        Emitter emitter("Tile_Effects");
        benchmark::DoNotOptimize(emitter.GetEffect("Hit_Normal"));
    }
}
BENCHMARK(OneTileEmitter);

void BattleMapOfEmitters(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::unique_ptr<Emitter>> map;
        for (int i = 0; i < 300; ++i) map.push_back(std::make_unique<Emitter>("Tile_Effects"));
        benchmark::DoNotOptimize(map.back().get());
    }
}
BENCHMARK(BattleMapOfEmitters)->Unit(benchmark::kMillisecond);

}  // namespace
