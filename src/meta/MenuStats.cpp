#include "meta/MenuStats.h"

#include "audio/SoundSystem.h"
#include "engine/Random.h"
#include "meta/BattleSetup.h"
#include "meta/Config.h"
#include "meta/FrontEndKit.h"
#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "scenes/ClearScreen.h"
#include "ui/SmartButton.h"

using namespace profilestats;

namespace {
constexpr const char* kMusic = "MenuMusic";
constexpr glm::vec4 kCream{0.96f, 0.93f, 0.85f, 1.0f};
constexpr glm::vec4 kGold{0.8549f, 0.6471f, 0.1255f, 1.0f};

void ShowFrame(Object& picture, int frame)
{
    auto* animation = new Animation();
    animation->play(frame, 1, 1.0f, true);
    picture.AddComponent(animation);
}
}  // namespace

MenuStats::MenuStats() : Scene("MenuStats") {}
MenuStats::~MenuStats() = default;

void MenuStats::Load()
{
    if (ShaderLibrary* shaders = render::Shaders())
        LoadPrograms(*shaders, {"static", "static_anim", "pawn_ui_anim", "text", "button", "mesh"});
}

void MenuStats::Init()
{
    reloadCountdown = -1.0f;
    leave = false;
    resetState = ResetButton();
    music = std::make_unique<SoundSystem>(SoundSystem::Instance());
    AddText("Statistics", {0.0f, 318.0f}, 50.0f);
    // Drawn in interface space so the camera keys cannot slide the panel from under its texts.
    pictures.push_back(frontend::MakePicture("Stats_Panel", {0.0f, 10.0f}, {540.0f, 260.0f}));
    BuildCounters();
    BuildFavourites();
    BuildCompletion();
    BuildButtons();
}

Text* MenuStats::AddText(const std::string& text, glm::vec2 at, float size, int hAlign)
{
    texts.push_back(frontend::MakeText(text, at, size, kCream));
    texts.back()->setAlignment(hAlign, kAlignMiddle);
    return texts.back().get();
}

void MenuStats::BuildCounters()
{
    const auto lines = CounterLines(PlayerProfile);
    // Games played, won and lost; then spells cast with the five elements 35 units apart below it.
    const float ys[] = {220.0f, 180.0f, 140.0f, 80.0f, 45.0f, 10.0f, -25.0f, -60.0f, -95.0f};
    for (std::size_t i = 0; i < lines.size(); ++i)
        AddText(lines[i].label + std::to_string(lines[i].value), {-490.0f, ys[i]}, i < 4 ? 30.0f : 26.0f, kAlignLeft);
}

void MenuStats::BuildFavourites()
{
    AddText("Favorites:", {200.0f, 220.0f}, 34.0f);
    const int map = FavouriteMap(PlayerProfile);
    AddText(MapName(map), {70.0f, 170.0f}, 24.0f);
    auto thumbnail = frontend::MakePicture("Map_Thumbnails", {70.0f, 80.0f}, {64.0f, 64.0f}, "static_anim");
    ShowFrame(*thumbnail, map);
    pictures.push_back(std::move(thumbnail));

    const int faction = FavouriteFaction(PlayerProfile);
    AddText(FactionName(faction), {330.0f, 170.0f}, 24.0f);
    // The pawn is drawn as player 1's, in a random team colour.
    const float r = static_cast<float>(RandomInt(0, 1000000)) / 1000000.0f;
    BattleSetup.player1Color = kTeamColors[static_cast<std::size_t>(7.0f * r)];
    BattleSetup.winner = 0;
    auto pawn = frontend::MakePicture(FactionTexture(faction), {330.0f, 80.0f}, {56.0f, 56.0f}, "pawn_ui_anim");
    ShowFrame(*pawn, 1);  // facing the player
    pictures.push_back(std::move(pawn));
}

void MenuStats::BuildCompletion()
{
    AddText("Campaign\nCompletion:", {120.0f, -60.0f}, 30.0f);
    const std::string completion = CompletionText(PlayerProfile);
    Text* percent = AddText(completion, {330.0f, -60.0f}, 44.0f);
    if (IsGoldCompletion(completion)) percent->color = kGold;
}

void MenuStats::BuildButtons()
{
    reset = std::make_unique<SmartButton>(110.0f, 28.0f, glm::vec2(-370.0f, -195.0f), "Reset Profile");
    reset->name = "Reset Profile";
    reset->SetTexture("Button_Frame_Bad");
    message = AddText("", {-230.0f, -195.0f}, 22.0f, kAlignLeft);
    message->setWrapWidth(44.0f);
    reset->SetOnClick([this] {
        message->setText(resetState.Press(PlayerProfile, SaveProfile));
        if (resetState.ResetDone()) reloadCountdown = kReloadSeconds;
    });
    back = frontend::MakeBackButton();
    back->SetOnClick([this] { leave = true; });
}

void MenuStats::Update(float dt)
{
    for (auto& picture : pictures) picture->Update(dt);
    for (auto& text : texts) text->Update(dt);
    reset->Update(dt);
    back->Update(dt);
    if (reloadCountdown >= 0.0f) {
        reloadCountdown -= dt;
        if (reloadCountdown < 0.0f) {
            // Rebuilt in place, so every text shows the cleared profile.
            Exit();
            Unload();
            Load();
            Init();
            return;
        }
    }
    if (!leave) return;
    leave = false;
    frontend::LeaveScreen();
}

void MenuStats::Render()
{
    ClearScreen(0.11f, 0.08f, 0.12f);
    for (auto& picture : pictures) picture->Draw();
    for (auto& text : texts) text->Draw();
    reset->Draw();
    back->Draw();
}

void MenuStats::Exit()
{
    if (music) music->Stop(kMusic);
}

void MenuStats::Unload()
{
    message = nullptr;
    back.reset();
    reset.reset();
    texts.clear();
    pictures.clear();
    music.reset();
}

void MenuStats::OnSettingChanged()
{
    if (music) music->SetPaused(kMusic, !UserConfig.music);
}

void MenuStats::OnFocus(bool focused)
{
    if (music && UserConfig.music) music->SetPaused(kMusic, !focused);
}
