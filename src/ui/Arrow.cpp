#include "ui/Arrow.h"

#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "objects/Texture.h"
#include "render/MaterialInputs.h"

Arrow::Arrow()
{
    name = "Arrow";
    auto* placement = new AnchorTransform();
    placement->setScale(64.0f, 64.0f);
    AddComponent(placement);
    auto* sprite = new Texture("SquareMesh", "Arrow");
    sprite->program = "arrow_anim";
    AddComponent(sprite);
    AddComponent(new Animation());
}

Arrow::Arrow(const Arrow& other) : Object(other), visible(other.visible), arrowState(other.arrowState), dirty(true) {}

void Arrow::SetState(int state)
{
    if (state < 0 || state > 4) return;
    arrowState = state;
    dirty = true;
}

void Arrow::SetPosition(float x, float y)
{
    if (auto* placement = Get<AnchorTransform>()) placement->setPosition(x, y);
}

int Arrow::FirstFrame(int state)
{
    return state >= 1 && state <= 4 ? 2 * state : 0;
}

void Arrow::Update(float dt)
{
    if (dirty) {
        if (auto* animation = Get<Animation>()) {
            if (arrowState == 0) animation->play(0, 2, 0.5f, true);
            else animation->play(FirstFrame(arrowState), 1, 0.0f, false);
        }
        dirty = false;
    }
    Object::Update(dt);
}

void Arrow::Draw()
{
    if (visible) Object::Draw();
}

void Arrow::FillMaterialInputs(MaterialInputs& inputs) const
{
    inputs.screenSpace = true;
    inputs.hoverTesting = false;
}
