#include "spells/SpellCard.h"

#include <algorithm>

#include <glm/geometric.hpp>

#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "objects/Texture.h"
#include "render/Text.h"
#include "ui/Arrow.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"
#include "ui/WidgetSound.h"

namespace {

constexpr float k255 = 1.0f / 255.0f;
const glm::vec4 kNumberInk(46 * k255, 34 * k255, 47 * k255, 1.0f);
const glm::vec4 kBonusInk(30 * k255, 188 * k255, 115 * k255, 1.0f);
const glm::vec4 kPenaltyInk(174 * k255, 35 * k255, 52 * k255, 1.0f);
const glm::vec4 kFlavourInk(171 * k255, 148 * k255, 122 * k255, 1.0f);

const glm::vec2 kTokenOffset(64.0f, 192.0f);
const glm::vec2 kTitleOffset(-148.0f, 192.0f);
const glm::vec2 kArrowOffset(0.0f, 320.0f);
const std::array<glm::vec2, 4> kBlockOffsets = {{{-82.0f, 128.0f}, {82.0f, 128.0f}, {-82.0f, 65.0f}, {82.0f, 65.0f}}};
const std::array<glm::vec2, 4> kNumberOffsets = {{{-36.0f, 128.0f}, {128.0f, 128.0f}, {-36.0f, 64.0f}, {128.0f, 64.0f}}};
const glm::vec2 kDescriptionOffset(-155.0f, 35.0f);
const glm::vec2 kFlavourOffset(-148.0f, -148.0f);
constexpr float kTitleSize = 28.0f;
constexpr float kTitleWidth = 172.0f;
constexpr float kTextWidth = 310.0f;
constexpr int kBlockFrames = 16;

std::unique_ptr<Object> SheetSprite(const char* texture, glm::vec2 halfSize, int frame)
{
    auto sprite = ui::MakeSprite(texture, halfSize, "static_anim");
    auto* animation = new Animation();
    animation->currentFrame = animation->firstFrame = frame;
    sprite->AddComponent(animation);
    return sprite;
}

void SetFrame(Object& sprite, int frame)
{
    if (auto* animation = sprite.Get<Animation>()) animation->currentFrame = std::clamp(frame, 0, kBlockFrames - 1);
}

glm::vec4 InkFor(CardNumbers::Tone tone)
{
    if (tone == CardNumbers::kBonus) return kBonusInk;
    if (tone == CardNumbers::kPenalty) return kPenaltyInk;
    return kNumberInk;
}

// Narrows the wrap until the widest line fits the card.
void WrapToWidth(Text& text, float maxWidth)
{
    for (float wrap = 40.0f; wrap >= 8.0f; wrap -= 2.0f) {
        text.setWrapWidth(wrap);
        if (ui::TextWidth(text) <= maxWidth) return;
    }
}

}  // namespace

SpellCard::SpellCard(const Spell& bookSpell) : spell(CardSpellFrom(bookSpell)), source(&bookSpell)
{
    Build();
}

SpellCard::SpellCard(const CardSpell& shown) : spell(shown)
{
    Build();
}

SpellCard::SpellCard(const SpellCard& templateCard) : Object(), spell(templateCard.spell), source(templateCard.source)
{
    Build();
}

SpellCard::~SpellCard() = default;

void SpellCard::Build()
{
    name = "Spell_Card_" + spell.name;
    auto* placement = new AnchorTransform();
    placement->setScale(kHalfSize);
    placement->setPosition(kOffscreen);
    AddComponent(placement);
    // Every "static_anim" sprite carries its frame: the program keeps the last sprite's sheet
    // numbers otherwise.
    frame = SheetSprite("Spell_Card_Frame", kHalfSize, 0);
    token = SheetSprite("Token_Sheet", glm::vec2(32.0f), std::clamp(spell.element, 0, 4));
    const int firstFrames[4] = {1, 4, 7, 10};
    for (std::size_t i = 0; i < blocks.size(); ++i) blocks[i] = SheetSprite("Spell_Card_Block", glm::vec2(82.0f, 32.0f), firstFrames[i]);
    title = ui::MakeLabel(spell.name, kTitleSize, kNumberInk);
    for (auto& number : numberTexts) number = ui::MakeLabel("", 36.0f, kNumberInk, kAlignCenter);
    description = ui::MakeLabel(spell.description, 22.0f, kNumberInk);
    description->setAlignment(kAlignLeft, kAlignTop);
    flavour = ui::MakeLabel(spell.flavor, 16.0f, kFlavourInk);
    flavour->setAlignment(kAlignLeft, kAlignTop);
    SizeTexts();
    arrow = std::make_unique<Arrow>();
    arrow->Show(false);
    RefreshNumbers();
    PlaceChildren();
}

void SpellCard::SizeTexts()
{
    const float s = cardScale;
    ui::FitText(*title, kTitleSize * s, kTitleWidth * s);
    for (auto& number : numberTexts) number->setScale(36.0f * s);
    description->setScale((spell.description.size() < 100 ? 22.0f : 18.0f) * s);
    WrapToWidth(*description, kTextWidth * s);
    flavour->setScale(16.0f * s);
    WrapToWidth(*flavour, kTextWidth * s);
}

void SpellCard::SetCardScale(float scale)
{
    if (!(scale > 0.0f) || scale == cardScale) return;
    cardScale = scale;
    Get<AnchorTransform>()->setScale(HalfSize());
    SizeTexts();
    PlaceChildren();
}

void SpellCard::MarkReceived()
{
    state = kNew;
    arrowDirty = true;
    locked = true;
}

void SpellCard::SetContext(const CardHolder& cardHolder, bool open, bool aiActing)
{
    holder = cardHolder;
    inputOpen = open;
    computerActing = aiActing;
    // A change in castability re-decides the arrow's look.
    const bool look = holder.exists && holder.actionPoints >= spell.cost && castable;
    if (look != lastCastableLook) arrowDirty = true;
    lastCastableLook = look;
}

void SpellCard::GlideTo(glm::vec2 position)
{
    const float distance = glm::distance(Position(), position);
    if (distance < 1.0f) return;
    moveTarget = position;
    moveDistance = distance;
    moving = true;
}

void SpellCard::SetPosition(glm::vec2 position)
{
    Get<AnchorTransform>()->setPosition(position);
    moving = false;
    locked = false;
    PlaceChildren();
}

glm::vec2 SpellCard::Position() const
{
    return Get<AnchorTransform>()->position;
}

void SpellCard::SetGreyed(bool grey)
{
    greyed = grey;
    const float alpha = grey ? 0.5f : 1.0f;
    ui::SetSpriteAlpha(*frame, alpha);
    ui::SetSpriteAlpha(*token, alpha);
    title->color.a = alpha;
}

bool SpellCard::ArrowShown() const
{
    return arrow->visible && !computerActing && holder.exists && showStats && !hovered && !expanded && !selected;
}

int SpellCard::ArrowState() const
{
    return arrow->arrowState;
}

void SpellCard::RefreshNumbers()
{
    numbers = ComputeCardNumbers(spell, holder);
    const std::string* texts[4] = {&numbers.effect, &numbers.area, &numbers.range, &numbers.hit};
    const CardNumbers::Tone tones[4] = {numbers.effectTone, numbers.areaTone, numbers.rangeTone, numbers.hitTone};
    const int frames[4] = {numbers.effectBlock, numbers.areaBlock, numbers.rangeBlock, numbers.hitBlock};
    for (std::size_t i = 0; i < 4; ++i) {
        if (numberTexts[i]->sourceText != *texts[i]) numberTexts[i]->setText(*texts[i]);
        numberTexts[i]->color = InkFor(tones[i]);
        numberTexts[i]->color.a = greyed ? 0.5f : 1.0f;
        SetFrame(*blocks[i], frames[i]);
    }
}

void SpellCard::RefreshArrow()
{
    if (!arrowDirty || !showStats) return;
    if (state == kNew) {
        arrow->SetState(Arrow::kNewCard);
        arrow->Show(true);
    } else {
        const bool look = holder.exists && holder.actionPoints >= spell.cost && castable;
        if (look) arrow->SetState(Arrow::kCastable);
        arrow->Show(look);
    }
    arrowDirty = false;
}

void SpellCard::StepGlide(float dt)
{
    if (!moving) return;
    auto* placement = Get<AnchorTransform>();
    const glm::vec2 at = placement->position;
    const float d = glm::distance(at, moveTarget);
    // At most the remaining distance, so the card never overshoots; it settles exactly.
    const float step = std::min(d, moveDistance * 10.0f * std::max(dt, 0.0f));
    if (d < 1.0f || step >= d) {
        placement->setPosition(moveTarget);
        moving = false;
        locked = false;
        return;
    }
    placement->setPosition(at + (moveTarget - at) * (step / d));
}

void SpellCard::PlaceChildren()
{
    const glm::vec2 at = Position();
    const float s = cardScale;
    auto place = [&](Text& text, glm::vec2 offset) { text.setPosition(at.x + s * offset.x, at.y + s * offset.y); };
    ui::PlaceSprite(*frame, at, HalfSize());
    ui::PlaceSprite(*token, at + s * kTokenOffset, glm::vec2(32.0f * s));
    ui::PlaceSprite(*arrow, at + s * kArrowOffset, glm::vec2(64.0f * s));
    place(*title, kTitleOffset);
    for (std::size_t i = 0; i < 4; ++i) {
        ui::PlaceSprite(*blocks[i], at + s * kBlockOffsets[i], s * glm::vec2(82.0f, 32.0f));
        place(*numberTexts[i], kNumberOffsets[i]);
    }
    place(*description, kDescriptionOffset);
    place(*flavour, kFlavourOffset);
}

void SpellCard::ReadMouse()
{
    const bool over = showStats && inputOpen && !locked && !expanded && !ui::MouseClaimedByOther(this) &&
                      ui::InsideRect(ui::CursorUi(), Position(), HalfSize());
    if (!over) {
        hovered = selected = false;
        return;
    }
    ui::ClaimMouse(this);
    if (state == kNew) {
        // Hovering a new card acknowledges it.
        state = kNormal;
        arrowDirty = true;
    }
    if (!hovered) ui::PlayWidgetSound("CardHover");
    hovered = true;
    selected = ui::TakePress();
    if (selected) ui::PlayWidgetSound("CardSelect");
}

void SpellCard::Update(float dt)
{
    if (markNew) {
        state = kNew;
        arrowDirty = true;
        markNew = false;
    }
    RefreshNumbers();
    RefreshArrow();
    StepGlide(dt);
    PlaceChildren();
    for (Object* child : {frame.get(), token.get(), blocks[0].get(), blocks[1].get(), blocks[2].get(), blocks[3].get()})
        child->Update(dt);
    arrow->Update(dt);
    ReadMouse();
    Object::Update(dt);
}

void SpellCard::Draw()
{
    Object::Draw();
    frame->Draw();
    token->Draw();
    title->Draw();
    if (showStats) {
        for (auto& block : blocks) block->Draw();
        for (auto& number : numberTexts) number->Draw();
    }
    if (expanded || selected) description->Draw();
    if (ArrowShown()) arrow->Draw();
}
