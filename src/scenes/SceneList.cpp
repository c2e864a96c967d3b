#include "scenes/SceneList.h"

#include "meta/GameCampaignVictory.h"
#include "meta/GameVictory.h"
#include "meta/MenuSetup.h"
#include "scenes/Level2.h"
#include "scenes/ParticleTest.h"
#include "scenes/PlaceholderScene.h"
#include "scenes/SpellCardTest.h"

namespace {
std::unique_ptr<Scene> Placeholder(const char* name, float r, float g, float b)
{
    return std::make_unique<PlaceholderScene>(name, r, g, b);
}
}  // namespace

std::vector<std::unique_ptr<Scene>> BuildSceneList()
{
    std::vector<std::unique_ptr<Scene>> scenes;
    scenes.push_back(Placeholder("MenuMain", 0.25f, 0.16f, 0.08f));
    scenes.push_back(Placeholder("GameMap", 0.08f, 0.22f, 0.35f));
    scenes.push_back(std::make_unique<ParticleTest>());
    scenes.push_back(std::make_unique<SpellCardTest>());
    scenes.push_back(std::make_unique<Level2>());
    scenes.push_back(Placeholder("Settings", 0.18f, 0.18f, 0.22f));
    scenes.push_back(Placeholder("MenuCodex", 0.30f, 0.24f, 0.14f));
    scenes.push_back(std::make_unique<GameVictory>());
    scenes.push_back(Placeholder("Intro", 0.02f, 0.02f, 0.04f));
    scenes.push_back(std::make_unique<MenuSetup>());
    scenes.push_back(Placeholder("Credits", 0.06f, 0.06f, 0.12f));
    scenes.push_back(Placeholder("MenuCampaign", 0.20f, 0.26f, 0.16f));
    scenes.push_back(std::make_unique<GameCampaignVictory>());
    scenes.push_back(Placeholder("MenuStats", 0.16f, 0.12f, 0.20f));
    return scenes;
}
