#include "meta/MenuCodex.h"

#include <iostream>

#include "engine/Log.h"
#include "meta/FrontEndKit.h"
#include "objects/AnchorTransform.h"
#include "objects/Texture.h"
#include "render/Background.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "render/TextureLibrary.h"
#include "scenes/ClearScreen.h"
#include "ui/SmartButton.h"

namespace {

constexpr glm::vec4 kSelectedRed{1.0f, 0.0f, 0.0f, 1.0f};
constexpr glm::vec2 kPageAt{304.0f, -50.0f};
constexpr glm::vec2 kPageHalf{240.0f, 256.0f};
const char* const kEntryNames[GuideBook::kButtons] = {"Button One", "Button Two",  "Button Three",
                                                      "Button Four", "Button Five", "Button Six"};

}  // namespace

MenuCodex::MenuCodex() : Scene("MenuCodex") {}
MenuCodex::~MenuCodex() = default;

void MenuCodex::Load()
{
    if (ShaderLibrary* shaders = render::Shaders()) LoadPrograms(*shaders, {"static", "text", "button", "background"});
}

SmartButton* MenuCodex::AddButton(std::unique_ptr<SmartButton> button, glm::vec2 at, glm::vec2 halfSize)
{
    SmartButton* raw = button.get();
    placed.push_back({raw, at, halfSize, false});
    buttons.push_back(std::move(button));
    return raw;
}

Text* MenuCodex::AddText(glm::vec2 at, float size, glm::vec4 color)
{
    texts.push_back(frontend::MakeText("", at, size, color));
    placed.push_back({texts.back().get(), at, glm::vec2(size), true});
    return texts.back().get();
}

void MenuCodex::Init()
{
    backdrop = frontend::MakeBackdrop(Background::kWood);
    bookPicture = frontend::MakePicture("Menu_Book", glm::vec2(0.0f), glm::vec2(640.0f, 360.0f));
    placed.push_back({bookPicture.get(), glm::vec2(0.0f), glm::vec2(640.0f, 360.0f), false});
    pagePicture = frontend::MakePicture("None", kPageAt, kPageHalf);
    placed.push_back({pagePicture.get(), kPageAt, kPageHalf, false});

    minorTitle = AddText({-304.0f, 290.0f}, 34.0f, frontend::kDarkInk);
    majorTitleRight = AddText({304.0f, 306.0f}, 20.0f, glm::vec4(0.43f, 0.27f, 0.2f, 1.0f));
    majorTitle = AddText({304.0f, 268.0f}, 34.0f, frontend::kDarkInk);
    counter = AddText({-304.0f, -222.0f}, 28.0f, frontend::kDarkInk);

    chapterArrows[0] = AddButton(std::make_unique<SmartButton>(22.0f, 22.0f, "Left Arrow"), {-548.0f, 290.0f}, {22.0f, 22.0f});
    chapterArrows[1] = AddButton(std::make_unique<SmartButton>(22.0f, 22.0f, "Right Arrow"), {-60.0f, 290.0f}, {22.0f, 22.0f});
    chapterArrows[0]->SetOnClick([this] { book.PreviousChapter(), changed = true; });
    chapterArrows[1]->SetOnClick([this] { book.NextChapter(), changed = true; });
    for (int k = 0; k < GuideBook::kButtons; ++k) {
        glm::vec2 at(-304.0f, 200.0f - 66.0f * static_cast<float>(k));
        auto button = std::make_unique<SmartButton>(190.0f, 28.0f, "Book_Button_Frame2");
        button->name = kEntryNames[k];
        entryButtons[static_cast<std::size_t>(k)] = AddButton(std::move(button), at, {190.0f, 28.0f});
        entryButtons[static_cast<std::size_t>(k)]->SetOnClick([this, k] { book.SelectButton(k), changed = true; });
    }
    pageArrows[0] = AddButton(std::make_unique<SmartButton>(20.0f, 20.0f, "Left Arrow"), {-430.0f, -222.0f}, {20.0f, 20.0f});
    pageArrows[1] = AddButton(std::make_unique<SmartButton>(20.0f, 20.0f, "Right Arrow"), {-178.0f, -222.0f}, {20.0f, 20.0f});
    pageArrows[0]->SetOnClick([this] { book.PreviousPage(), changed = true; });
    pageArrows[1]->SetOnClick([this] { book.NextPage(), changed = true; });
    auto back = std::make_unique<SmartButton>(34.0f, 24.0f, glm::vec2(0.0f), "<");
    back->name = "Back";
    AddButton(std::move(back), {-560.0f, -300.0f}, {34.0f, 24.0f})->SetOnClick([this] { leave = true; });

    bool opened = false;
    std::vector<std::string> problems;
    book = GuideBook(LoadGuideFile(kGuideFile, opened, problems));
    if (!opened) std::cerr << "Could not open file: " << kGuideFile << std::endl;
    for (const std::string& problem : problems) print(problem);
    RegisterPictures();
    leave = false;
    Show();
    glm::ivec2 viewport = render::ViewportSize();
    OnResize(viewport.x, viewport.y);
}

void MenuCodex::RegisterPictures()
{
    TextureLibrary* library = render::Textures();
    if (!library) return;
    for (const GuideChapter& chapter : book.Chapters())
        for (const GuideEntry& entry : chapter.entries) {
            std::string name = kGuidePicturePrefix + entry.link;
            // Registered once per run: a later visit finds the page in the library.
            if (!library->find(name)) library->add_texture(name, false, 1, 1, false);
        }
}

void MenuCodex::Show()
{
    changed = false;
    minorTitle->setText(book.ChapterTitle());
    majorTitleRight->setText(book.ChapterTitle());
    majorTitle->setText(book.EntryTitle());
    counter->setText(book.Counter());
    const std::string picture = book.PagePicture();
    if (auto* sprite = pagePicture->Get<Texture>()) sprite->setTexture(picture.empty() ? "None" : picture);
    for (int k = 0; k < GuideBook::kButtons; ++k) {
        const GuideBook::Button& view = book.Buttons()[static_cast<std::size_t>(k)];
        SmartButton* button = entryButtons[static_cast<std::size_t>(k)];
        button->active = view.active;
        button->SetLabel(view.caption);
        button->label->color = view.selected ? kSelectedRed : frontend::kDarkInk;
    }
    for (SmartButton* arrow : chapterArrows) arrow->active = book.ChapterArrowsLive();
    for (SmartButton* arrow : pageArrows) arrow->active = book.PageArrowsLive();
}

void MenuCodex::Update(float dt)
{
    backdrop->Update(dt);
    bookPicture->Update(dt);
    pagePicture->Update(dt);
    for (auto& text : texts) text->Update(dt);
    for (auto& button : buttons) button->Update(dt);
    if (changed) Show();
    if (leave) {
        leave = false;
        frontend::LeaveScreen();
    }
}

void MenuCodex::Render()
{
    ClearScreen(0.0f, 0.0f, 0.0f);
    backdrop->Draw();
    bookPicture->Draw();
    if (!book.PagePicture().empty()) pagePicture->Draw();
    for (auto& text : texts) text->Draw();
    for (auto& button : buttons) button->Draw();
}

void MenuCodex::Unload()
{
    placed.clear();
    buttons.clear();
    texts.clear();
    entryButtons.fill(nullptr);
    chapterArrows[0] = chapterArrows[1] = pageArrows[0] = pageArrows[1] = nullptr;
    majorTitle = minorTitle = majorTitleRight = counter = nullptr;
    pagePicture.reset();
    bookPicture.reset();
    backdrop.reset();
    book = GuideBook();
}

void MenuCodex::OnResize(int width, int height)
{
    if (backdrop) backdrop->size = frontend::BackdropSize(width, height);
    const glm::vec2 factor(static_cast<float>(width) / 1280.0f, static_cast<float>(height) / 720.0f);
    for (const Placed& p : placed) {
        const glm::vec2 at = p.at * factor;
        if (p.text) {
            auto* text = static_cast<Text*>(p.object);
            text->setPosition(at.x, at.y);
            text->setScale(p.halfSize.y * factor.y);
        } else if (auto* placement = p.object->Get<AnchorTransform>()) {
            placement->setPosition(at);
            placement->setScale(p.halfSize * factor);
        }
    }
}
