#include "spells/SpellHand.h"

#include <algorithm>

#include "spells/SpellCard.h"

namespace spell_hand {

float Spacing(int count, float viewportWidth)
{
    return std::min(viewportWidth / static_cast<float>(std::max(5, count)), kMaxSpacing);
}

std::vector<glm::vec2> Positions(int count, glm::vec2 viewport, int hovered)
{
    std::vector<glm::vec2> result;
    if (count <= 0) return result;
    const float spacing = Spacing(count, viewport.x);
    const float restY = -viewport.y / 2.0f + kVisibleHeight - SpellCard::kHalfSize.y;
    const bool anyHovered = hovered >= 0 && hovered < count;
    for (int i = 0; i < count; ++i) {
        float x = (static_cast<float>(i) - static_cast<float>(count - 1) / 2.0f) * spacing;
        float y = restY;
        if (anyHovered && i == hovered) y += kRaise;
        if (anyHovered && i < hovered) x -= kPush;
        if (anyHovered && i > hovered) x += kPush;
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
