#pragma once

// The fixed positions of the scenes in the scene system's list.
enum SceneIndex : int {
    kSceneMenuMain = 0,
    kSceneGameMap = 1,
    kSceneParticleTest = 2,
    kSceneSpellCardTest = 3,
    kSceneLevel2 = 4,
    kSceneSettings = 5,
    kSceneMenuCodex = 6,
    kSceneGameVictory = 7,
    kSceneIntro = 8,
    kSceneMenuSetup = 9,
    kSceneCredits = 10,
    kSceneMenuCampaign = 11,
    kSceneGameCampaignVictory = 12,
    kSceneMenuStats = 13,
    kSceneCount = 14,
};
