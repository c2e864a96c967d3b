#include "meta/MenuCampaign.h"

#include "engine/Log.h"
#include "meta/CampaignDossier.h"
#include "meta/Config.h"
#include "meta/FrontEndKit.h"
#include "meta/MapPresets.h"
#include "objects/Texture.h"
#include "render/TextureLibrary.h"
#include "render/Background.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "scenes/ClearScreen.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneSystem.h"
#include "ui/SmartButton.h"

namespace {
constexpr const char* kMusic = "MenuMusic";
// The map is painted for a 1280 x 720 window and drawn 1:1, so the icons stay on their landmarks.
constexpr glm::vec2 kMapHalf{640.0f, 360.0f};
constexpr float kIconHalf = 16.0f;

void SwitchThroughSceneSystem(int index)
{
    if (SceneSystem* scenes = SceneSystem::Instance()) scenes->switchTo(index);
}

// The "Map_Thumbnails" frame of a campaign level: its place in the setup screen's map table.
int ThumbnailFrame(int mission)
{
    const std::string level = campaign::Missions()[static_cast<std::size_t>(mission)].levelName;
    for (int i = 0; i < kMapPresetCount; ++i)
        if (LevelNameOf(MapPresets()[static_cast<std::size_t>(i)]) == level) return i;
    return 0;
}

// The page's paragraph: the dossier text without its heading line.
std::string MissionBody(int mission)
{
    const std::string text = campaign::DossierText(mission);
    const std::size_t gap = text.find("\n\n");
    return gap == std::string::npos ? text : text.substr(gap + 2);
}
}  // namespace

MenuCampaign::MenuCampaign(std::function<void(int)> switchAction)
    : Scene("MenuCampaign"), switchScene(std::move(switchAction))
{
    if (!switchScene) switchScene = SwitchThroughSceneSystem;
}

MenuCampaign::~MenuCampaign() = default;

const std::array<glm::vec2, campaign::kMissionCount>& MenuCampaign::IconPositions()
{
    static const std::array<glm::vec2, campaign::kMissionCount> positions{{
        {-224.0f, 301.0f}, {54.0f, 280.0f}, {228.0f, 180.0f}, {-70.0f, 166.0f},
        {374.0f, -28.0f}, {363.0f, 220.0f}, {593.0f, 320.0f}, {361.0f, 330.0f},
    }};
    return positions;
}

void MenuCampaign::Load()
{
    if (ShaderLibrary* shaders = render::Shaders())
        LoadPrograms(*shaders, {"static", "static_anim", "text", "button", "background", "mesh"});
}

void MenuCampaign::Init()
{
    BattleSetup.campaignMode = true;
    music.Start(kMusic, 0.3f);
    if (flow.Start(PlayerProfile)) SaveProfile();

    // The wooden backdrop's tiling, with the open sea instead of the wood.
    backdrop = frontend::MakeBackdrop(Background::kWood);
    backdrop->setTexture("Map_BG");
    if (auto* sprite = backdrop->Get<Texture>(); sprite && sprite->texture && sprite->texture->width > 0)
        backdrop->setTextureSize(static_cast<float>(sprite->texture->width), static_cast<float>(sprite->texture->height));
    mapPicture = campaign::MapPicture(PlayerProfile);
    map = frontend::MakePicture(mapPicture, glm::vec2(0.0f), kMapHalf);
    back = frontend::MakeBackButton();
    back->SetOnClick([this] { backClicked = true; });
    BuildIcons();
    dossier = std::make_unique<CampaignDossier>();
    dossier->onButton = [this](const std::string& caption) { OnDossierButton(caption); };
    fade = frontend::MakeBackdrop(Background::kPlain);
    ShowDossierPage();
    print("MenuCampaign: map ", mapPicture);
    const glm::ivec2 viewport = render::ViewportSize();
    OnResize(viewport.x, viewport.y);
}

void MenuCampaign::BuildIcons()
{
    std::string shownList;
    for (int m = 0; m < campaign::kMissionCount; ++m) {
        const auto index = static_cast<std::size_t>(m);
        iconShown[index] = campaign::IconShown(PlayerProfile, m);
        auto icon = std::make_unique<SmartButton>(kIconHalf, kIconHalf, campaign::IconTexture(campaign::Result(PlayerProfile, m)));
        icon->name = campaign::Missions()[index].levelName;
        icon->SetPosition(IconPositions()[index]);
        icon->SetOnClick([this, m] { clickedIcon = m; });
        icons[index] = std::move(icon);
        if (iconShown[index]) shownList += (shownList.empty() ? "" : " ") + std::to_string(m);
    }
    print("MenuCampaign: icons ", shownList);
}

SmartButton* MenuCampaign::Icon(int mission) const
{
    if (mission < 0 || mission >= campaign::kMissionCount) return nullptr;
    return icons[static_cast<std::size_t>(mission)].get();
}

void MenuCampaign::ShowDossierPage()
{
    const int selected = flow.Selected();
    switch (flow.CurrentView()) {
    case CampaignFlow::View::Closed:
        return;
    case CampaignFlow::View::Briefing: {
        const campaign::Briefing& briefing = flow.CurrentBriefing();
        dossier->ShowPage("Sergeant Merlin", briefing.text, {briefing.button});
        const std::string& text = briefing.text;
        print("MenuCampaign: briefing: ", text.substr(0, text.find_first_of(".,") + 1));
        return;
    }
    case CampaignFlow::View::Mission: {
        const char* heading = campaign::Missions()[static_cast<std::size_t>(selected)].heading;
        if (selected == 0) dossier->ShowPage(heading, MissionBody(selected), {"Enter", "Exit"});
        else dossier->ShowPage(heading, MissionBody(selected), {"Enter", "Preview", "Exit"});
        print("MenuCampaign: dossier: ", heading);
        return;
    }
    case CampaignFlow::View::Preview:
        dossier->ShowPage(campaign::Missions()[static_cast<std::size_t>(selected)].heading, "", {"<"},
                          ThumbnailFrame(selected));
        print("MenuCampaign: preview: ", campaign::Missions()[static_cast<std::size_t>(selected)].levelName);
        return;
    }
}

void MenuCampaign::OnDossierButton(const std::string& caption)
{
    if (caption == "Enter") {
        flow.Enter(BattleSetup);
        return;  // the page stays until the fade has covered it
    }
    if (caption == "Preview") flow.Preview();
    else if (caption == "<") flow.BackFromPreview();
    else flow.Continue();  // "Continue", "Hurray" and "Exit"
    ShowDossierPage();
}

void MenuCampaign::Update(float dt)
{
    backdrop->Update(dt);
    map->Update(dt);
    if (flow.TakesInput()) {
        clickedIcon = -1;
        backClicked = false;
        if (flow.CurrentView() != CampaignFlow::View::Closed) {
            dossier->Update(dt);
        } else {
            for (int m = 0; m < campaign::kMissionCount; ++m)
                if (iconShown[static_cast<std::size_t>(m)]) icons[static_cast<std::size_t>(m)]->Update(dt);
            back->Update(dt);
        }
        if (clickedIcon >= 0) {
            flow.OpenMission(clickedIcon, PlayerProfile);
            ShowDossierPage();
        }
        if (backClicked) flow.Back();
    }
    UpdateFade();
    fade->Update(dt);
    LeaveIfAsked(flow.Update(dt, PlayerProfile));
}

void MenuCampaign::UpdateFade()
{
    frontend::TintPicture(*fade, glm::vec4(0.0f, 0.0f, 0.0f, flow.FadeAlpha()));
}

void MenuCampaign::LeaveIfAsked(CampaignFlow::Leave leave)
{
    if (leave == CampaignFlow::Leave::Battle) {
        print("MenuCampaign: Enter: level ", BattleSetup.levelName);
        SaveProfile();
        switchScene(kSceneGameMap);
    } else if (leave == CampaignFlow::Leave::MainMenu) {
        switchScene(kSceneMenuMain);
    }
}

void MenuCampaign::Render()
{
    ClearScreen(0.0f, 0.0f, 0.0f);
    backdrop->Draw();
    map->Draw();
    for (int m = 0; m < campaign::kMissionCount; ++m)
        if (iconShown[static_cast<std::size_t>(m)]) icons[static_cast<std::size_t>(m)]->Draw();
    if (flow.CurrentView() != CampaignFlow::View::Closed) dossier->Draw();
    else back->Draw();
    if (flow.Fading()) fade->Draw();
}

void MenuCampaign::Exit()
{
    music.Stop();
}

void MenuCampaign::Unload()
{
    dossier.reset();
    for (auto& icon : icons) icon.reset();
    back.reset();
    map.reset();
    fade.reset();
    backdrop.reset();
}

void MenuCampaign::OnResize(int width, int height)
{
    const glm::vec2 cover = frontend::BackdropSize(width, height);
    if (backdrop) backdrop->size = cover;
    if (fade) fade->size = cover;
}
