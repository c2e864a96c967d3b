#include "meta/BattleSetup.h"

BattleSetupRecord BattleSetup;

void ResetBattleSetup()
{
    BattleSetup = BattleSetupRecord{};
}
