#pragma once
#include <memory>
#include <vector>

#include <glm/glm.hpp>

#include "objects/Object.h"

class Text;

// The turn counter at the top centre ("Turn_Counter_Panel" with the number) and the sides'
// banners beside it. A banner glides in: each frame it moves a tenth of the remaining way to its
// place and snaps there once closer than one unit.
class TurnDisplay : public Object {
public:
    struct Banner {
        std::unique_ptr<Object> object;
        int side = 0;
        glm::vec2 target{0.0f};
        bool moving = true;
    };

    TurnDisplay();
    ~TurnDisplay() override;

    // "PLAYER_<side>_BANNER" showing the "Banners" frame of the faction (0 to 10; others 0).
    // Side 1 hangs left of the counter, every other side right of it.
    void AddBanner(int factionIndex, int side);
    // The banner sheet frame a faction index shows.
    static int BannerFrame(int factionIndex);
    // The counter shows `turnNumber` (laid out again only when it changes); banners glide.
    void Update(int turnNumber, float dt);
    void Update(float dt) override;
    void Draw() override;

    std::unique_ptr<Object> panel;
    std::unique_ptr<Text> counter;
    int shownTurn = -1;
    std::vector<Banner> banners;

private:
    glm::vec2 BannerTarget(int side) const;
    void Layout();
    glm::vec2 centre{0.0f};
};
