#pragma once
#include <functional>
#include <memory>
#include <string>

#include <glm/glm.hpp>

#include "objects/Object.h"

class AnchorTransform;
class Text;

// A clickable interface rectangle with a caption and an action. Its anchor transform's scale is
// the half-size (a 100 x 50 button covers 200 x 100 pixels). Hover and click follow the press rule
// of ui/Pointer.h: the button claims the mouse while the cursor is over it, and fires once per
// press, on the first frame the press is seen over it while the press is still unused.
//
// Typical use:
//     auto play = std::make_unique<SmartButton>(150.0f, 40.0f, 0.0f, AnchorTransform::kNone, "Play");
//     play->Get<AnchorTransform>()->setPosition(0.0f, 120.0f);
//     play->SetOnClick([this] { startRequested = true; });
//     ... every frame, topmost widget first: play->Update(dt);  and in Render: play->Draw();
// A layout file ("./Data/<name>.json") gives name and caption: button->Read("Button").
class SmartButton : public Object {
public:
    // Frame "Button_Frame", scale (width, height), placed `anchorOffset` percent of the way from
    // the centre to `anchor` (AnchorTransform::kNone keeps it at the centre; move it afterwards).
    SmartButton(float width, float height, float anchorOffset, int anchor, const std::string& labelText);
    // The named texture instead of the frame; no caption.
    SmartButton(float width, float height, const std::string& textureName);
    // Frame "Button_Frame" at the interface position.
    SmartButton(float width, float height, glm::vec2 position, const std::string& labelText);
    ~SmartButton() override;

    // "name", and "text" when "translation" and "scale" are valid (see ui/WidgetFile.h). A button
    // read from a file highlights red, flashes green and has a red caption.
    void Read(const std::string& fileName) override;
    void SetOnClick(std::function<void()> action);
    // Sets the caption (an empty one is not drawn).
    void SetLabel(const std::string& labelText);
    void SetTexture(const std::string& textureName);
    void SetPosition(glm::vec2 position);
    glm::vec2 Position() const;
    glm::vec2 HalfSize() const;

    // False when inactive or when a widget above took the mouse this frame; otherwise the
    // inclusive rectangle test, which also claims the mouse. Sets `hovered`.
    bool IsMouseOver();
    // May run the action, which may destroy this button: nothing of it is touched afterwards.
    void Update(float dt) override;
    void Draw() override;
    void FillMaterialInputs(MaterialInputs& inputs) const override;

    bool hovered = false;
    bool clicked = false;
    bool active = true;
    std::unique_ptr<Text> label;
    glm::vec3 highlightColor{1.0f, 1.0f, 1.0f};
    glm::vec3 clickedColor{1.0f, 1.0f, 1.0f};
    std::function<void()> onClick;

private:
    void Build(float width, float height, const std::string& textureName, const std::string& labelText);
    AnchorTransform* Placement() const;
};
