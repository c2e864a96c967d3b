#include "ui/Slider.h"

#include "engine/Log.h"
#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "render/Text.h"
#include "ui/SmartButton.h"

Slider::Slider(TransformBase* parentTransform, SliderLayout sliderLayout) : parent(parentTransform), layout(sliderLayout)
{
    auto* placement = new AnchorTransform();
    placement->setPosition(Centre());
    placement->setScale(layout.w, layout.s);
    AddComponent(placement);
    leftArrow = std::make_unique<SmartButton>(layout.s, layout.s, glm::vec2(0.0f), "<");
    rightArrow = std::make_unique<SmartButton>(layout.s, layout.s, glm::vec2(0.0f), ">");
    leftArrow->SetOnClick([this] { Previous(); });
    rightArrow->SetOnClick([this] { Next(); });
    panel = std::make_unique<Object>();
    auto* panelPlacement = new AnchorTransform();
    panelPlacement->setScale(0.8f * layout.w, 0.8f * layout.s);
    panel->AddComponent(panelPlacement);
    auto* panelSprite = new Texture("PanelMesh", "None");
    panelSprite->program = "basic";
    panel->AddComponent(panelSprite);
    Place();
}

Slider::~Slider() = default;

glm::vec2 Slider::Centre() const
{
    const glm::vec2 base = parent ? parent->position : glm::vec2(0.0f);
    return base + glm::vec2(layout.x, layout.y);
}

void Slider::Place()
{
    auto* placement = Get<AnchorTransform>();
    placement->setPosition(Centre());
    const glm::vec2 at = placement->position;
    panel->Get<AnchorTransform>()->setPosition(at);
    leftArrow->SetPosition({at.x - layout.w, at.y});
    rightArrow->SetPosition({at.x + layout.w, at.y});
}

void Slider::AddItem(const std::string& labelText, std::function<void()> action)
{
    auto label = std::make_unique<Text>(labelText, glm::vec2(0.0f), glm::vec4(1.0f));
    label->setScale(30.0f);
    const bool sameKind = (panel->Get<AnchorTransform>() != nullptr) == (label->Get<AnchorTransform>() != nullptr);
    if (sameKind) label->link(panel.get());
    else print("ERROR: LINKed OBJECT does not have the same Transform type as TEXT.\n");
    items.push_back(Item{std::move(label), std::move(action)});
}

void Slider::SetIndex(int index)
{
    const int last = ItemCount() - 1;
    if (index < 0 || index > last) return;
    current = index;
    leftArrow->active = index > 0;
    rightArrow->active = index < last;
}

void Slider::Previous()
{
    if (current <= 0 || current >= ItemCount()) return;
    SetIndex(current - 1);
    // A copy runs: the action may rebuild the item list.
    std::function<void()> action = items[static_cast<std::size_t>(current)].action;
    if (action) action();
}

void Slider::Next()
{
    if (current < 0 || current >= ItemCount() - 1) return;
    SetIndex(current + 1);
    std::function<void()> action = items[static_cast<std::size_t>(current)].action;
    if (action) action();
}

void Slider::AddExtra(std::unique_ptr<Object> extra)
{
    if (extra) extras.push_back(std::move(extra));
}

void Slider::Update(float dt)
{
    Object::Update(dt);
    // An arrow's action may change the items or the arrows' activity; both arrows stay alive.
    leftArrow->Update(dt);
    rightArrow->Update(dt);
    for (auto& extra : extras) extra->Update(dt);
    Place();
    panel->Update(dt);
    for (auto& item : items) item.label->Update(dt);
}

void Slider::Draw()
{
    Object::Draw();
    // The dark panel keeps the white caption readable on any backdrop.
    panel->Draw();
    leftArrow->Draw();
    rightArrow->Draw();
    for (auto& extra : extras) extra->Draw();
    if (current >= 0 && current < ItemCount()) items[static_cast<std::size_t>(current)].label->Draw();
}
