#include "scenes/SpellCardTest.h"

#include <cmath>
#include <string>

#include <GLFW/glfw3.h>

#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Mesh.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "engine/Log.h"
#include "meta/Config.h"
#include "scenes/ClearScreen.h"
#include "scenes/SpellCardTestHud.h"

namespace {

const glm::vec4 kInk(0.96f, 0.9f, 0.76f, 1.0f);
const glm::vec4 kGold(1.0f, 0.82f, 0.4f, 1.0f);
const glm::vec4 kMarkColor(0.85f, 0.25f, 0.3f, 1.0f);
// The linked movers swing right of the largest sample line, so neither crosses its letters.
constexpr float kMoverCentreX = 400.0f;
constexpr float kMoverSwing = 150.0f;

// A small coloured square; interface marks use the screen projection, world ones the camera.
std::unique_ptr<Object> MakeMark(glm::vec2 at, glm::vec2 halfSize, glm::vec4 color, bool world)
{
    auto mark = std::make_unique<Object>();
    auto* sprite = new Texture("SquareMesh", "None");
    sprite->program = world ? "basic" : "static";
    if (sprite->mesh) sprite->mesh->setColor(color);
    mark->AddComponent(sprite);
    TransformBase* placement = world ? static_cast<TransformBase*>(new Transform()) : new AnchorTransform();
    placement->setPosition(at);
    placement->setScale(halfSize);
    mark->AddComponent(placement);
    return mark;
}

bool KeyDown(int key)
{
    return UserConfig.window && glfwGetKey(UserConfig.window, key) == GLFW_PRESS;
}

constexpr int kPageCount = 1 + HudShowcase::kPages;

}  // namespace

SpellCardTest::SpellCardTest() : Scene("SpellCardTest") {}
SpellCardTest::~SpellCardTest() = default;

void SpellCardTest::Load()
{
    if (ShaderLibrary* shaders = render::Shaders()) LoadPrograms(*shaders, {"text", "static", "basic", "button", "bar", "arrow_anim", "static_anim", "banner_anim"});
}

void SpellCardTest::Init()
{
    auto title = std::make_unique<Text>("Text Test", glm::vec2(0.0f), kInk);
    title->setPosition(0.0f, 320.0f);
    title->setScale(44.0f);
    texts.push_back(std::move(title));
    BuildAlignments();
    BuildSizes();
    BuildWrapped();
    BuildLinked();
    hud = std::make_unique<HudShowcase>();
    ShowPage(0);
}

void SpellCardTest::ShowPage(int index)
{
    page = ((index % kPageCount) + kPageCount) % kPageCount;
    if (page > 0) hud->Show(page);
    print("SpellCardTest: showing ", page == 0 ? "Text" : HudShowcase::PageName(page));
}

void SpellCardTest::ReadPageKeys()
{
    const bool next = KeyDown(GLFW_KEY_N), back = KeyDown(GLFW_KEY_B);
    if (next && !nextHeld) ShowPage(page + 1);
    if (back && !backHeld) ShowPage(page - 1);
    nextHeld = next;
    backHeld = back;
}

void SpellCardTest::BuildAlignments()
{
    // A 3 x 3 grid: columns left, centre, right; rows top, middle, bottom. Each text sits on its
    // red mark, so the mark shows which corner or edge of the text the alignment pins.
    const char* const hNames[] = {"Left", "Centre", "Right"};
    const char* const vNames[] = {"Top", "Middle", "Bottom"};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const glm::vec2 at(-470.0f + 170.0f * static_cast<float>(column), 200.0f - 95.0f * static_cast<float>(row));
            marks.push_back(MakeMark(at, glm::vec2(3.0f), kMarkColor, false));
            auto text = std::make_unique<Text>(std::string(hNames[column]) + "\n" + vNames[row], glm::vec2(0.0f), kInk);
            text->setPosition(at.x, at.y);
            text->setScale(20.0f);
            text->setAlignment(kAlignLeft + column, kAlignTop + row);
            texts.push_back(std::move(text));
        }
    }
}

void SpellCardTest::BuildSizes()
{
    const float sizes[] = {16.0f, 20.0f, 28.0f, 36.0f, 50.0f};
    float y = -60.0f;
    for (float size : sizes) {
        auto text = std::make_unique<Text>("", glm::vec2(0.0f), kGold);
        text->setScale(size);
        text->setAlignment(kAlignLeft, kAlignMiddle);
        text->setTextf("Size %d: Fireball 12/3 ~ {Quick!}", static_cast<int>(size));
        text->setPosition(-610.0f, y);
        y -= size * 1.05f + 6.0f;
        texts.push_back(std::move(text));
    }
}

void SpellCardTest::BuildWrapped()
{
    marks.push_back(MakeMark(glm::vec2(330.0f, 110.0f), glm::vec2(270.0f, 130.0f), glm::vec4(0.2f, 0.16f, 0.22f, 1.0f), false));
    auto text = std::make_unique<Text>(
        "Fireball: hurls a roaring ball of flame at an enemy wizard within range. On a hit it deals 20 damage and "
        "leaves the target burned for two turns. Supercalifragilisticexpialidocious words break too. Long texts "
        "such as this one (more than 288 letters) are drawn in slices of one instanced call each, and the last "
        "slice must show as plainly as the first: the end.",
        nullptr, 40.0f, glm::vec2(0.0f), kInk);
    text->setScale(17.0f);
    text->setAlignment(kAlignLeft, kAlignTop);
    text->setPosition(75.0f, 225.0f);
    texts.push_back(std::move(text));
}

void SpellCardTest::BuildLinked()
{
    auto worldMark = MakeMark(glm::vec2(kMoverCentreX, -180.0f), glm::vec2(14.0f), glm::vec4(0.3f, 0.7f, 1.0f, 1.0f), true);
    worldMover = worldMark.get();
    marks.push_back(std::move(worldMark));
    texts.push_back(std::make_unique<Text>("linked (world)", worldMover, glm::vec2(0.0f, 34.0f), kGold));
    texts.back()->setScale(20.0f);

    auto uiMark = MakeMark(glm::vec2(kMoverCentreX, -240.0f), glm::vec2(10.0f), glm::vec4(0.4f, 1.0f, 0.5f, 1.0f), false);
    uiMover = uiMark.get();
    marks.push_back(std::move(uiMark));
    auto uiText = std::make_unique<Text>("linked (interface)", uiMover, glm::vec2(0.0f, -28.0f), kInk);
    uiText->setScale(18.0f);
    texts.push_back(std::move(uiText));

    auto count = std::make_unique<Text>("", glm::vec2(0.0f), kInk);
    count->setScale(22.0f);
    count->setAlignment(kAlignRight, kAlignBottom);
    count->setPosition(620.0f, -350.0f);
    counter = count.get();
    texts.push_back(std::move(count));
}

void SpellCardTest::Update(float dt)
{
    ReadPageKeys();
    if (page > 0) {
        hud->Update(dt);
        return;
    }
    clock += dt;
    ++frames;
    if (worldMover) worldMover->Get<Transform>()->setPosition(kMoverCentreX + kMoverSwing * std::sin(clock), -180.0f);
    if (uiMover) uiMover->Get<AnchorTransform>()->setPosition(kMoverCentreX - kMoverSwing * std::sin(clock * 1.3f), -240.0f);
    // Re-laid out only when the shown number changes.
    const int seconds = static_cast<int>(clock);
    if (counter && (counter->sourceText.empty() || seconds != static_cast<int>(clock - dt)))
        counter->setTextf("setTextf: %d s, %d frames", seconds, frames);
    for (auto& mark : marks) mark->Update(dt);
    for (auto& text : texts) text->Update(dt);
}

void SpellCardTest::Render()
{
    ClearScreen(0.11f, 0.08f, 0.12f);
    if (page > 0) {
        hud->Draw();
        return;
    }
    for (auto& mark : marks) mark->Draw();
    for (auto& text : texts) text->Draw();
}

void SpellCardTest::Exit() {}

void SpellCardTest::Unload()
{
    worldMover = uiMover = nullptr;
    counter = nullptr;
    texts.clear();
    marks.clear();
    hud.reset();
    page = 0;
    clock = 0.0f;
    frames = 0;
}
