#include "ui/Profile.h"

#include <algorithm>
#include <string>

#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "render/Text.h"
#include "ui/Bar.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"

namespace {
const glm::vec4 kLightInk(0.96f, 0.92f, 0.8f, 1.0f);
// Five portraits a side (the largest battles) end 300 units below the top edge, clear of the AP row
// and of the tile info panel beneath them at 1280 x 720.
constexpr float kSlotStep = 58.0f;
const glm::vec2 kHeartHalf(64.0f, 13.0f);
const glm::vec2 kIconHalf(18.0f, 18.0f);
}  // namespace

Profile::Profile(int wizardSide, int wizardSlot) : side(wizardSide), slot(std::max(wizardSlot, 0))
{
    name = "Profile";
    auto* placement = new AnchorTransform();
    placement->setScale(kHalfWidth, kHalfHeight);
    AddComponent(placement);
    frame = ui::MakeSprite("Wizard_Frame", glm::vec2(kHalfWidth, kHalfHeight));
    text = ui::MakeLabel("", 18.0f, kLightInk, kAlignRight);
    heart = ui::MakeSprite("Status_Bar_Heart", kHeartHalf);
    health = std::make_unique<Bar>(1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    health->UseInterfaceSpace();
    for (int i = 0; i < kStatusTypes; ++i) {
        auto icon = ui::MakeSprite("Status_Effect_Icons", kIconHalf, "static_anim");
        auto* animation = new Animation();
        animation->currentFrame = animation->firstFrame = i;
        icon->AddComponent(animation);
        icons[static_cast<std::size_t>(i)] = std::move(icon);
        counts[static_cast<std::size_t>(i)] = ui::MakeLabel("", 16.0f, kLightInk, kAlignCenter);
    }
    Layout();
}

Profile::~Profile() = default;

std::array<int, Profile::kStatusTypes> Profile::HeldStatuses(const std::vector<StatusEffect>& statuses)
{
    std::array<int, kStatusTypes> result{};
    for (const StatusEffect& status : statuses) {
        const int type = static_cast<int>(status.type);
        if (type < 1 || type > kStatusTypes) continue;
        int& slotCount = result[static_cast<std::size_t>(type - 1)];
        slotCount = std::max({slotCount, status.remaining, 1});
    }
    return result;
}

void Profile::Show(const ProfileView& wizard)
{
    const std::string line = std::to_string(wizard.health) + " / " + std::to_string(wizard.maxHealth);
    if (text->sourceText != line) text->setText(line);
    health->maxValue = static_cast<float>(wizard.maxHealth);
    health->currentValue = static_cast<float>(wizard.health);
    const auto now = HeldStatuses(wizard.statuses);
    for (int i = 0; i < kStatusTypes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (now[at] != held[at]) counts[at]->setText(now[at] > 0 ? std::to_string(now[at]) : "");
    }
    held = now;
}

glm::vec2 Profile::IconPosition(int order) const
{
    // Beside the frame, towards the middle of the screen.
    const float direction = side == 1 ? 1.0f : -1.0f;
    const float first = kHalfWidth + kIconHalf.x + 8.0f;
    return centre + glm::vec2(direction * (first + kIconStep * static_cast<float>(order)), 0.0f);
}

void Profile::Layout()
{
    const bool left = side == 1;
    const int anchor = left ? AnchorTransform::kTopLeft : AnchorTransform::kTopRight;
    const float inward = kHalfWidth + 12.0f;
    centre = ui::HudPoint(anchor, glm::vec2(left ? inward : -inward, -kHalfHeight - 12.0f - kSlotStep * static_cast<float>(slot)));
    Get<AnchorTransform>()->setPosition(centre);
    ui::PlaceSprite(*frame, centre, glm::vec2(kHalfWidth, kHalfHeight));
    const glm::vec2 heartAt = centre + glm::vec2(-kHalfWidth + kHeartHalf.x + 14.0f, 0.0f);
    ui::PlaceSprite(*heart, heartAt, kHeartHalf);
    // The light groove of the heart picture, which the bar fills.
    health->SetPosition(heartAt + glm::vec2(0.078f * kHeartHalf.x, 0.0f));
    health->SetSize(glm::vec2(0.86f * kHeartHalf.x, 0.62f * kHeartHalf.y));
    text->setPosition(centre.x + kHalfWidth - 14.0f, centre.y);
    int order = 0;
    for (int i = 0; i < kStatusTypes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (held[at] <= 0) continue;
        const glm::vec2 iconAt = IconPosition(order++);
        ui::PlaceSprite(*icons[at], iconAt, kIconHalf);
        counts[at]->setPosition(iconAt.x + 12.0f, iconAt.y - 14.0f);
    }
}

void Profile::Update(float dt)
{
    Layout();
    Object::Update(dt);
    ui::BlockPointer(this, ui::InsideRect(ui::CursorUi(), centre, glm::vec2(kHalfWidth, kHalfHeight)));
}

void Profile::Draw()
{
    frame->Draw();
    heart->Draw();
    health->Draw();
    text->Draw();
    for (int i = 0; i < kStatusTypes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (held[at] <= 0) continue;
        icons[at]->Draw();
        counts[at]->Draw();
    }
}
