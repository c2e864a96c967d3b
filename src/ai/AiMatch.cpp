#include "ai/AiMatch.h"

#include "ai/ComputerPlayer.h"
#include "battle/BattleHarness.h"

namespace {

// Frames enough for any battle within the round cap: a turn of the computer is bounded by its
// step cap, each step by a walk or a flight of a few seconds.
constexpr long kFramesPerRound = 20000;

}  // namespace

AiMatchResult PlayAiMatch(const AiMatchSettings& settings)
{
    AiMatchResult result;
    HarnessOptions options;
    options.levelFolder = settings.levelFolder;
    options.spellFolder = settings.spellFolder;
    options.seed = settings.seed;
    BattleHarness harness(options);
    if (!harness.Load(settings.level) || harness.GetMap().playerCount < 2) return result;
    result.loaded = true;
    Map& map = harness.GetMap();
    auto player = InstallComputerPlayer(map, settings.difficulty2, true, settings.difficulty1);
    player->SetReport(settings.report);
    // No one watches: the pauses between steps and before the end of a turn go.
    player->SetPacing(0.0f, 0.0f);
    player->SetDecideMicros(&result.decideMicros);
    BattleInvariants invariants;
    player->SetAfterAction([&] {
        for (std::string& line : invariants.Check(map)) result.broken.push_back(std::move(line));
    });
    harness.FinishFadeIn();
    const long frameCap = kFramesPerRound * settings.roundCap;
    for (long frame = 0; frame < frameCap && !map.battleOver && map.turns.round <= settings.roundCap; ++frame)
        harness.Advance(settings.frame);
    for (const std::string& line : harness.Broken()) result.broken.push_back(line);
    result.rounds = map.turns.round;
    result.decisions = player->Decisions();
    result.finished = map.battleOver && map.turns.round <= settings.roundCap;
    if (result.finished) result.winner = map.winner + 1;
    return result;
}
