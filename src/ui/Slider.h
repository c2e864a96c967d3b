#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "objects/Object.h"

class SmartButton;
class Text;
class TransformBase;

// Where a slider sits and how wide it is: centre (x, y) relative to its parent, the distance w
// from the centre to each arrow, and the arrows' size s.
struct SliderLayout {
    float x = 0.0f;
    float y = 0.0f;
    float w = 150.0f;
    float s = 25.0f;
};

// A left/right selector over a list of labelled choices ("<" and ">" around the current item's
// label). The arrows step through the items and run the new item's action; an arrow at an end of
// the list is inactive. SetIndex only moves the selection (no action runs) and ignores an index
// outside the list, so a hand-edited setting cannot select past it.
//
//     Slider volume(nullptr, {0.0f, 80.0f, 150.0f, 25.0f});
//     volume.AddItem("Off", [] { ... });
//     volume.AddItem("On", [] { ... });
//     volume.SetIndex(UserConfig.music ? 1 : 0);
class Slider : public Object {
public:
    struct Item {
        std::unique_ptr<Text> label;
        std::function<void()> action;
    };

    // `parent` (may be null) must outlive the slider; the slider sits at parent + (x, y).
    Slider(TransformBase* parent, SliderLayout layout);
    ~Slider() override;

    void AddItem(const std::string& labelText, std::function<void()> action = nullptr);
    void SetIndex(int index);
    void Previous();
    void Next();
    // The current item's index, -1 before the first SetIndex.
    int Index() const { return current; }
    int ItemCount() const { return static_cast<int>(items.size()); }
    // Takes ownership of an object drawn and updated with the slider.
    void AddExtra(std::unique_ptr<Object> extra);

    void Update(float dt) override;
    void Draw() override;

    TransformBase* parent = nullptr;
    std::unique_ptr<SmartButton> leftArrow;
    std::unique_ptr<SmartButton> rightArrow;
    std::unique_ptr<Object> panel;
    int current = -1;
    SliderLayout layout;
    std::vector<std::unique_ptr<Object>> extras;
    std::vector<Item> items;

private:
    glm::vec2 Centre() const;
    void Place();
};
