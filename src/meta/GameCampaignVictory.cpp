#include "meta/GameCampaignVictory.h"

#include "engine/Log.h"
#include "meta/BattleSetup.h"
#include "meta/Config.h"
#include "meta/PlayerProfile.h"
#include "meta/ScreenParts.h"
#include "meta/VictoryRules.h"
#include "objects/AnchorTransform.h"
#include "render/Text.h"
#include "render/TextLayout.h"
#include "scenes/SceneIndex.h"
#include "ui/SmartButton.h"

namespace {
const glm::vec4 kInk{0.1804f, 0.1333f, 0.1843f, 1.0f};
// The written 75 % would push a 360-unit button past the edge of a 1280-wide window.
constexpr float kButtonOffset = 65.0f;

// The report on one trace line, its lines separated by " | ".
std::string ReportLine(std::string report)
{
    while (!report.empty() && report.back() == '\n') report.pop_back();
    for (std::size_t at = report.find('\n'); at != std::string::npos; at = report.find('\n', at + 3))
        report.replace(at, 1, " | ");
    return report;
}
}  // namespace

GameCampaignVictory::GameCampaignVictory() : VictoryScreen("GameCampaignVictory") {}
GameCampaignVictory::~GameCampaignVictory() = default;

void GameCampaignVictory::BuildButtons()
{
    AddButton(std::make_unique<SmartButton>(180.0f, 40.0f, kButtonOffset, AnchorTransform::kBottomLeft, "Play Again"),
              Leave{kSceneGameMap, true, false});
    AddButton(std::make_unique<SmartButton>(180.0f, 40.0f, kButtonOffset, AnchorTransform::kBottomRight, "Return to Map"),
              Leave{kSceneMenuCampaign, false, true});
    panel = screenparts::MakePicture("Dossier_Panel", {0.0f, -118.0f}, {232.0f, 136.0f});
    report = screenparts::MakeText("", {0.0f, -2.0f}, screenparts::kReportSize, kInk);
    report->setAlignment(kAlignCenter, kAlignTop);
    report->setWrapWidth(screenparts::kReportWrap);
}

void GameCampaignVictory::Record()
{
    const CampaignVictory shown = RecordCampaignVictory(BattleSetup, PlayerProfile);
    // One save after every change: the result, the unlocks and the win or the loss.
    SaveProfile();
    StartRain(shown.gilded);
    message->setText(shown.title);
    ShowPawn(shown.pawnTexture);
    report->setText(shown.report);
    reportShown = shown.showReport;
    print("GameCampaignVictory: ", shown.title, reportShown ? " | " + ReportLine(shown.report) : std::string());
}

void GameCampaignVictory::UpdateExtras(float dt)
{
    panel->Update(dt);
    report->Update(dt);
}

void GameCampaignVictory::DrawExtras()
{
    if (!reportShown) return;
    panel->Draw();
    report->Draw();
}

void GameCampaignVictory::Unload()
{
    VictoryScreen::Unload();
    report.reset();
    panel.reset();
}
