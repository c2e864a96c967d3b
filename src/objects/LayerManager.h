#pragma once
#include <vector>

#include "objects/Object.h"

class AnchorTransform;
class Transform;

// Which interface element may claim the mouse when several overlap (used by the spell-card hover
// test). Holds non-owning pointers only.
class LayerManager : public Object {
public:
    static LayerManager& Instance();

    // False only when something on a higher layer exists in the world list; otherwise remembers
    // the transform as an interface claimant and succeeds.
    bool claimHover(AnchorTransform* transform);

    std::vector<Transform*> worldTransforms;
    std::vector<AnchorTransform*> uiTransforms;
};
