#pragma once
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "objects/Component.h"
#include "objects/NameHash.h"

class Emitter;
class TransformBase;
struct MaterialInputs;
struct MaterialContext;

// A named container of components with a per-frame update and draw. Subclasses (tiles, wizards,
// buttons, texts, emitters, backdrops ...) override reading, update and draw, and feed the
// materials their per-object state through the hooks at the bottom.
class Object {
public:
    Object();
    // Clones every component (a cloned sprite still shares its mesh); emitters are not copied.
    Object(const Object& other);
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    // Loads the object's own definition file; nothing to read for a plain object.
    virtual void Read(const std::string& fileName);
    // Takes ownership; null is ignored. Keeps the list sorted by kind.
    virtual void AddComponent(Component* component);
    virtual void Update(float dt);
    virtual void Draw();

    // First component of the kind, found by bisection on the sorted list; nullptr when absent.
    Component* GetComponent(int kind) const;
    template <class T>
    T* Get() const
    {
        return static_cast<T*>(GetComponent(T::kKind));
    }
    // Where the object is placed: its Transform if it has one, else its AnchorTransform.
    TransformBase* GetPlacement() const;

    // Particle emitters are Objects built from a particle file; the templates keep this header free
    // of the emitter class, which only the callers need to know.
    template <class E = Emitter>
    E* addEmitter(const std::string& fileName, const std::string& emitterName = "")
    {
        auto emitter = std::make_unique<E>(fileName);
        E* raw = emitter.get();
        storeEmitter(emitterName.empty() ? raw->name : emitterName, std::move(emitter));
        return raw;
    }
    template <class E = Emitter>
    E* getEmitter(const std::string& emitterName) const
    {
        return static_cast<E*>(findEmitter(emitterName));
    }
    void storeEmitter(const std::string& emitterName, std::unique_ptr<Object> emitter);
    Object* findEmitter(const std::string& emitterName) const;

    // One process-wide listener told about every object as its destruction starts, so holders of
    // plain pointers to it (texts following it) can let go; nullptr for none.
    static void SetDestroyListener(void (*listener)(const Object*));

    // Material hooks (see render/Material.h): what this object's sprite shows depends on its state.
    virtual void FillMaterialInputs(MaterialInputs& inputs) const;
    // The "arrow" material reports its hover test back to the object.
    virtual void SetHovered(bool hovered);
    // The "text" material draws the whole string itself; only text objects implement it.
    virtual void DrawTextMaterial(const MaterialContext& context);

    // Followers that hold this object by pointer (a name tag, a floating number) keep this token
    // and drop the link once it has expired: the object is gone. A copy gets a token of its own.
    std::weak_ptr<const void> LifeToken() const { return life; }

    std::string name;
    // Free for subclasses; zero on construction and on copying.
    int tag = 0;
    std::vector<Component*> components;  // owned, sorted by ascending kind
    std::unordered_map<std::string, std::unique_ptr<Object>, NameHash, std::equal_to<>> emitters;

private:
    std::shared_ptr<const void> life = std::make_shared<char>(0);
};
