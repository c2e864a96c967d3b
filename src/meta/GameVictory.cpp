#include "meta/GameVictory.h"

#include "meta/BattleSetup.h"
#include "meta/Config.h"
#include "meta/PlayerProfile.h"
#include "engine/Log.h"
#include "meta/VictoryRules.h"
#include "objects/AnchorTransform.h"
#include "render/Text.h"
#include "scenes/SceneIndex.h"
#include "ui/SmartButton.h"

GameVictory::GameVictory() : VictoryScreen("GameVictory") {}

void GameVictory::BuildButtons()
{
    AddButton(std::make_unique<SmartButton>(100.0f, 50.0f, 20.0f, AnchorTransform::kBottomCenter, "Play Again"),
              Leave{kSceneGameMap, true, false});
    AddButton(std::make_unique<SmartButton>(100.0f, 50.0f, 70.0f, AnchorTransform::kBottomCenter, "Exit"),
              Leave{kSceneMenuMain, false, true});
}

void GameVictory::Record()
{
    StartRain(false);
    const FreeVictory shown = RecordFreeVictory(BattleSetup, PlayerProfile);
    SaveProfile();
    message->setText(shown.message);
    ShowPawn(shown.pawnTexture);
    print("GameVictory: ", shown.message);
}
