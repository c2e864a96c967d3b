#include "spells/SpellHand.h"

#include <algorithm>

#include "spells/SpellCard.h"

namespace spell_hand {

float Spacing(int count, float viewportWidth)
{
    return std::min(viewportWidth / static_cast<float>(std::max(5, count)), kMaxSpacing);
}

float CardScale(int count, float viewportWidth)
{
    const float fit = 0.97f * Spacing(count, viewportWidth) / (2.0f * SpellCard::kHalfSize.x);
    return std::clamp(fit, 0.55f, 1.0f);
}

float ReservedHeight(int count, glm::vec2 viewport)
{
    // A resting card shows kVisibleHeight; its arrow reaches 64 above the card's top edge.
    const float arrowTop = kVisibleHeight + 320.0f - SpellCard::kHalfSize.y + 64.0f;
    return CardScale(std::max(count, 5), viewport.x) * arrowTop;
}

std::vector<glm::vec2> Positions(int count, glm::vec2 viewport, int hovered)
{
    std::vector<glm::vec2> result;
    if (count <= 0) return result;
    const float spacing = Spacing(count, viewport.x);
    const float scale = CardScale(count, viewport.x);
    const float restY = -viewport.y / 2.0f + scale * (kVisibleHeight - SpellCard::kHalfSize.y);
    const bool anyHovered = hovered >= 0 && hovered < count;
    // Cards moved aside keep at least half of themselves on screen.
    const float edge = viewport.x / 2.0f - 0.5f * scale * SpellCard::kHalfSize.x;
    for (int i = 0; i < count; ++i) {
        float x = (static_cast<float>(i) - static_cast<float>(count - 1) / 2.0f) * spacing;
        float y = restY;
        if (anyHovered && i == hovered) y += scale * kRaise;
        if (anyHovered && i < hovered) x = std::max(x - scale * kPush, std::min(x, -edge));
        if (anyHovered && i > hovered) x = std::min(x + scale * kPush, std::max(x, edge));
        result.emplace_back(x, y);
    }
    return result;
}

std::vector<int> UpdateOrder(int count, int hovered)
{
    std::vector<int> order;
    if (hovered >= 0 && hovered < count) order.push_back(hovered);
    for (int i = count - 1; i >= 0; --i)
        if (i != hovered) order.push_back(i);
    return order;
}

std::vector<int> DrawOrder(int count, int hovered)
{
    std::vector<int> order = UpdateOrder(count, hovered);
    std::reverse(order.begin(), order.end());
    return order;
}

}  // namespace spell_hand
