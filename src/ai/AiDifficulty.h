#pragma once
#include <cstdint>
#include <vector>

#include "ai/Decision.h"

// How well the computer plays. The numbers are those of the game setup and the campaign.
enum class AiDifficulty : std::int32_t { Easy = 0, Medium = 1, Hard = 2, Impossible = 3 };

// "EASY", "MEDIUM", "HARD", "IMPOSSIBLE"; any other number reads as EASY.
const char* DifficultyName(std::int32_t difficulty);
// Numbers outside 0..3 are held to the nearest level.
AiDifficulty ClampDifficulty(std::int32_t difficulty);

// True when a self heal earns its +15 at this health: at most half the level's wizard health
// (whole numbers) on EASY and MEDIUM, at most 0.8 of it on HARD and IMPOSSIBLE.
bool WantsSelfHeal(AiDifficulty difficulty, std::int32_t health, std::int32_t maxHealth);

// A record the pick may choose: weight above 0 and, for a walk, pickup or cast, a target tile.
bool IsRealAction(const Decision& decision);

// Which place (0 best, 1 second, 2 third) of the sorted list a draw r of 0..100 asks for:
// EASY third when r <= 10, second when r <= 50; MEDIUM third when r <= 5, second when r <= 40;
// HARD second when r <= 20; IMPOSSIBLE always the best.
int WorsePlace(AiDifficulty difficulty, std::int32_t r);

// The difficulty's choice from a sorted list: draws r = RandomInt(0, 100) once (never at
// IMPOSSIBLE) and counts only real actions; with fewer than asked it takes the last real one.
// Returns the index in `sorted`, or -1 when nothing in it is a real action.
int PickDecision(AiDifficulty difficulty, const std::vector<Decision>& sorted);
