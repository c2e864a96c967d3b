#pragma once
#include <memory>

#include "meta/VictoryScreen.h"

// After a campaign level: "Victory" with the report (turns against par, gilded, unlocks) or
// "Defeat"; the level's result and unlocks are recorded on its first win. "Play Again" starts the
// same level (counted as a new game), "Return to Map" goes to the campaign map.
class GameCampaignVictory : public VictoryScreen {
public:
    GameCampaignVictory();
    ~GameCampaignVictory() override;

    void Unload() override;

protected:
    void BuildButtons() override;
    void Record() override;
    void DrawExtras() override;
    void UpdateExtras(float dt) override;

private:
    std::unique_ptr<Object> panel;
    std::unique_ptr<Text> report;
    bool reportShown = false;
};
