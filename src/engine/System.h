#pragma once
#include <string>

// An engine system: the engine calls these once (Init, Exit) or once a frame (Update, Render)
// in list order.
class System {
public:
    explicit System(std::string name) : name(std::move(name)) {}
    virtual ~System() = default;
    virtual void Init() {}
    virtual void Update(float dt) { (void)dt; }
    virtual void Render() {}
    virtual void Exit() {}

    const std::string& GetName() const { return name; }

private:
    std::string name;
};
