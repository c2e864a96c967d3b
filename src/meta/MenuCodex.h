#pragma once
#include <array>
#include <memory>
#include <vector>

#include <glm/glm.hpp>

#include "meta/GuideBook.h"
#include "scenes/Scene.h"

class Background;
class Object;
class SmartButton;
class Text;

// The how-to-play book: chapters and their entries on the left page, the chosen entry's picture
// on the right. Laid out for 1280 x 720 and scaled with the window.
class MenuCodex : public Scene {
public:
    MenuCodex();
    ~MenuCodex() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override {}
    void Unload() override;
    void OnResize(int width, int height) override;

    const GuideBook& Book() const { return book; }

private:
    // Where an element sits and how large it is at 1280 x 720.
    struct Placed {
        Object* object;
        glm::vec2 at;
        glm::vec2 halfSize;  // for texts: (letter size, letter size)
        bool text;
    };
    SmartButton* AddButton(std::unique_ptr<SmartButton> button, glm::vec2 at, glm::vec2 halfSize);
    Text* AddText(glm::vec2 at, float size, glm::vec4 color);
    void RegisterPictures();
    void Show();

    GuideBook book;
    std::unique_ptr<Background> backdrop;
    std::unique_ptr<Object> bookPicture;
    std::unique_ptr<Object> pagePicture;
    std::vector<std::unique_ptr<SmartButton>> buttons;
    std::vector<std::unique_ptr<Text>> texts;
    std::vector<Placed> placed;
    std::array<SmartButton*, GuideBook::kButtons> entryButtons{};
    SmartButton* chapterArrows[2]{};
    SmartButton* pageArrows[2]{};
    Text* majorTitle = nullptr;
    Text* minorTitle = nullptr;
    Text* majorTitleRight = nullptr;
    Text* counter = nullptr;
    bool leave = false;
    bool changed = false;
};
