#pragma once
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "objects/Object.h"

struct GLFWcursor;

// The cursor picture as the window system takes it: rows from the top, 8-bit RGBA.
struct CursorImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

// Decodes a PNG for the cursor. A missing or undecodable file logs one "!!! - " line and
// returns false.
bool LoadCursorImage(const std::string& path, CursorImage& image);

// The game's mouse pointer. At creation it turns "./Assets/Default_Cursor.png" into a window
// cursor (hot spot at the top-left pixel) and hands it to the configuration, which shows it unless
// the hardware-cursor setting asks for the system arrow; without the picture the arrow stays.
// In debug mode a half-transparent 50 x 50 square follows the mouse in the world: green on the
// first frame of a left press, red while the right button is held, black otherwise.
class Cursor : public Object {
public:
    static constexpr const char* kImagePath = "./Assets/Default_Cursor.png";

    explicit Cursor(const std::string& imagePath = kImagePath);
    ~Cursor() override;
    Cursor(const Cursor&) = delete;

    static glm::vec4 DebugTint(bool leftWentDown, bool rightDown);

    void Update(float dt) override;
    void Draw() override;

    GLFWcursor* handle = nullptr;
    std::unique_ptr<Object> debugSprite;
    glm::vec4 debugTint{0.0f, 0.0f, 0.0f, 0.5f};
};
