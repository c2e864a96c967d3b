#include "meta/CampaignDossier.h"

#include <algorithm>

#include "meta/FrontEndKit.h"
#include "meta/ScreenParts.h"
#include "objects/AnchorTransform.h"
#include "render/Font.h"
#include "render/Text.h"
#include "render/TextLayout.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"
#include "ui/SmartButton.h"

namespace {
constexpr glm::vec2 kPanelHalf{470.0f, 270.0f};
constexpr float kHeadingY = 222.0f;
constexpr float kHeadingSize = 34.0f;
constexpr glm::vec2 kBodyTopLeft{-420.0f, 185.0f};
constexpr float kButtonRowY = -210.0f;
constexpr glm::vec2 kButtonHalf{90.0f, 26.0f};
constexpr float kThumbnailY = 20.0f;
constexpr float kThumbnailHalf = 128.0f;
const glm::vec4 kDim(0.0f, 0.0f, 0.0f, 0.5f);

// Width and height a paragraph covers once wrapped and laid out at `size`, top-left aligned.
glm::vec2 Extent(const std::string& text, Font& font, float size, float wrap)
{
    const std::string wrapped = WrapText(text, font, wrap);
    float width = 0.0f;
    for (const GlyphRecord& r : LayoutText(wrapped, font, kAlignLeft, kAlignTop, size, size))
        width = std::max(width, r.offsetX + r.quadWidth);
    const float lines = 1.0f + static_cast<float>(std::count(wrapped.begin(), wrapped.end(), '\n'));
    return {width, lines * (size + 8.0f)};
}

// Buttons spread along the bottom of the folder, evenly around its centre.
float ButtonX(int index, int count)
{
    const float step = count <= 2 ? 280.0f : 260.0f;
    return (static_cast<float>(index) - 0.5f * static_cast<float>(count - 1)) * step;
}
}  // namespace

CampaignDossier::BodyFit CampaignDossier::FitBody(const std::string& text, Font& font)
{
    BodyFit fit;
    for (float size = kBodySize; size >= kSmallestBodySize; size -= 2.0f) {
        fit.size = size;
        // The widest wrap that stays inside the box.
        fit.wrap = 100.0f;
        fit.extent = Extent(text, font, size, fit.wrap);
        while (fit.wrap > 10.0f && fit.extent.x > kBodyWidth) {
            fit.wrap -= 2.0f;
            fit.extent = Extent(text, font, size, fit.wrap);
        }
        if (fit.extent.y <= kBodyHeight) break;
    }
    return fit;
}

CampaignDossier::CampaignDossier()
{
    dim = ui::MakeSprite("None", glm::vec2(1.0f), "static", kDim);
    panel = screenparts::MakePicture("Dossier_Panel", glm::vec2(0.0f), kPanelHalf);
    heading = frontend::MakeText("", {0.0f, kHeadingY}, kHeadingSize);
    body = frontend::MakeText("", kBodyTopLeft, kBodySize);
    body->setAlignment(kAlignLeft, kAlignTop);
    thumbnail = screenparts::MakePicture("Map_Thumbnails", {0.0f, kThumbnailY}, glm::vec2(kThumbnailHalf), "static_anim");
}

CampaignDossier::~CampaignDossier() = default;

void CampaignDossier::ShowPage(const std::string& headingText, const std::string& bodyText,
                               const std::vector<std::string>& captions, int thumbnailFrame)
{
    heading->setText(headingText);
    ui::FitText(*heading, kHeadingSize, 2.0f * kPanelHalf.x - 80.0f);
    SetBody(bodyText);
    thumbnailShown = thumbnailFrame >= 0;
    if (thumbnailShown) screenparts::ShowFrame(*thumbnail, thumbnailFrame);
    buttons.clear();
    const int count = static_cast<int>(captions.size());
    for (int i = 0; i < count; ++i) {
        const std::string& caption = captions[static_cast<std::size_t>(i)];
        auto button = std::make_unique<SmartButton>(kButtonHalf.x, kButtonHalf.y, glm::vec2(ButtonX(i, count), kButtonRowY), caption);
        button->name = caption;
        button->SetTexture("Button_Frame_Dossier");
        button->SetOnClick([this, caption] { pressed = caption; });
        buttons.push_back(std::move(button));
    }
}

void CampaignDossier::SetBody(const std::string& text)
{
    body->setText(text);
    if (!body->font) return;
    const BodyFit fit = FitBody(text, *body->font);
    body->setScale(fit.size);
    body->setWrapWidth(fit.wrap);
}

SmartButton* CampaignDossier::Button(const std::string& caption) const
{
    for (const auto& button : buttons)
        if (button->name == caption) return button.get();
    return nullptr;
}

void CampaignDossier::Update(float dt)
{
    pressed.clear();
    for (auto& button : buttons) button->Update(dt);
    ui::BlockPointer(this, ui::InsideRect(ui::CursorUi(), glm::vec2(0.0f), kPanelHalf));
    panel->Update(dt);
    heading->Update(dt);
    body->Update(dt);
    if (thumbnailShown) thumbnail->Update(dt);
    if (pressed.empty() || !onButton) return;
    const std::string caption = pressed;
    pressed.clear();
    onButton(caption);  // may rebuild the page: nothing of the old buttons is touched afterwards
}

void CampaignDossier::Draw()
{
    ui::PlaceSprite(*dim, glm::vec2(0.0f), glm::vec2(ui::HudViewport()) * 0.5f);
    dim->Draw();
    panel->Draw();
    heading->Draw();
    body->Draw();
    if (thumbnailShown) thumbnail->Draw();
    for (auto& button : buttons) button->Draw();
}
