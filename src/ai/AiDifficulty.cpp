#include "ai/AiDifficulty.h"

#include "engine/Random.h"

const char* DifficultyName(std::int32_t difficulty)
{
    switch (ClampDifficulty(difficulty)) {
    case AiDifficulty::Easy: return "EASY";
    case AiDifficulty::Medium: return "MEDIUM";
    case AiDifficulty::Hard: return "HARD";
    case AiDifficulty::Impossible: return "IMPOSSIBLE";
    }
    return "EASY";
}

AiDifficulty ClampDifficulty(std::int32_t difficulty)
{
    if (difficulty <= 0) return AiDifficulty::Easy;
    if (difficulty >= 3) return AiDifficulty::Impossible;
    return static_cast<AiDifficulty>(difficulty);
}

bool WantsSelfHeal(AiDifficulty difficulty, std::int32_t health, std::int32_t maxHealth)
{
    if (difficulty == AiDifficulty::Easy || difficulty == AiDifficulty::Medium) return health <= maxHealth / 2;
    return static_cast<double>(health) <= 0.8 * static_cast<double>(maxHealth);
}

bool IsRealAction(const Decision& decision)
{
    if (!(decision.weight > 0.0)) return false;
    if (decision.action == AiAction::End) return true;
    return decision.target >= 0;
}

int WorsePlace(AiDifficulty difficulty, std::int32_t r)
{
    switch (difficulty) {
    case AiDifficulty::Easy: return r <= 10 ? 2 : (r <= 50 ? 1 : 0);
    case AiDifficulty::Medium: return r <= 5 ? 2 : (r <= 40 ? 1 : 0);
    case AiDifficulty::Hard: return r <= 20 ? 1 : 0;
    case AiDifficulty::Impossible: return 0;
    }
    return 0;
}

int PickDecision(AiDifficulty difficulty, const std::vector<Decision>& sorted)
{
    const int place = difficulty == AiDifficulty::Impossible ? 0 : WorsePlace(difficulty, RandomInt(0, 100));
    int chosen = -1;
    int seen = 0;
    for (std::size_t i = 0; i < sorted.size() && seen <= place; ++i) {
        if (!IsRealAction(sorted[i])) continue;
        chosen = static_cast<int>(i);
        ++seen;
    }
    return chosen;
}
