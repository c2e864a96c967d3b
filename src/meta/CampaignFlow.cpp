#include "meta/CampaignFlow.h"

#include <algorithm>

#include "meta/ProfileCounters.h"

using campaign::kMissionCount;
using campaign::kNoMission;

bool CampaignFlow::Start(PlayerProfileRecord& profile)
{
    // Nothing of an earlier visit survives: a fade cut short by leaving never resumes.
    *this = CampaignFlow{};
    const bool guildBefore = profile.unlockGoldenGuild;
    briefing = campaign::BriefingFor(profile);
    // With no briefing for this profile there is nothing to read, so no empty dossier opens.
    briefingShown = dossierOpen = briefing.kind != campaign::BriefingKind::None;
    return profile.unlockGoldenGuild != guildBefore;
}

void CampaignFlow::OpenMission(int mission, const PlayerProfileRecord& profile)
{
    if (!TakesInput() || dossierOpen || !campaign::IconShown(profile, mission)) return;
    selected = mission;
    dossierOpen = true;
    briefingShown = false;
    previewShown = false;
}

void CampaignFlow::Continue()
{
    if (!TakesInput() || !dossierOpen) return;
    previewShown = false;
    if (briefingShown) {
        briefingShown = false;
        dossierOpen = selected >= 0 && selected < kMissionCount;
        return;
    }
    dossierOpen = false;
}

void CampaignFlow::Preview()
{
    if (CurrentView() == View::Mission && selected > 0 && TakesInput()) previewShown = true;
}

void CampaignFlow::BackFromPreview()
{
    if (CurrentView() == View::Preview && TakesInput()) previewShown = false;
}

void CampaignFlow::Enter(BattleSetupRecord& setup)
{
    if (CurrentView() != View::Mission || !TakesInput()) return;
    if (campaign::StartMission(selected, setup)) startPending = true;
}

void CampaignFlow::Back()
{
    if (TakesInput() && !dossierOpen) leaving = true;
}

CampaignFlow::Leave CampaignFlow::Update(float dt, PlayerProfileRecord& profile)
{
    // Once gone (either way), the scene takes nothing more until it is entered again.
    if (leaving) {
        if (leaveReported) return Leave::Stay;
        leaveReported = true;
        return Leave::MainMenu;
    }
    if (!startPending || leaveReported) return Leave::Stay;
    if (!fading) {
        fading = true;
        fadeLeft = kFadeSeconds;
        return Leave::Stay;
    }
    fadeLeft = std::max(0.0f, fadeLeft - dt);
    if (fadeLeft > 0.0f) return Leave::Stay;
    leaveReported = true;
    CountCampaignStart(profile);
    return Leave::Battle;
}

CampaignFlow::View CampaignFlow::CurrentView() const
{
    if (!dossierOpen) return View::Closed;
    if (briefingShown) return View::Briefing;
    return previewShown ? View::Preview : View::Mission;
}

float CampaignFlow::FadeAlpha() const
{
    if (!fading) return 0.0f;
    return std::clamp(1.0f - fadeLeft / kFadeSeconds, 0.0f, 1.0f);
}
