#include "objects/AnchorTransform.h"

#include <algorithm>
#include <array>

#include "render/RenderContext.h"

namespace {
constexpr std::array<const char*, 8> kAnchorNames = {
    "ANCHOR_TOP_LEFT",      "ANCHOR_BOTTOM_LEFT", "ANCHOR_TOP_RIGHT",  "ANCHOR_BOTTOM_RIGHT",
    "ANCHOR_BOTTOM_CENTER", "ANCHOR_TOP_CENTER",  "ANCHOR_LEFT_CENTER", "ANCHOR_RIGHT_CENTER",
};
}

AnchorTransform::AnchorTransform() : TransformBase(kKind)
{
    scale = glm::vec2(1.0f);
}

AnchorTransform::AnchorTransform(const AnchorTransform& other)
    : TransformBase(other),
      anchorViewportWidth(other.anchorViewportWidth),
      anchorViewportHeight(other.anchorViewportHeight),
      anchor(other.anchor),
      anchorPercent(other.anchorPercent)
{
}

void AnchorTransform::Update(float)
{
    glm::ivec2 viewport = render::ViewportSize();
    followViewport(viewport.x, viewport.y);
}

void AnchorTransform::followViewport(int viewportWidth, int viewportHeight)
{
    if (anchor == kNone) return;
    if (viewportWidth != anchorViewportWidth || viewportHeight != anchorViewportHeight)
        setAnchor(anchor, anchorPercent, viewportWidth, viewportHeight);
}

void AnchorTransform::setAnchor(int anchorValue, float percent)
{
    glm::ivec2 viewport = render::ViewportSize();
    setAnchor(anchorValue, percent, viewport.x, viewport.y);
}

void AnchorTransform::setAnchor(int anchorValue, float percent, int viewportWidth, int viewportHeight)
{
    anchorViewportWidth = viewportWidth;
    anchorViewportHeight = viewportHeight;
    anchor = anchorValue;
    anchorPercent = percent;
    float t = std::clamp(percent / 100.0f, 0.0f, 1.0f);
    setPosition(anchorPoint(anchorValue, viewportWidth, viewportHeight) * t);
}

int AnchorTransform::anchorFromName(const std::string& anchorName)
{
    for (std::size_t i = 0; i < kAnchorNames.size(); ++i)
        if (anchorName == kAnchorNames[i]) return static_cast<int>(i);
    return kNone;
}

glm::vec2 AnchorTransform::anchorPoint(int anchorValue, int viewportWidth, int viewportHeight)
{
    // Integer halves: a 1281 x 721 window anchors at 640 and 360 like 1280 x 720.
    float w = static_cast<float>(viewportWidth / 2);
    float h = static_cast<float>(viewportHeight / 2);
    switch (anchorValue) {
    case kTopLeft: return {-w, h};
    case kBottomLeft: return {-w, -h};
    case kTopRight: return {w, h};
    case kBottomRight: return {w, -h};
    case kBottomCenter: return {0.0f, -h};
    case kTopCenter: return {0.0f, h};
    case kLeftCenter: return {-w, 0.0f};
    case kRightCenter: return {w, 0.0f};
    default: return {0.0f, 0.0f};
    }
}
