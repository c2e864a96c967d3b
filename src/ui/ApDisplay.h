#pragma once
#include <memory>
#include <vector>

#include <glm/glm.hpp>

#include "objects/Object.h"

// How many action-point pips to show and how many of them a previewed action would spend. Both
// are bounded whatever a stats file or a spell holds: 0 to 10 pips, 0 to the pips to spend.
struct ApPips {
    int pips = 0;
    int toSpend = 0;
    static constexpr int kMaxPips = 10;
    static ApPips For(int actionPoints, int previewCost);
};

// What the battle state asks the AP row to preview (map state 2: the selected spell's cost; map
// state 1 with a highlighted hovered tile: the walk's cost when it does not exceed the points).
// Returns 0 when nothing is previewed.
int ApPreviewCost(int mapState, int actionPoints, int spellCost, bool hoveredHighlighted, int walkCost);

// The AP row: a frame ("AP_Frame") with one "Status_Bar_AP" pip (25 x 25) per action point of
// the selected wizard, 60 units apart, pinned above the bottom-left corner. Pips a preview would
// spend are drawn at 40 % alpha. Hidden when no wizard of the side in play is selected.
class AP : public Object {
public:
    static constexpr float kPipStep = 60.0f;
    static constexpr float kPipSize = 25.0f;

    AP();
    ~AP() override;

    // Shows `actionPoints` pips of which the last `previewCost` are dimmed; `shown` false hides
    // the row (no wizard of the side in play selected).
    void Show(bool shown, int actionPoints, int previewCost = 0);
    const ApPips& Pips() const { return current; }
    // How far above the bottom edge the hand of cards reaches (spell_hand::ReservedHeight); the
    // row sits just above it.
    void SetBottomClearance(float units) { clearance = units; }
    glm::vec2 PipPosition(int index) const;

    void Update(float dt) override;
    void Draw() override;

    std::unique_ptr<Object> frame;
    std::vector<std::unique_ptr<Object>> pips;
    bool visible = false;

private:
    void Layout();
    ApPips current;
    glm::vec2 origin{0.0f};
    float clearance = 247.0f;
};
