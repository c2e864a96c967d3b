#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

class Font;
class Object;
class SmartButton;
class Text;

// The campaign map's dossier: a folder ("Dossier_Panel", 940 x 540 pixels) centred over a darkened
// map, a heading in dark ink, a paragraph wrapped to the folder, an optional map preview, and one
// row of buttons ("Button_Frame_Dossier") along its bottom edge. A press on a button only reports
// its caption through onButton once the update is over, so the owner may rebuild the page then.
class CampaignDossier {
public:
    // The paragraph's box inside the folder, and the letter sizes tried for it (largest first).
    static constexpr float kBodyWidth = 840.0f;
    static constexpr float kBodyHeight = 330.0f;
    static constexpr float kBodySize = 26.0f;
    static constexpr float kSmallestBodySize = 18.0f;

    // How a paragraph is set to fit the box: letter size and wrap width (in widths of "e").
    struct BodyFit {
        float size = kBodySize;
        float wrap = 0.0f;
        glm::vec2 extent{0.0f};  // width and height of the laid-out paragraph
    };
    // The largest letter size (down to kSmallestBodySize) at which the wrapped paragraph fits the
    // box; at the smallest size it may still overflow, which the extent then shows.
    static BodyFit FitBody(const std::string& body, Font& font);

    CampaignDossier();
    ~CampaignDossier();

    // Shows a page. thumbnailFrame >= 0 shows that frame of "Map_Thumbnails" in the middle.
    void ShowPage(const std::string& heading, const std::string& body, const std::vector<std::string>& buttons,
                  int thumbnailFrame = -1);
    // The button with that caption on the current page, or nullptr.
    SmartButton* Button(const std::string& caption) const;

    // The buttons first, then the folder swallows whatever press misses them.
    void Update(float dt);
    void Draw();

    // A caption pressed during the last Update, run after it.
    std::function<void(const std::string& caption)> onButton;

private:
    void SetBody(const std::string& body);

    std::unique_ptr<Object> dim;
    std::unique_ptr<Object> panel;
    std::unique_ptr<Text> heading;
    std::unique_ptr<Text> body;
    std::unique_ptr<Object> thumbnail;
    bool thumbnailShown = false;
    std::vector<std::unique_ptr<SmartButton>> buttons;
    std::string pressed;
};
