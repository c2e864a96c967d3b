#include "objects/LayerManager.h"

#include <algorithm>

#include "objects/AnchorTransform.h"
#include "objects/Transform.h"

LayerManager& LayerManager::Instance()
{
    static LayerManager instance;
    return instance;
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
