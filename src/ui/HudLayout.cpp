#include "ui/HudLayout.h"

#include <algorithm>

#include "objects/AnchorTransform.h"
#include "objects/Object.h"
#include "objects/Texture.h"
#include "render/Mesh.h"
#include "render/RenderContext.h"
#include "render/Text.h"

namespace ui {

glm::ivec2 HudViewport()
{
    return render::ViewportSize();
}

glm::vec2 HudPoint(int anchor, glm::vec2 inset)
{
    const glm::ivec2 view = HudViewport();
    return AnchorTransform::anchorPoint(anchor, view.x, view.y) + inset;
}

void PlaceSprite(Object& object, glm::vec2 position, glm::vec2 halfSize)
{
    if (TransformBase* placement = object.GetPlacement()) {
        placement->setPosition(position);
        placement->setScale(halfSize);
    }
}

std::unique_ptr<Object> MakeSprite(const char* textureName, glm::vec2 halfSize, const char* program, glm::vec4 color)
{
    auto object = std::make_unique<Object>();
    object->name = textureName;
    auto* placement = new AnchorTransform();
    placement->setScale(halfSize);
    object->AddComponent(placement);
    auto* sprite = new Texture("SquareMesh", textureName);
    sprite->program = program;
    if (sprite->mesh && color != glm::vec4(1.0f)) sprite->mesh->setColor(color);
    object->AddComponent(sprite);
    return object;
}

float TextWidth(const Text& text)
{
    float low = 0.0f, high = 0.0f;
    bool first = true;
    for (const GlyphRecord& r : text.Records()) {
        low = first ? r.offsetX : std::min(low, r.offsetX);
        high = first ? r.offsetX + r.quadWidth : std::max(high, r.offsetX + r.quadWidth);
        first = false;
    }
    return high - low;
}

void FitText(Text& text, float size, float maxWidth)
{
    text.setScale(size);
    const float width = TextWidth(text);
    if (width > maxWidth && width > 0.0f) text.setScale(size * maxWidth / width);
}

std::unique_ptr<Text> MakeLabel(const std::string& content, float size, glm::vec4 ink, int hAlign)
{
    auto label = std::make_unique<Text>(content, glm::vec2(0.0f), ink);
    label->setAlignment(hAlign, kAlignMiddle);
    label->setScale(size);
    return label;
}

void SetSpriteAlpha(Object& object, float alpha)
{
    auto* sprite = object.Get<Texture>();
    if (!sprite || !sprite->mesh || sprite->mesh->colors.empty()) return;
    glm::vec4 color = sprite->mesh->colors.front();
    if (color.a == alpha) return;
    color.a = alpha;
    sprite->mesh->setColor(color);
}

}  // namespace ui
