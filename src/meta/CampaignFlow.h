#pragma once

#include "meta/BattleSetup.h"
#include "meta/CampaignRules.h"
#include "meta/PlayerProfile.h"

// What the campaign map is doing, free of any widget: which dossier page is open, which mission
// is selected, and the fade that leads into a battle. The scene turns clicks into these calls and
// draws whatever View() says. From "Enter" until the scene is left nothing else is taken, so one
// "Enter" starts exactly one battle.
class CampaignFlow {
public:
    static constexpr float kFadeSeconds = 1.5f;

    // What the dossier shows: nothing, Sergeant Merlin's briefing, a mission's page, or the
    // mission's map preview.
    enum class View { Closed, Briefing, Mission, Preview };
    // Where the scene should go now.
    enum class Leave { Stay, Battle, MainMenu };

    // The scene is entered: every flag and the fade start afresh, and the briefing for the
    // profile opens (if any). True when the profile changed (the gold guild) and must be saved.
    bool Start(PlayerProfileRecord& profile);

    // A click on a mission icon: opens its page when the icon is on the map.
    void OpenMission(int mission, const PlayerProfileRecord& profile);
    // "Continue", "Hurray" and "Exit": a briefing gives way to the selected mission's page (or
    // closes when none is selected); any other page closes.
    void Continue();
    // "Preview" on a mission page (not the training) and "<" back from it.
    void Preview();
    void BackFromPreview();
    // "Enter": fills the set-up record for the selected mission and starts the fade.
    void Enter(BattleSetupRecord& setup);
    // The map's back button.
    void Back();

    // Runs the fade. Returns Battle once, when it has run out (one game is then counted in the
    // profile; the caller saves it), MainMenu once after Back, Stay otherwise.
    Leave Update(float dt, PlayerProfileRecord& profile);

    // False from "Enter" (or Back) on: the scene then ignores every click.
    bool TakesInput() const { return !startPending && !leaving; }
    View CurrentView() const;
    int Selected() const { return selected; }
    const campaign::Briefing& CurrentBriefing() const { return briefing; }
    bool Fading() const { return fading; }
    // 0 (clear) to 1 (black) while the fade runs.
    float FadeAlpha() const;

private:
    int selected = campaign::kNoMission;
    bool dossierOpen = false;
    bool briefingShown = false;
    bool previewShown = false;
    bool startPending = false;
    bool fading = false;
    bool leaving = false;
    bool leaveReported = false;
    float fadeLeft = 0.0f;
    campaign::Briefing briefing;
};
