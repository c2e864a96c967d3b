// The computer player on "Underground" (5 wizards a side, the largest shipped battle), headless.
// Run from build/ (it reads ./Data):  ./bench/ai_decision_bench
// Targets: one decision (the battle read into the snapshot, the ranked list, the difficulty's
// pick) p99 <= 1 ms; the decisions of a whole computer turn <= 20 ms in total (the pauses between
// steps are not computation and are left out; the battle's own frames are reported apart); one
// decision on an open 64 x 64 board with five spells in hand p99 <= 5 ms.
#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

#include <benchmark/benchmark.h>

#include "ai/AiDifficulty.h"
#include "ai/ComputerPlayer.h"
#include "ai/DecisionMaker.h"
#include "ai/MapAiBattle.h"
#include "battle/BattleHarness.h"
#include "engine/Log.h"
#include "engine/Random.h"

namespace {

double Percentile(std::vector<double> values, double p)
{
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    std::size_t at = std::min(values.size() - 1, static_cast<std::size_t>(p * static_cast<double>(values.size())));
    return values[at];
}

// "Underground" loaded and begun, every wizard holding three spells besides "Cantrip", side 2's turn.
std::unique_ptr<BattleHarness> Underground(unsigned seed)
{
    HarnessOptions options;
    options.seed = seed;
    auto harness = std::make_unique<BattleHarness>(options);
    if (!harness->Load("Underground")) return nullptr;
    Map& map = harness->GetMap();
    for (auto& wizard : map.wizards)
        for (int element = 1; element <= 3; ++element) wizard->AddSpell(map.RandomSpellOfElement(element));
    return harness;
}

Log& BenchLog()
{
    static std::unique_ptr<Log> log = Log::Create("ai_decision_bench.log");
    return *log;
}

void BM_OneDecision(benchmark::State& state)
{
    BenchLog();
    auto harness = Underground(1);
    if (!harness) {
        state.SkipWithError("Underground did not load (run from build/)");
        return;
    }
    Map& map = harness->GetMap();
    map.turns.started = true;
    map.turns.currentSide = 2;
    map.turns.StartTurn();
    MapAiBattle battle(map);
    AiBoard board;
    AiPlans plans;
    DecisionMaker maker;
    std::vector<double> micros;
    std::int32_t wizard = 0;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        battle.BuildBoard(board);
        board.difficulty = 0;
        const auto& sorted = maker.Decide(board, wizard, plans, nullptr);
        benchmark::DoNotOptimize(PickDecision(AiDifficulty::Easy, sorted));
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin).count());
        // Every side-2 wizard in turn, as the steps of a turn visit them.
        do wizard = (wizard + 1) % battle.WizardCount();
        while (battle.Wizard(wizard).side != 2);
    }
    state.counters["p50_us"] = Percentile(micros, 0.50);
    state.counters["p99_us"] = Percentile(micros, 0.99);
}
BENCHMARK(BM_OneDecision)->Iterations(5000);

void BM_WholeComputerTurn(benchmark::State& state)
{
    BenchLog();
    // The click results the battle prints would drown the figures.
    std::ostringstream swallowed;
    std::streambuf* shown = std::cout.rdbuf(swallowed.rdbuf());
    std::vector<double> decideMs;
    std::vector<double> turnMs;
    unsigned seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        auto harness = Underground(seed++);
        if (!harness) {
            state.SkipWithError("Underground did not load (run from build/)");
            return;
        }
        Map& map = harness->GetMap();
        auto player = InstallComputerPlayer(map, 3, true);
        player->SetReport(nullptr);
        player->SetPacing(0.0f, 0.0f);
        std::vector<float> micros;
        player->SetDecideMicros(&micros);
        harness->FinishFadeIn();
        state.ResumeTiming();
        const auto begin = std::chrono::steady_clock::now();
        // Side 1's first turn, from its first step to its end (walks and flights on a 50 ms clock).
        for (int frame = 0; frame < 100000 && map.turns.currentSide == 1 && !map.battleOver; ++frame)
            harness->Advance(0.05f);
        turnMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
        double sum = 0.0;
        for (float m : micros) sum += m;
        decideMs.push_back(sum / 1000.0);
        state.PauseTiming();
        harness.reset();
        state.ResumeTiming();
    }
    std::cout.rdbuf(shown);
    state.counters["decisions_ms_p50"] = Percentile(decideMs, 0.50);
    state.counters["decisions_ms_max"] = Percentile(decideMs, 1.0);
    state.counters["turn_with_frames_ms_p50"] = Percentile(turnMs, 0.50);
}
BENCHMARK(BM_WholeComputerTurn)->Iterations(50)->Unit(benchmark::kMillisecond);

// A damaging spell of the given numbers, aimed at enemies and tiles.
AiSpell BenchSpell(int cost, int range)
{
    AiSpell s;
    s.name = "Bench";
    s.element = 1;
    s.cost = cost;
    s.range = s.reach = range;
    s.size = 1;
    s.hitChance = 85;
    s.enemyDamageTotal = 5;
    s.damagesEnemy = s.hasEnemyCommands = s.hasTileCommands = true;
    return s;
}

void BM_DecisionOpen64(benchmark::State& state)
{
    AiBoard board;
    board.Resize(64, 64);
    for (int r = 0; r < 64; ++r)
        for (int c = 0; c < 64; ++c) board.AddTile(c, r, (c + r) % 7 == 0 ? 1 + (c % 4) : 0);
    for (int i = 0; i < 5; ++i) {
        board.AddWizard(2 + 12 * i, 2, 2, 20, 5);
        board.AddWizard(2 + 12 * i, 61, 1, 20, 5);
    }
    for (AiWizard& w : board.wizards)
        for (int k = 0; k < 5; ++k) w.hand.push_back(BenchSpell(1 + k % 3, 2 + k));
    SeedRandom(3);
    AiPlans plans;
    DecisionMaker maker;
    std::vector<double> micros;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(maker.Decide(board, 0, plans, nullptr).size());
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin).count());
    }
    state.counters["p99_us"] = Percentile(micros, 0.99);
}
BENCHMARK(BM_DecisionOpen64)->Iterations(2000);

}  // namespace
