#pragma once
#include <array>
#include <memory>
#include <vector>

#include <glm/glm.hpp>

#include "battle/StatusEffect.h"
#include "objects/Object.h"

class Bar;
class Text;

// What a portrait shows of one wizard; the battle fills it every frame.
struct ProfileView {
    int health = 0;
    int maxHealth = 0;
    std::vector<StatusEffect> statuses;
};

// One wizard's portrait: a frame ("Wizard_Frame") with "h / max" health, a heart bar filled by the
// "bar" material and, for each of the five status types the wizard holds, an icon from
// "Status_Effect_Icons" with its remaining count. Side 1's portraits run down the top-left corner,
// the other side's down the top-right; icons sit beside the frame towards the screen centre.
class Profile : public Object {
public:
    static constexpr int kStatusTypes = 5;
    static constexpr float kHalfWidth = 120.0f;
    static constexpr float kHalfHeight = 26.0f;
    static constexpr float kIconStep = 40.0f;

    // `slot` counts the side's portraits from the top.
    Profile(int side, int slot);
    ~Profile() override;

    void Show(const ProfileView& wizard);
    // Which of the five types (1 to 5) are held, and the largest remaining count of each;
    // records of any other type show nothing.
    static std::array<int, kStatusTypes> HeldStatuses(const std::vector<StatusEffect>& statuses);
    glm::vec2 Centre() const { return centre; }
    glm::vec2 IconPosition(int order) const;

    void Update(float dt) override;
    void Draw() override;

    std::unique_ptr<Object> frame;
    std::unique_ptr<Text> text;
    std::unique_ptr<Object> heart;
    std::unique_ptr<Bar> health;
    // One pair per status type: the icon and its count.
    std::array<std::unique_ptr<Object>, kStatusTypes> icons;
    std::array<std::unique_ptr<Text>, kStatusTypes> counts;
    std::array<int, kStatusTypes> held{};
    int side = 1;
    int slot = 0;

private:
    void Layout();
    glm::vec2 centre{0.0f};
};
