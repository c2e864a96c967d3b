#include "ui/InfoPanel.h"

#include "objects/AnchorTransform.h"
#include "render/Text.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"

namespace {
const glm::vec4 kInk(46.0f / 255.0f, 34.0f / 255.0f, 47.0f / 255.0f, 1.0f);
const glm::vec4 kPaper(0.93f, 0.88f, 0.76f, 0.96f);
const glm::vec4 kTitleInk(0.96f, 0.88f, 0.62f, 1.0f);
constexpr float kMargin = 14.0f;
constexpr float kLineSize = 17.0f;
constexpr float kTextLeft = -InfoPanel::kHalfWidth + 2.0f * kMargin;
constexpr float kTextWidth = 2.0f * (InfoPanel::kHalfWidth - 2.0f * kMargin);
}  // namespace

InfoPanel::InfoPanel()
{
    name = "Info_Panel";
    auto* placement = new AnchorTransform();
    placement->setScale(kHalfWidth, kHalfHeight);
    AddComponent(placement);
    frame = ui::MakeSprite("Wizard_Frame", glm::vec2(kHalfWidth, kHalfHeight));
    paper = ui::MakeSprite("None", glm::vec2(kHalfWidth - kMargin, kHalfHeight - 38.0f), "static", kPaper);
    selector = ui::MakeSprite("Button_Selector", glm::vec2(12.0f, 12.0f));
    title = ui::MakeLabel("TILE INFO", 24.0f, kTitleInk, kAlignCenter);
    coordinates = ui::MakeLabel("", 20.0f, kTitleInk, kAlignCenter);
    biome = ui::MakeLabel("", kLineSize, kInk);
    alignment = ui::MakeLabel("", kLineSize, kInk);
    objectText = ui::MakeLabel("", kLineSize, kInk);
    objectText->setAlignment(kAlignLeft, kAlignTop);
    ShowTile(nullptr, 0);
}

InfoPanel::~InfoPanel() = default;

void InfoPanel::ShowTile(const TileView* tile, int turn)
{
    hasTile = tile != nullptr;
    if (tile) tileShown = *tile;
    lines = DescribeTile(tile, turn);
    title->setText(lines.title);
    coordinates->setText(lines.coordinates);
    biome->setText(lines.biome);
    biome->color = lines.biomeTinted ? glm::vec4(lines.biomeColor, 1.0f) : kInk;
    alignment->setText(lines.alignment);
    objectText->setText(lines.object);
    ui::FitText(*biome, kLineSize, kTextWidth);
    ui::FitText(*alignment, kLineSize, kTextWidth);
    ui::FitText(*objectText, kLineSize, kTextWidth);
}

void InfoPanel::SetSide(bool left)
{
    leftSide = left;
}

glm::vec2 InfoPanel::Centre() const
{
    return Get<AnchorTransform>()->position;
}

void InfoPanel::Layout()
{
    const int anchor = leftSide ? AnchorTransform::kLeftCenter : AnchorTransform::kRightCenter;
    const float inward = kHalfWidth + 12.0f;
    // Below a column of five portraits and above the top of the resting cards.
    const glm::vec2 at = ui::HudPoint(anchor, glm::vec2(leftSide ? inward : -inward, -40.0f));
    Get<AnchorTransform>()->setPosition(at);
    ui::PlaceSprite(*frame, at, glm::vec2(kHalfWidth, kHalfHeight));
    ui::PlaceSprite(*paper, at + glm::vec2(0.0f, -24.0f), glm::vec2(kHalfWidth - kMargin, kHalfHeight - 38.0f));
    // The gold corner brackets frame the coordinates of the tile shown.
    ui::PlaceSprite(*selector, at + glm::vec2(0.0f, kHalfHeight - 50.0f), glm::vec2(68.0f, 14.0f));
    title->setPosition(at.x, at.y + kHalfHeight - 26.0f);
    coordinates->setPosition(at.x, at.y + kHalfHeight - 50.0f);
    // Four lines of 22 units on the paper (the object's two lines are one text, top-aligned).
    biome->setPosition(at.x + kTextLeft, at.y + 4.0f);
    alignment->setPosition(at.x + kTextLeft, at.y - 18.0f);
    objectText->setPosition(at.x + kTextLeft, at.y - 26.0f);
}

void InfoPanel::Update(float dt)
{
    Layout();
    Object::Update(dt);
    const auto* placement = Get<AnchorTransform>();
    ui::BlockPointer(this, ui::InsideRect(ui::CursorUi(), placement->position, placement->scale));
}

void InfoPanel::Draw()
{
    frame->Draw();
    paper->Draw();
    if (hasTile) selector->Draw();
    for (Text* text : {title.get(), coordinates.get(), biome.get(), alignment.get(), objectText.get()}) text->Draw();
}
