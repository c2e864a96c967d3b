#include "ui/FloatingTexts.h"

#include <algorithm>
#include <cmath>

#include "objects/Object.h"
#include "objects/Transform.h"
#include "render/Text.h"

namespace {

// Every live layer, so an object's destruction reaches the texts that follow it.
// Never freed: objects destroyed during program exit may still ask it.
std::vector<FloatingTextLayer*>& Layers()
{
    static auto* layers = new std::vector<FloatingTextLayer*>();
    return *layers;
}

const glm::vec4 kOutline(0.08f, 0.05f, 0.08f, 1.0f);

void ForgetEverywhere(const Object* object)
{
    for (FloatingTextLayer* layer : Layers()) layer->Forget(object);
}

glm::vec2 WorldPosition(const Object& object)
{
    const TransformBase* placement = object.GetPlacement();
    return placement ? placement->position : glm::vec2(0.0f);
}

}  // namespace

FloatingTextLayer::FloatingTextLayer()
{
    Layers().push_back(this);
    Object::SetDestroyListener(ForgetEverywhere);
}

FloatingTextLayer::~FloatingTextLayer()
{
    Clear();
    auto& layers = Layers();
    layers.erase(std::remove(layers.begin(), layers.end(), this), layers.end());
    if (layers.empty()) Object::SetDestroyListener(nullptr);
}

glm::vec4 FloatingTextLayer::ColorFor(int colorCode)
{
    switch (colorCode) {
    case kWhite: return {1.0f, 1.0f, 1.0f, 1.0f};
    case kRed: return {1.0f, 0.0f, 0.0f, 1.0f};
    case kGreen: return {0.0f, 1.0f, 0.0f, 1.0f};
    case kYellow: return {1.0f, 1.0f, 0.0f, 1.0f};
    case kOrange: return {1.0f, 0.5f, 0.0f, 1.0f};
    default: return {0.0f, 0.0f, 0.0f, 1.0f};
    }
}

bool FloatingTextLayer::Add(const std::string& text, glm::vec2 worldPosition, float lifetime, float scale, int colorCode)
{
    return Create(text, worldPosition, nullptr, lifetime, scale, colorCode);
}

bool FloatingTextLayer::Add(const std::string& text, const Object* follow, float lifetime, float scale, int colorCode)
{
    if (!follow) return false;
    return Create(text, WorldPosition(*follow), follow, lifetime, scale, colorCode);
}

bool FloatingTextLayer::Create(const std::string& text, glm::vec2 at, const Object* follow, float lifetime, float scale,
                               int colorCode)
{
    // A lifetime of 0 would rise infinitely fast and fade by 0 / 0.
    if (!std::isfinite(lifetime) || lifetime <= 0.0f || !std::isfinite(scale)) return false;
    Entry entry;
    entry.remaining = entry.lifetime = lifetime;
    entry.origin = at;
    entry.follow = follow;
    const auto sameSpot = std::count_if(waiting.begin(), waiting.end(), [at](const Entry& e) { return e.origin == at; });
    entry.delay = kQueueDelay * static_cast<float>(sameSpot);
    auto make = [&](glm::vec4 color) {
        auto made = std::make_unique<Text>();
        made->screenSpace = false;  // a world text: it moves and zooms with the map
        made->color = color;
        made->setScale(scale);
        made->setText(text);
        return made;
    };
    for (auto& dark : entry.outline) dark = make(kOutline);
    entry.text = make(ColorFor(colorCode));
    Place(entry);
    waiting.push_back(std::move(entry));
    return true;
}

void FloatingTextLayer::Place(Entry& entry)
{
    if (entry.follow) entry.origin = WorldPosition(*entry.follow);
    const float risen = kRise * std::clamp(1.0f - entry.remaining / entry.lifetime, 0.0f, 1.0f);
    const glm::vec2 at(entry.origin.x, entry.origin.y + risen);
    entry.text->setPosition(at.x, at.y);
    const float d = std::clamp(0.07f * entry.text->Placement()->scale.x, 1.0f, 3.0f);
    const glm::vec2 around[4] = {{d, d}, {-d, d}, {d, -d}, {-d, -d}};
    for (std::size_t i = 0; i < entry.outline.size(); ++i) entry.outline[i]->setPosition(at.x + around[i].x, at.y + around[i].y);
}

void FloatingTextLayer::Update(float dt)
{
    for (auto it = waiting.begin(); it != waiting.end();) {
        it->delay -= dt;
        if (it->delay <= 0.0f) {
            shown.push_back(std::move(*it));
            it = waiting.erase(it);
        } else {
            Place(*it);
            ++it;
        }
    }
    for (auto it = shown.begin(); it != shown.end();) {
        if (it->remaining <= 0.0f) {
            // The text dies after the list is whole again (its destruction is announced to Forget).
            std::unique_ptr<Text> finished = std::move(it->text);
            auto finishedOutline = std::move(it->outline);
            it = shown.erase(it);
            continue;
        }
        it->remaining -= dt;
        // Linear fade; the last frame drawn is fully transparent and at the top of the rise.
        const float alpha = std::max(it->remaining, 0.0f) / it->lifetime;
        it->text->color.a = alpha;
        Place(*it);
        for (auto& dark : it->outline) {
            dark->color.a = alpha * alpha;  // the outline fades a little ahead of the letters
            dark->Update(dt);
        }
        it->text->Update(dt);
        ++it;
    }
}

void FloatingTextLayer::Draw()
{
    for (Entry& entry : shown) {
        for (auto& dark : entry.outline) dark->Draw();
        entry.text->Draw();
    }
}

void FloatingTextLayer::Clear()
{
    // Emptied before the texts die, for the same reason as above.
    std::vector<Entry> oldWaiting = std::move(waiting);
    std::vector<Entry> oldShown = std::move(shown);
    waiting.clear();
    shown.clear();
}

void FloatingTextLayer::Forget(const Object* object)
{
    if (!object) return;
    for (auto* list : {&waiting, &shown})
        for (Entry& entry : *list)
            if (entry.follow == object) entry.follow = nullptr;
}
