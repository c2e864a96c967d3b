#include "ui/ApDisplay.h"

#include <algorithm>

#include "objects/AnchorTransform.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"

ApPips ApPips::For(int actionPoints, int previewCost)
{
    ApPips result;
    result.pips = std::clamp(actionPoints, 0, kMaxPips);
    result.toSpend = std::clamp(previewCost, 0, result.pips);
    return result;
}

int ApPreviewCost(int mapState, int actionPoints, int spellCost, bool hoveredHighlighted, int walkCost)
{
    if (mapState == 2) return spellCost;
    if (mapState == 1 && hoveredHighlighted && walkCost >= 0 && walkCost <= actionPoints) return walkCost;
    return 0;
}

AP::AP()
{
    name = "AP";
    auto* placement = new AnchorTransform();
    placement->setScale(1.0f, 1.0f);
    AddComponent(placement);
    frame = ui::MakeSprite("AP_Frame", glm::vec2(100.0f, 32.0f));
    for (int i = 0; i < ApPips::kMaxPips; ++i) pips.push_back(ui::MakeSprite("Status_Bar_AP", glm::vec2(kPipSize)));
}

AP::~AP() = default;

void AP::Show(bool shown, int actionPoints, int previewCost)
{
    visible = shown;
    current = ApPips::For(actionPoints, previewCost);
    for (int i = 0; i < current.pips; ++i) {
        const bool spent = i >= current.pips - current.toSpend;
        ui::SetSpriteAlpha(*pips[static_cast<std::size_t>(i)], spent ? 0.4f : 1.0f);
    }
}

glm::vec2 AP::PipPosition(int index) const
{
    return origin + glm::vec2(kPipStep * static_cast<float>(index), 0.0f);
}

void AP::Layout()
{
    // Bottom left, just above the hand of cards and their arrows.
    origin = ui::HudPoint(AnchorTransform::kBottomLeft, glm::vec2(56.0f, clearance + 45.0f));
    Get<AnchorTransform>()->setPosition(origin);
    const int shown = std::max(current.pips, 1);
    const float half = 0.5f * kPipStep * static_cast<float>(shown - 1) + 40.0f;
    ui::PlaceSprite(*frame, origin + glm::vec2(half - 40.0f, 0.0f), glm::vec2(half, 36.0f));
    for (int i = 0; i < ApPips::kMaxPips; ++i) ui::PlaceSprite(*pips[static_cast<std::size_t>(i)], PipPosition(i), glm::vec2(kPipSize));
}

void AP::Update(float dt)
{
    Layout();
    Object::Update(dt);
    if (!visible) return;
    const auto* frameAt = frame->Get<AnchorTransform>();
    ui::BlockPointer(this, ui::InsideRect(ui::CursorUi(), frameAt->position, frameAt->scale));
}

void AP::Draw()
{
    if (!visible) return;
    frame->Draw();
    for (int i = 0; i < current.pips; ++i) pips[static_cast<std::size_t>(i)]->Draw();
}
