#include "meta/MenuSetup.h"

#include "engine/Log.h"
#include "meta/Config.h"
#include "meta/Factions.h"
#include "meta/MapPresets.h"
#include "meta/PlayerProfile.h"
#include "meta/ScreenParts.h"
#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "objects/Texture.h"
#include "render/Background.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/Text.h"
#include "render/TextureLibrary.h"
#include "scenes/ClearScreen.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneSystem.h"
#include "ui/SmartButton.h"

namespace {

const glm::vec4 kCream{0.96f, 0.93f, 0.85f, 1.0f};
const glm::vec4 kGold{0.98f, 0.80f, 0.36f, 1.0f};
const glm::vec4 kNoColor{1.0f, 0.0f, 0.0f, 1.0f};
const glm::vec4 kYesColor{0.0f, 1.0f, 0.0f, 1.0f};
constexpr float kColumnX = 320.0f;
constexpr float kToggleSize = 32.0f;

std::unique_ptr<SmartButton> Arrow(bool right, glm::vec2 at)
{
    auto button = std::make_unique<SmartButton>(22.0f, 22.0f, right ? "Right Arrow" : "Left Arrow");
    button->SetPosition(at);
    return button;
}

std::unique_ptr<SmartButton> LongButton(const std::string& label, float anchorOffset, int anchor)
{
    auto button = std::make_unique<SmartButton>(130.0f, 26.0f, anchorOffset, anchor, label);
    button->SetTexture("Button_Frame_Long");
    return button;
}

}  // namespace

MenuSetup::MenuSetup() : Scene("MenuSetup"), choices(BattleSetup) {}
MenuSetup::~MenuSetup() = default;

void MenuSetup::Load()
{
    if (ShaderLibrary* shaders = render::Shaders())
        LoadPrograms(*shaders, {"static", "static_anim", "setup_pawn_ui_anim", "button", "text", "background"});
    BuildCommon();
    BuildPlayerColumn(1, -kColumnX);
    BuildPlayerColumn(2, kColumnX);
    BuildPlayerOptions();
    BuildMapPage();
    choices.Load();
}

void MenuSetup::Init()
{
    choices.Init();
    shownPage = Page::Players;
    pending = Request::None;
    ShowSide(1);
    ShowSide(2);
    ShowMap();
    ShowToggles();
    if (SceneSystem* scenes = SceneSystem::Instance()) OnResize(scenes->screenWidth(), scenes->screenHeight());
}

SmartButton* MenuSetup::AddButton(std::vector<std::unique_ptr<SmartButton>>& list, std::unique_ptr<SmartButton> button)
{
    list.push_back(std::move(button));
    return list.back().get();
}

Object* MenuSetup::AddPicture(std::vector<std::unique_ptr<Object>>& list, std::unique_ptr<Object> picture)
{
    list.push_back(std::move(picture));
    return list.back().get();
}

Text* MenuSetup::AddText(std::vector<std::unique_ptr<Object>>& list, std::unique_ptr<Text> text)
{
    Text* raw = text.get();
    list.push_back(std::move(text));
    return raw;
}

void MenuSetup::BuildCommon()
{
    backdrop = screenparts::MakeBackdrop();
    AddText(commonPieces, screenparts::MakeText("Game Setup", {0.0f, 318.0f}, 44.0f, kGold));
    auto back = std::make_unique<SmartButton>(70.0f, 26.0f, 85.0f, AnchorTransform::kTopLeft, "Back");
    AddButton(commonButtons, std::move(back))->SetOnClick([this] { pending = Request::Back; });
}

void MenuSetup::BuildPlayerColumn(int player, float x)
{
    Side& side = sides[static_cast<std::size_t>(player - 1)];
    AddPicture(playerPieces, screenparts::MakePicture("Cheat_Panel", {x, 87.0f}, {290.0f, 193.0f}));
    AddText(playerPieces, screenparts::MakeText(player == 1 ? "Player 1" : "Player 2", {x, 250.0f}, 32.0f, kGold));
    side.logo = AddPicture(playerPieces, screenparts::MakePicture("Faction_Logos", {x - 80.0f, 175.0f}, {44.0f, 44.0f}, "static_anim"));
    side.pawn = AddPicture(playerPieces, screenparts::MakePicture("Mages_Guild", {x + 80.0f, 175.0f}, {52.0f, 52.0f}, "setup_pawn_ui_anim"));
    side.pawn->name = player == 1 ? "Setup_Pawn_Player_1" : "Setup_Pawn_Player_2";
    auto* facings = new Animation();
    facings->play(0, 4, 1.5f, true);  // the four facings; the others are the defeated looks
    side.pawn->AddComponent(facings);
    side.swatch = AddPicture(playerPieces, screenparts::MakePicture("Team_Colors", {x, 100.0f}, {26.0f, 26.0f}, "static_anim"));
    auto description = screenparts::MakeText("", {x, 64.0f}, screenparts::kDescriptionSize, kCream);
    description->setAlignment(kAlignCenter, kAlignTop);
    description->setWrapWidth(screenparts::kDescriptionWrap);
    side.description = AddText(playerPieces, std::move(description));

    AddButton(playerButtons, Arrow(false, {x - 200.0f, 175.0f}))->SetOnClick([this, player] {
        choices.StepFaction(player, -1, PlayerProfile);
        ShowSide(player);
    });
    AddButton(playerButtons, Arrow(true, {x + 200.0f, 175.0f}))->SetOnClick([this, player] {
        choices.StepFaction(player, +1, PlayerProfile);
        ShowSide(player);
    });
    for (int direction : {-1, +1}) {
        AddButton(playerButtons, Arrow(direction > 0, {x + 70.0f * static_cast<float>(direction), 100.0f}))
            ->SetOnClick([this, player, direction] {
                Side& shown = sides[static_cast<std::size_t>(player - 1)];
                choices.StepColor(player, direction, shown.swatch ? screenparts::FrameCount(*shown.swatch) : 8);
                ShowSide(player);
            });
    }
}

SmartButton* MenuSetup::AddToggle(float x, float y, bool (*state)(const BattleSetupRecord&), void (SetupChoices::*toggle)())
{
    auto button = std::make_unique<SmartButton>(kToggleSize, kToggleSize, glm::vec2(x, y), "N");
    SmartButton* raw = AddButton(playerButtons, std::move(button));
    raw->SetOnClick([this, toggle] {
        (choices.*toggle)();
        ShowToggles();
    });
    toggles.push_back({raw, state});
    return raw;
}

void MenuSetup::BuildPlayerOptions()
{
    const float rowY = -145.0f;
    AddText(playerPieces, screenparts::MakeText("CPU:", {kColumnX - 150.0f, rowY}, 28.0f, kCream));
    AddToggle(kColumnX - 70.0f, rowY, [](const BattleSetupRecord& s) { return s.cpuEnabled; }, &SetupChoices::ToggleCpu);
    difficulty = AddButton(playerButtons, std::make_unique<SmartButton>(95.0f, 26.0f, glm::vec2(kColumnX + 105.0f, rowY), "EASY"));
    difficulty->SetOnClick([this] {
        choices.CycleDifficulty();
        ShowToggles();
    });

    AddText(playerPieces, screenparts::MakeText("Optional Rules:", {-kColumnX, rowY}, 28.0f, kGold));
    const float rulesY = -222.0f;
    auto dup = screenparts::MakeText("Duplication Protection", {-420.0f, rulesY}, 22.0f, kCream);
    AddText(playerPieces, std::move(dup));
    AddToggle(-200.0f, rulesY, [](const BattleSetupRecord& s) { return s.duplicationProtection; },
              &SetupChoices::ToggleDuplicationProtection);
    AddText(playerPieces, screenparts::MakeText("Divine Intervention", {-20.0f, rulesY}, 22.0f, kCream));
    AddToggle(180.0f, rulesY, [](const BattleSetupRecord& s) { return s.divineIntervention; },
              &SetupChoices::ToggleDivineIntervention);

    AddButton(playerButtons, LongButton("Map Select >", 76.0f, AnchorTransform::kBottomRight))
        ->SetOnClick([this] { shownPage = Page::Map; });
}

void MenuSetup::BuildMapPage()
{
    AddPicture(mapPieces, screenparts::MakePicture("Cheat_Panel", {0.0f, 30.0f}, {300.0f, 255.0f}));
    thumbnail = AddPicture(mapPieces, screenparts::MakePicture("Map_Thumbnails", {0.0f, 120.0f}, {140.0f, 140.0f}, "static_anim"));
    auto description = screenparts::MakeText("", {-150.0f, -50.0f}, 26.0f, kCream);
    description->setAlignment(kAlignLeft, kAlignTop);
    mapText = AddText(mapPieces, std::move(description));
    for (int direction : {-1, +1}) {
        AddButton(mapButtons, Arrow(direction > 0, {220.0f * static_cast<float>(direction), 120.0f}))
            ->SetOnClick([this, direction] {
                choices.StepMap(direction, PlayerProfile);
                ShowMap();
            });
    }
    AddButton(mapButtons, LongButton("< Player Select", 76.0f, AnchorTransform::kBottomLeft))
        ->SetOnClick([this] { shownPage = Page::Players; });
    AddButton(mapButtons, LongButton("Start Game >", 76.0f, AnchorTransform::kBottomRight))
        ->SetOnClick([this] { pending = Request::Start; });
}

void MenuSetup::ShowSide(int player)
{
    Side& side = sides[static_cast<std::size_t>(player - 1)];
    const Faction* faction = FindFaction(choices.faction(player));
    if (side.pawn) screenparts::SetTexture(*side.pawn, faction ? std::string(faction->texture) : "default");
    if (side.logo) screenparts::ShowFrame(*side.logo, faction ? faction->index : 0);
    if (side.swatch) screenparts::ShowFrame(*side.swatch, choices.colorIndex(player));
    if (side.description) side.description->setText(choices.factionDescription(player));
}

void MenuSetup::ShowMap()
{
    if (thumbnail) screenparts::ShowFrame(*thumbnail, choices.mapIndex());
    if (mapText) mapText->setText(choices.mapDescription());
}

void MenuSetup::ShowToggles()
{
    for (const Toggle& toggle : toggles) {
        const bool on = toggle.state(BattleSetup);
        toggle.button->SetLabel(on ? "Y" : "N");
        toggle.button->label->color = on ? kYesColor : kNoColor;
    }
    if (difficulty) difficulty->SetLabel(std::string(DifficultyLabel(BattleSetup.aiDifficulty)));
}

void MenuSetup::Update(float dt)
{
    if (backdrop) backdrop->Update(dt);
    auto& buttons = shownPage == Page::Players ? playerButtons : mapButtons;
    auto& pieces = shownPage == Page::Players ? playerPieces : mapPieces;
    for (auto& button : commonButtons) button->Update(dt);
    for (auto& button : buttons) button->Update(dt);
    for (auto& piece : commonPieces) piece->Update(dt);
    for (auto& piece : pieces) piece->Update(dt);
    const Request request = pending;
    pending = Request::None;
    if (request != Request::None) CarryOut(request);
}

void MenuSetup::CarryOut(Request request)
{
    if (request == Request::Back) {
        choices.Back();
        screenparts::LeaveScreen();
        return;
    }
    choices.Start(PlayerProfile);
    SaveProfile();
    const BattleSetupRecord& s = BattleSetup;
    print("MenuSetup: Start Game: level ", s.levelName, ", factions ", s.player1Faction, " and ", s.player2Faction,
          ", computer ", s.cpuEnabled ? DifficultyLabel(s.aiDifficulty) : "off", ", duplication protection ",
          s.duplicationProtection ? "Y" : "N", ", divine intervention ", s.divineIntervention ? "Y" : "N");
    if (SceneSystem* scenes = SceneSystem::Instance()) scenes->switchTo(kSceneGameMap);
}

void MenuSetup::Render()
{
    ClearScreen(0.10f, 0.07f, 0.05f);
    if (backdrop) backdrop->Draw();
    auto& pieces = shownPage == Page::Players ? playerPieces : mapPieces;
    auto& buttons = shownPage == Page::Players ? playerButtons : mapButtons;
    for (auto& piece : commonPieces) piece->Draw();
    for (auto& piece : pieces) piece->Draw();
    for (auto& button : commonButtons) button->Draw();
    for (auto& button : buttons) button->Draw();
}

void MenuSetup::Unload()
{
    sides = {};
    thumbnail = nullptr;
    mapText = nullptr;
    difficulty = nullptr;
    toggles.clear();
    commonButtons.clear();
    playerButtons.clear();
    mapButtons.clear();
    commonPieces.clear();
    playerPieces.clear();
    mapPieces.clear();
    backdrop.reset();
}

void MenuSetup::OnResize(int width, int height)
{
    screenparts::FitBackdrop(backdrop.get(), width, height);
}
