#include "ai/AiPlans.h"

void AiPlans::Remember(std::int32_t wizard, const Decision& decision)
{
    // The same walk chosen again is one plan, not a second copy offered twice at every step.
    for (const Plan& plan : plans)
        if (plan.wizard == wizard && plan.decision.target == decision.target) return;
    Plan plan;
    plan.wizard = wizard;
    plan.decision = decision;
    plan.decision.spell = nullptr;
    plans.push_back(std::move(plan));
}

void AiPlans::Forget(std::size_t index)
{
    if (index < plans.size()) plans.erase(plans.begin() + static_cast<std::ptrdiff_t>(index));
}

bool AiPlans::ClaimedByOther(std::int32_t cell, std::int32_t wizard) const
{
    for (const Plan& plan : plans)
        if (plan.wizard != wizard && plan.decision.target == cell) return true;
    return false;
}

void AiPlans::ClaimMask(std::int32_t wizard, std::int32_t cellCount, std::vector<char>& mask) const
{
    mask.assign(static_cast<std::size_t>(cellCount > 0 ? cellCount : 0), 0);
    for (const Plan& plan : plans) {
        const std::int32_t cell = plan.decision.target;
        if (plan.wizard != wizard && cell >= 0 && cell < cellCount) mask[cell] = 1;
    }
}

std::vector<std::int32_t> AiPlans::ClaimedTiles() const
{
    std::vector<std::int32_t> tiles;
    for (const Plan& plan : plans)
        if (plan.decision.target >= 0) tiles.push_back(plan.decision.target);
    return tiles;
}
