#pragma once
#include <string>

#include "objects/Transform.h"

// Interface-space placement (origin at the window centre, y up, one unit per pixel), optionally
// pinned towards a screen edge or corner so it follows window resizes.
class AnchorTransform : public TransformBase {
public:
    static constexpr int kKind = kAnchorTransform;

    enum Anchor {
        kNone = -1,
        kTopLeft = 0,
        kBottomLeft = 1,
        kTopRight = 2,
        kBottomRight = 3,
        kBottomCenter = 4,
        kTopCenter = 5,
        kLeftCenter = 6,
        kRightCenter = 7,
    };

    AnchorTransform();
    AnchorTransform(const AnchorTransform& other);
    Component* Clone() const override { return new AnchorTransform(*this); }

    // Re-anchors on the next update after the camera viewport changed size.
    void Update(float dt) override;

    // Places the object `percent` of the way from the screen centre to the anchor point of the
    // current camera viewport (or of the given one).
    void setAnchor(int anchorValue, float percent);
    void setAnchor(int anchorValue, float percent, int viewportWidth, int viewportHeight);
    // The Update step with an explicit viewport size.
    void followViewport(int viewportWidth, int viewportHeight);

    // "ANCHOR_TOP_LEFT" ... "ANCHOR_RIGHT_CENTER"; anything else is kNone.
    static int anchorFromName(const std::string& anchorName);
    static glm::vec2 anchorPoint(int anchorValue, int viewportWidth, int viewportHeight);

    int anchorViewportWidth = 0;
    int anchorViewportHeight = 0;
    int anchor = kNone;
    float anchorPercent = 0.0f;
};
