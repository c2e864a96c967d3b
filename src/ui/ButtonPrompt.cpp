#include "ui/ButtonPrompt.h"

#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "render/Text.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"
#include "ui/SmartButton.h"

namespace {
constexpr float kButtonRowY = -100.0f;
constexpr float kMessageY = 100.0f;
constexpr float kMessageWidth = 860.0f;
const glm::vec4 kDim(0.0f, 0.0f, 0.0f, 0.5f);
}  // namespace

ButtonPrompt::ButtonPrompt(const std::string& text, const std::vector<std::string>& labels)
{
    auto* placement = new AnchorTransform();
    placement->setScale(470.0f, 270.0f);
    AddComponent(placement);
    auto* sprite = new Texture("SquareMesh", "Cheat_Panel");
    sprite->program = "static";
    AddComponent(sprite);
    message = std::make_unique<Text>(text, this, glm::vec2(0.0f, kMessageY), glm::vec4(1.0f));
    FitMessage();
    dim = ui::MakeSprite("None", glm::vec2(1.0f), "static", kDim);
    for (const std::string& label : labels) AddButton(label);
}

ButtonPrompt::~ButtonPrompt() = default;

glm::vec2 ButtonPrompt::ButtonOffset(int index, int count)
{
    if (count <= 1) return {0.0f, kButtonRowY};
    if (count == 2) return {index == 0 ? -170.0f : 170.0f, kButtonRowY};
    const float step = 680.0f / static_cast<float>(count - 1);
    return {static_cast<float>(index) * step - 340.0f, kButtonRowY};
}

void ButtonPrompt::AddButton(const std::string& labelText)
{
    buttons.push_back(std::make_unique<SmartButton>(100.0f, 50.0f, glm::vec2(0.0f), labelText));
    LayOutRow();
}

void ButtonPrompt::LayOutRow()
{
    const glm::vec2 centre = Get<AnchorTransform>()->position;
    const int count = static_cast<int>(buttons.size());
    for (int i = 0; i < count; ++i) buttons[static_cast<std::size_t>(i)]->SetPosition(centre + ButtonOffset(i, count));
}

void ButtonPrompt::SetButtonTexture(const std::string& textureName)
{
    for (auto& button : buttons) button->SetTexture(textureName);
}

void ButtonPrompt::SetMessage(const std::string& text)
{
    message->setText(text);
    FitMessage();
}

void ButtonPrompt::SetMessageSize(float size)
{
    messageSize = size;
    FitMessage();
}

void ButtonPrompt::FitMessage()
{
    // Long questions wrap rather than run past the panel's edges.
    message->setWrapWidth(0.0f);
    message->setScale(messageSize);
    for (float wrap = 60.0f; wrap >= 10.0f && ui::TextWidth(*message) > kMessageWidth; wrap -= 4.0f)
        message->setWrapWidth(wrap);
}

void ButtonPrompt::SetPosition(glm::vec2 position)
{
    Get<AnchorTransform>()->setPosition(position);
    LayOutRow();
}

SmartButton* ButtonPrompt::ButtonLabelled(const std::string& labelText) const
{
    for (const auto& button : buttons)
        if (button->label->sourceText == labelText) return button.get();
    return nullptr;
}

void ButtonPrompt::Update(float dt)
{
    Object::Update(dt);
    message->Update(dt);
    if (!visible) return;
    LayOutRow();
    // The buttons lie over the panel, so they are asked first. A button's action may close or
    // even destroy the prompt: once one has used the press, nothing of the prompt is touched.
    for (auto& button : buttons) {
        const bool pressOpen = ui::PressAvailable();
        button->Update(dt);
        if (pressOpen && !ui::PressAvailable()) return;
    }
    const auto* placement = Get<AnchorTransform>();
    ui::BlockPointer(this, ui::InsideRect(ui::CursorUi(), placement->position, placement->scale));
}

void ButtonPrompt::Draw()
{
    if (!visible) return;
    ui::PlaceSprite(*dim, glm::vec2(0.0f), glm::vec2(ui::HudViewport()) * 0.5f);
    dim->Draw();
    Object::Draw();
    for (auto& button : buttons) button->Draw();
    message->Draw();
}
