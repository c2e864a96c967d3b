#include "ui/SmartButton.h"

#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "render/MaterialInputs.h"
#include "render/Text.h"
#include "ui/Pointer.h"
#include "ui/WidgetFile.h"
#include "ui/WidgetSound.h"

namespace {
const glm::vec4 kCaptionInk(0.0f, 0.0f, 0.0f, 1.0f);
constexpr float kCaptionSize = 25.0f;
}  // namespace

SmartButton::SmartButton(float width, float height, float anchorOffset, int anchor, const std::string& labelText)
{
    Build(width, height, "Button_Frame", labelText);
    if (anchor != AnchorTransform::kNone) Placement()->setAnchor(anchor, anchorOffset);
}

SmartButton::SmartButton(float width, float height, const std::string& textureName)
{
    Build(width, height, textureName, "");
}

SmartButton::SmartButton(float width, float height, glm::vec2 position, const std::string& labelText)
{
    Build(width, height, "Button_Frame", labelText);
    SetPosition(position);
}

SmartButton::~SmartButton() = default;

void SmartButton::Build(float width, float height, const std::string& textureName, const std::string& labelText)
{
    auto* placement = new AnchorTransform();
    placement->setScale(width, height);
    AddComponent(placement);
    auto* sprite = new Texture("SquareMesh", textureName);
    sprite->program = "button";
    AddComponent(sprite);
    label = std::make_unique<Text>(labelText, this, glm::vec2(0.0f), kCaptionInk);
    label->setScale(kCaptionSize);
}

AnchorTransform* SmartButton::Placement() const
{
    return Get<AnchorTransform>();
}

void SmartButton::Read(const std::string& fileName)
{
    ui::WidgetFile file;
    if (!ui::ReadWidgetFile(fileName, "Button", file)) return;
    std::string value;
    if (json::GetString(file.doc, "name", value) == json::Field::Ok) name = value;
    if (file.placementValid && json::GetString(file.doc, "text", value) == json::Field::Ok) SetLabel(value);
    highlightColor = glm::vec3(1.0f, 0.0f, 0.0f);
    clickedColor = glm::vec3(0.0f, 1.0f, 0.0f);
    label->color = glm::vec4(1.0f, 0.0f, 0.0f, 1.0f);
}

void SmartButton::SetOnClick(std::function<void()> action)
{
    onClick = std::move(action);
}

void SmartButton::SetLabel(const std::string& labelText)
{
    label->setText(labelText);
}

void SmartButton::SetTexture(const std::string& textureName)
{
    if (auto* sprite = Get<Texture>()) sprite->setTexture(textureName);
}

void SmartButton::SetPosition(glm::vec2 position)
{
    Placement()->setPosition(position);
}

glm::vec2 SmartButton::Position() const
{
    return Placement()->position;
}

glm::vec2 SmartButton::HalfSize() const
{
    return Placement()->scale;
}

bool SmartButton::IsMouseOver()
{
    if (!active || ui::MouseClaimedByOther(this)) {
        hovered = false;
        return false;
    }
    hovered = ui::InsideRect(ui::CursorUi(), Position(), HalfSize());
    if (hovered) ui::ClaimMouse(this);
    return hovered;
}

void SmartButton::Update(float dt)
{
    if (!active) return;
    clicked = false;
    if (IsMouseOver() && ui::TakePress()) {
        ui::PlayWidgetSound("Click");
        clicked = true;
        if (onClick) {
            // A copy runs, so an action that replaces or destroys this button is safe; nothing
            // of the button is touched after it.
            std::function<void()> action = onClick;
            action();
            return;
        }
    }
    Object::Update(dt);
    if (!label->text.empty()) label->Update(dt);
}

void SmartButton::Draw()
{
    if (!active) return;
    Object::Draw();
    if (!label->text.empty()) label->Draw();
}

void SmartButton::FillMaterialInputs(MaterialInputs& inputs) const
{
    inputs.hovered = hovered;
    inputs.clicked = clicked && active;
    inputs.highlightColor = highlightColor;
    inputs.clickedColor = clickedColor;
}
