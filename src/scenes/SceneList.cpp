#include "scenes/SceneList.h"

#include "meta/Credits.h"
#include "meta/GameCampaignVictory.h"
#include "meta/GameVictory.h"
#include "meta/Intro.h"
#include "meta/MenuCampaign.h"
#include "meta/MenuCodex.h"
#include "meta/MenuMain.h"
#include "meta/MenuSetup.h"
#include "meta/MenuStats.h"
#include "meta/Settings.h"
#include "scenes/GameMap.h"
#include "scenes/Level2.h"
#include "scenes/ParticleTest.h"
#include "scenes/SpellCardTest.h"

std::vector<std::unique_ptr<Scene>> BuildSceneList()
{
    std::vector<std::unique_ptr<Scene>> scenes;
    scenes.push_back(std::make_unique<MenuMain>());
    scenes.push_back(std::make_unique<GameMap>());
    scenes.push_back(std::make_unique<ParticleTest>());
    scenes.push_back(std::make_unique<SpellCardTest>());
    scenes.push_back(std::make_unique<Level2>());
    scenes.push_back(std::make_unique<Settings>());
    scenes.push_back(std::make_unique<MenuCodex>());
    scenes.push_back(std::make_unique<GameVictory>());
    scenes.push_back(std::make_unique<Intro>());
    scenes.push_back(std::make_unique<MenuSetup>());
    scenes.push_back(std::make_unique<Credits>());
    scenes.push_back(std::make_unique<MenuCampaign>());
    scenes.push_back(std::make_unique<GameCampaignVictory>());
    scenes.push_back(std::make_unique<MenuStats>());
    return scenes;
}
