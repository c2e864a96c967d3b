#include "ui/TurnDisplay.h"

#include <string>

#include <glm/geometric.hpp>

#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "objects/Texture.h"
#include "render/Text.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"

namespace {
const glm::vec2 kPanelHalf(90.0f, 36.0f);
const glm::vec2 kBannerHalf(64.0f, 128.0f);
const glm::vec4 kCounterInk(0.96f, 0.88f, 0.62f, 1.0f);
}  // namespace

TurnDisplay::TurnDisplay()
{
    name = "Turn_Display";
    auto* placement = new AnchorTransform();
    placement->setScale(kPanelHalf);
    AddComponent(placement);
    panel = ui::MakeSprite("Turn_Counter_Panel", kPanelHalf);
    counter = ui::MakeLabel("", 26.0f, kCounterInk, kAlignCenter);
    Layout();
}

TurnDisplay::~TurnDisplay() = default;

int TurnDisplay::BannerFrame(int factionIndex)
{
    return factionIndex >= 0 && factionIndex <= 10 ? factionIndex : 0;
}

glm::vec2 TurnDisplay::BannerTarget(int side) const
{
    const float dx = kPanelHalf.x + kBannerHalf.x + 16.0f;
    // The banner hangs from the top edge; only its lower part shows.
    return centre + glm::vec2(side == 1 ? -dx : dx, 60.0f);
}

void TurnDisplay::AddBanner(int factionIndex, int side)
{
    auto banner = std::make_unique<Object>();
    banner->name = "PLAYER_" + std::to_string(side) + "_BANNER";
    auto* placement = new AnchorTransform();
    placement->setScale(kBannerHalf);
    auto* sprite = new Texture("SquareMesh", "Banners");
    sprite->program = "banner_anim";
    auto* animation = new Animation();
    animation->currentFrame = animation->firstFrame = BannerFrame(factionIndex);
    banner->AddComponent(placement);
    banner->AddComponent(sprite);
    banner->AddComponent(animation);
    const glm::vec2 target = BannerTarget(side);
    // It drops in from above the screen.
    placement->setPosition(target + glm::vec2(0.0f, 2.0f * kBannerHalf.y));
    banners.push_back(Banner{std::move(banner), side, target, true});
}

void TurnDisplay::Layout()
{
    centre = ui::HudPoint(AnchorTransform::kTopCenter, glm::vec2(0.0f, -kPanelHalf.y - 8.0f));
    Get<AnchorTransform>()->setPosition(centre);
    ui::PlaceSprite(*panel, centre, kPanelHalf);
    counter->setPosition(centre.x, centre.y);
    for (Banner& banner : banners) {
        const glm::vec2 target = BannerTarget(banner.side);
        if (target != banner.target) banner.moving = true;
        banner.target = target;
    }
}

void TurnDisplay::Update(int turnNumber, float dt)
{
    if (turnNumber != shownTurn) {
        shownTurn = turnNumber;
        counter->setText("Turn " + std::to_string(turnNumber));
    }
    Update(dt);
}

void TurnDisplay::Update(float dt)
{
    Layout();
    for (Banner& banner : banners) {
        auto* placement = banner.object->Get<AnchorTransform>();
        if (banner.moving) {
            const glm::vec2 next = 0.9f * placement->position + 0.1f * banner.target;
            const bool arrived = glm::distance(next, banner.target) < 1.0f;
            placement->setPosition(arrived ? banner.target : next);
            banner.moving = !arrived;
        }
        banner.object->Update(dt);
    }
    Object::Update(dt);
    ui::BlockPointer(this, ui::InsideRect(ui::CursorUi(), centre, kPanelHalf));
}

void TurnDisplay::Draw()
{
    for (Banner& banner : banners) banner.object->Draw();
    panel->Draw();
    counter->Draw();
}
