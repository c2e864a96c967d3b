#include "ai/ComputerPlayer.h"

#include "battle/Map.h"

ComputerPlayer::ComputerPlayer(Map& owner, std::int32_t difficulty, bool both, std::int32_t side1Difficulty)
    : map(owner), battle(owner), bothSides(both)
{
    if (bothSides) drivers.push_back(std::make_unique<AiDriver>(1, side1Difficulty >= 0 ? side1Difficulty : difficulty));
    drivers.push_back(std::make_unique<AiDriver>(2, difficulty));
}

AiDriver* ComputerPlayer::Driver(std::int32_t side)
{
    for (auto& driver : drivers)
        if (driver->Side() == side) return driver.get();
    return nullptr;
}

void ComputerPlayer::Update(float dt)
{
    if (map.battleOver) return;
    if (!map.turns.started) {
        if (bothSides && map.controls.welcomeShown) map.controls.PressWelcome();
        return;
    }
    AiDriver* driver = Driver(map.turns.currentSide);
    if (!driver) return;
    if (map.victoryPending && map.pendingWinner == map.turns.currentSide - 1) ClaimVictory();
    driver->Update(battle, dt);
}

void ComputerPlayer::ClaimVictory()
{
    // Every enemy is down: wandering on would only delay the end of the turn that wins.
    for (std::int32_t i = 0; i < battle.WizardCount(); ++i) {
        const AiBattle::WizardState w = battle.Wizard(i);
        if (w.side == map.turns.currentSide && w.ap > 0 && !map.Busy()) battle.SetAp(i, 0);
    }
}

void ComputerPlayer::SetReport(std::ostream* out)
{
    for (auto& driver : drivers) driver->report = out;
}

void ComputerPlayer::SetPacing(float stepDelay, float endDelay)
{
    for (auto& driver : drivers) {
        driver->stepDelay = stepDelay;
        driver->endDelay = endDelay;
    }
}

void ComputerPlayer::SetAfterAction(const std::function<void()>& check)
{
    for (auto& driver : drivers) driver->afterAction = check;
}

void ComputerPlayer::SetDecideMicros(std::vector<float>* micros)
{
    for (auto& driver : drivers) driver->decideMicros = micros;
}

std::int64_t ComputerPlayer::Decisions() const
{
    std::int64_t total = 0;
    for (const auto& driver : drivers) total += driver->decisionsTaken;
    return total;
}

std::shared_ptr<ComputerPlayer> InstallComputerPlayer(Map& map, std::int32_t difficulty, bool bothSides,
                                                      std::int32_t side1Difficulty)
{
    auto player = std::make_shared<ComputerPlayer>(map, difficulty, bothSides, side1Difficulty);
    map.cpuSide2 = true;
    map.cpuSide1 = bothSides;
    map.computerDriver = [player](Map&, float dt) { player->Update(dt); };
    return player;
}
