#pragma once
#include <vector>

#include "objects/Object.h"

class AnchorTransform;
class Transform;
class TransformBase;

// Which interface element may claim the mouse when several overlap (used by the spell-card hover
// test). Holds non-owning pointers only; a transform that is destroyed drops out of every list.
class LayerManager : public Object {
public:
    static LayerManager& Instance();

    LayerManager();
    ~LayerManager() override;
    LayerManager(const LayerManager&) = delete;

    // Called by every placement component as it is destroyed: a card that left the screen must
    // not be read again by the next claim.
    static void Forget(const TransformBase* transform);

    // False only when something on a higher layer exists in the world list; otherwise remembers
    // the transform as an interface claimant and succeeds.
    bool claimHover(AnchorTransform* transform);

    std::vector<Transform*> worldTransforms;
    std::vector<AnchorTransform*> uiTransforms;

private:
    // The live managers, as a plain list so it outlives every static that holds a transform.
    static LayerManager* firstLive;
    LayerManager* nextLive = nullptr;
};
