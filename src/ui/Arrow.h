#pragma once
#include <cstdint>

#include "objects/Object.h"

// The small marker above a spell card, drawn from the "Arrow" sheet with the "arrow_anim" program.
// States: 0 bobs between frames 0 and 1 (half a second each); 1 to 4 hold frames 2, 4, 6, 8.
// The cards use 3 for "castable" and 4 for "new". It lives on the interface.
class Arrow : public Object {
public:
    static constexpr int kCastable = 3;
    static constexpr int kNewCard = 4;

    Arrow();
    Arrow(const Arrow& other);

    // 0 to 4 (anything else is ignored); the look changes at the next update.
    void SetState(int state);
    void Show(bool show) { visible = show; }
    void SetPosition(float x, float y);
    // The sheet frame the current look shows (its first frame for the bobbing look).
    static int FirstFrame(int state);

    void Update(float dt) override;
    void Draw() override;
    void FillMaterialInputs(MaterialInputs& inputs) const override;

    bool visible = false;
    std::int32_t arrowState = 0;
    bool dirty = true;
};
