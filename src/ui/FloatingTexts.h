#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

class Object;
class Text;

// The battle's floating combat texts ("Burned: -5 HP", "Not Enough AP!" ...): world texts that
// rise 150 units over their lifetime while fading out. Texts asked for at exactly the same spot
// queue up and appear half a second apart. A text may follow an object; when that object is
// destroyed the text stays where it was and finishes its rise and fade there.
//
//     layer.Add("Burned: -5 HP", wizardPosition, 2.5f, 20.0f, FloatingTextLayer::kRed);
//     layer.Add("Missed!", wizard, 2.5f, 20.0f, FloatingTextLayer::kWhite);
//     ... every frame: layer.Update(dt); layer.Draw();
class FloatingTextLayer {
public:
    enum ColorCode { kWhite = 0, kRed = 1, kGreen = 2, kYellow = 3, kOrange = 4 };
    static constexpr float kRise = 150.0f;
    static constexpr float kQueueDelay = 0.5f;

    struct Entry {
        float remaining = 0.0f;
        std::unique_ptr<Text> text;
        // Dark copies around it, an outline that keeps the text readable on any tile.
        std::array<std::unique_ptr<Text>, 4> outline;
        float lifetime = 0.0f;
        float delay = 0.0f;
        glm::vec2 origin{0.0f};           // where it started (the followed object's position)
        const Object* follow = nullptr;   // not owned; cleared when the object is destroyed
    };

    FloatingTextLayer();
    ~FloatingTextLayer();
    FloatingTextLayer(const FloatingTextLayer&) = delete;
    FloatingTextLayer& operator=(const FloatingTextLayer&) = delete;

    // A lifetime that is not a finite number above 0 (or a non-finite scale) creates nothing;
    // false then.
    bool Add(const std::string& text, glm::vec2 worldPosition, float lifetime, float scale, int colorCode);
    // Placed at the object's world position and moving with it while it lives.
    bool Add(const std::string& text, const Object* follow, float lifetime, float scale, int colorCode);

    void Update(float dt);
    void Draw();
    // Destroys every text of both lists.
    void Clear();
    // The object is going away: texts following it stay where they are.
    void Forget(const Object* object);

    static glm::vec4 ColorFor(int colorCode);

    const std::vector<Entry>& Waiting() const { return waiting; }
    const std::vector<Entry>& Shown() const { return shown; }

private:
    bool Create(const std::string& text, glm::vec2 at, const Object* follow, float lifetime, float scale, int colorCode);
    void Place(Entry& entry);

    std::vector<Entry> waiting;
    std::vector<Entry> shown;
};
