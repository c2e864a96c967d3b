#pragma once
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <vector>

#include "ai/AiDriver.h"
#include "ai/MapAiBattle.h"

class Map;

// The computer playing a real battle: one turn driver for each side it plays (side 2, or both
// sides in a computer-against-computer battle), acting through MapAiBattle. Installed as the map's
// per-frame computer step, so its memory (plans, timers) lives and dies with the map.
class ComputerPlayer {
public:
    // side1Difficulty is side 1's when the computer plays both sides (-1: the same as side 2's).
    ComputerPlayer(Map& map, std::int32_t difficulty, bool bothSides, std::int32_t side1Difficulty = -1);

    // One frame for the side whose turn it is. When it plays every side it also answers the
    // welcome prompt, so nothing waits for a human. Once its side has defeated every enemy it
    // ends the turn that claims the victory.
    void Update(float dt);

    // The driver of a side, or null when the computer does not play it.
    AiDriver* Driver(std::int32_t side);
    // Settings applied to every driver.
    void SetReport(std::ostream* out);
    void SetPacing(float stepDelay, float endDelay);
    void SetAfterAction(const std::function<void()>& check);
    void SetDecideMicros(std::vector<float>* micros);
    // Decisions carried out by all drivers.
    std::int64_t Decisions() const;

private:
    void ClaimVictory();

    Map& map;
    MapAiBattle battle;
    bool bothSides;
    std::vector<std::unique_ptr<AiDriver>> drivers;
};

// Marks side 2 (and side 1 too with bothSides) as the computer's and installs a computer player
// as the map's computer step. Returns it for the caller to tune; the map keeps it alive.
std::shared_ptr<ComputerPlayer> InstallComputerPlayer(Map& map, std::int32_t difficulty, bool bothSides,
                                                      std::int32_t side1Difficulty = -1);
