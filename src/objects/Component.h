#pragma once

class Object;

// The kinds of component; an object keeps its components sorted by kind, so the order below is
// also the order in which they update and draw (animation before physics before placement).
enum ComponentKind : int {
    kAnimation = 0,
    kPhysics = 2,
    kTexture = 3,
    kTransform = 4,
    kAnchorTransform = 5,
};

// A piece of behaviour attached to an Object, which owns it.
class Component {
public:
    explicit Component(int kind) : kind(kind) {}
    virtual ~Component() = default;

    // A new, independent copy without an owner.
    virtual Component* Clone() const = 0;
    virtual void Update(float dt) { (void)dt; }
    virtual void Draw() {}

    int kind;
    Object* owner = nullptr;

protected:
    // Copies keep the kind and start unattached.
    Component(const Component& other) : kind(other.kind) {}
    Component& operator=(const Component&) = delete;
};
