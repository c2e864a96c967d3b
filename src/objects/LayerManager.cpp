#include "objects/LayerManager.h"

#include <algorithm>

#include "objects/AnchorTransform.h"
#include "objects/Transform.h"

LayerManager& LayerManager::Instance()
{
    static LayerManager instance;
    return instance;
}

LayerManager* LayerManager::firstLive = nullptr;

LayerManager::LayerManager() : nextLive(firstLive)
{
    firstLive = this;
}

LayerManager::~LayerManager()
{
    for (LayerManager** link = &firstLive; *link; link = &(*link)->nextLive) {
        if (*link == this) {
            *link = nextLive;
            break;
        }
    }
}

void LayerManager::Forget(const TransformBase* transform)
{
    auto same = [transform](const TransformBase* held) { return held == transform; };
    for (LayerManager* manager = firstLive; manager; manager = manager->nextLive) {
        std::erase_if(manager->worldTransforms, same);
        std::erase_if(manager->uiTransforms, same);
    }
}

bool LayerManager::claimHover(AnchorTransform* transform)
{
    if (!transform) return false;
    int highest = -1;
    for (const Transform* t : worldTransforms) highest = std::max(highest, t->layer);
    for (const AnchorTransform* t : uiTransforms) highest = std::max(highest, t->layer);
    if (transform->layer < highest && !worldTransforms.empty()) return false;
    if (std::find(uiTransforms.begin(), uiTransforms.end(), transform) == uiTransforms.end())
        uiTransforms.push_back(transform);
    return true;
}
