#include "scenes/GameMap.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cmath>
#include <iostream>

#include "ai/AiDifficulty.h"
#include "ai/ComputerPlayer.h"
#include "audio/SoundSystem.h"
#include "battle/Map.h"
#include "battle/MapInterface.h"
#include "engine/Input.h"
#include "engine/Log.h"
#include "meta/BattleSetup.h"
#include "meta/Config.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Background.h"
#include "render/Mesh.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "scenes/ClearScreen.h"
#include "scenes/ProjectileSprite.h"
#include "scenes/SceneIndex.h"
#include "scenes/SceneSystem.h"

namespace {

// What the battle asks of the world around it, answered by the scene system, camera and sounds.
class SceneBattleHooks : public BattleHooks {
public:
    explicit SceneBattleHooks(GameMap& scene) : scene(scene) {}
    void GlideCamera(glm::vec2 position) override
    {
        if (Camera* camera = render::ActiveCamera()) camera->pushTarget(position.x, position.y, 0, true);
    }
    void SwitchMusic(bool on, bool alternative) override { scene.OnMusicSwitch(on, alternative); }

private:
    GameMap& scene;
};

// The world rectangle the camera shows, one tile wider on every side (figures, markers and effects
// reach past their tile). Tiles outside it are not drawn: on the large levels a third of the
// island lies off screen, and every tile is a draw call of its own.
struct ViewRect {
    glm::vec2 low{-1e9f};
    glm::vec2 high{1e9f};
    bool Holds(glm::vec2 p) const { return p.x >= low.x && p.x <= high.x && p.y >= low.y && p.y <= high.y; }
};

ViewRect VisibleWorld()
{
    Camera* camera = render::ActiveCamera();
    if (!camera) return {};
    const glm::mat4 toWorld = glm::inverse(camera->getViewProjection());
    const glm::vec2 a(toWorld * glm::vec4(-1.0f, -1.0f, 0.0f, 1.0f));
    const glm::vec2 b(toWorld * glm::vec4(1.0f, 1.0f, 0.0f, 1.0f));
    const glm::vec2 margin(Tile::kSize);
    return {glm::min(a, b) - margin, glm::max(a, b) + margin};
}

bool KeyDown(int key)
{
    return UserConfig.window && glfwGetKey(UserConfig.window, key) == GLFW_PRESS;
}

// True on the first frame a held input is seen.
bool Pressed(bool down, bool& held)
{
    bool fresh = down && !held;
    held = down;
    return fresh;
}

}  // namespace

GameMap::GameMap() : Scene("GameMap") {}
GameMap::~GameMap() = default;

int GameMap::BackdropStyle(int background)
{
    const int styles[8] = {Background::kWater, Background::kGrass, Background::kLava, Background::kSand,
                           Background::kDidaruza, Background::kEvilGrass, Background::kTiles, Background::kActionPoints};
    return background >= 0 && background < 8 ? styles[background] : Background::kWater;
}

void GameMap::Load()
{
    if (ShaderLibrary* shaders = render::Shaders())
        LoadPrograms(*shaders, {"basic", "static", "basic_anim", "water", "tile", "pawn_anim", "pawn_ui_anim", "button",
                                "text", "bar", "arrow_anim", "static_anim", "banner_anim", "background", "Particle"});
    // A battle starts clean: nothing of an earlier battle's outcome or locks carries over.
    BattleSetup.winner = -1;
    BattleSetup.turnsUsed = 0;
    BattleSetup.aiTurnActive = false;
    Input().cameraInputLocked = false;
    resultStored = false;
    backdrop = std::make_unique<Background>();
    hooks = std::make_unique<SceneBattleHooks>(*this);
    map = std::make_unique<Map>();
    map->hooks = hooks.get();
    map->cpuSide2 = BattleSetup.cpuEnabled;
    map->duplicationProtection = BattleSetup.duplicationProtection;
    map->divineIntervention = BattleSetup.divineIntervention;
    map->tutorial = BattleSetup.tutorialMode;
    if (BattleSetup.cpuEnabled || BattleSetup.autoplay) {
        InstallComputerPlayer(*map, BattleSetup.aiDifficulty, BattleSetup.autoplay);
        print("GameMap: computer plays ", BattleSetup.autoplay ? "both sides" : "side 2", " at ",
              DifficultyName(BattleSetup.aiDifficulty));
    }
    map->createMap(BattleSetup.levelName);
    BattleSetup.backgroundStyle = map->level.background;
    fade = std::make_unique<Background>();
    backdrop->setTextureSize(32.0f, 32.0f);
    backdrop->setStyle(BackdropStyle(map->level.background));
    fadePending = true;
    if (Camera* camera = render::ActiveCamera()) camera->enabled = false;
}

void GameMap::Init()
{
    SoundSystem& sound = SoundSystem::Instance();
    sound.PlayLooped("BattleMusic");
    sound.SetVolume("BattleMusic", 0.1f);
    if (!UserConfig.music) sound.SetPaused("BattleMusic", true);
    SceneSystem* scenes = SceneSystem::Instance();
    int width = scenes ? scenes->screenWidth() : 1280;
    int height = scenes ? scenes->screenHeight() : 720;
    map->factions[0] = BattleSetup.player1Faction;
    map->factions[1] = BattleSetup.player2Faction;
    map->Initialise(width, height);
    battleUi = std::make_unique<MapInterface>(*map);
    battleUi->onMusicSwitch = [this](bool on, bool alternative) { OnMusicSwitch(on, alternative); };
    projectile = std::make_unique<ProjectileSprite>();
    if (Camera* camera = render::ActiveCamera(); camera && map->cameraTargetSet) {
        // Placed by the battle itself while the player's camera moves are still held back.
        bool enabled = camera->enabled;
        camera->enabled = true;
        camera->setPosition(map->cameraTarget.x, map->cameraTarget.y);
        camera->enabled = enabled;
    }
    OnResize(width, height);
    fade->setStyle(Background::kPlain);
    if (auto* sprite = fade->Get<Texture>(); sprite && sprite->mesh) sprite->mesh->setColor(glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
    fadeTime = 2.5f;
}

void GameMap::ReadInput()
{
    if (Pressed(KeyDown(GLFW_KEY_ESCAPE), escapeHeld)) map->PressEscape();
    if (Pressed(KeyDown(GLFW_KEY_F), partyHeld)) map->PressPartyKey();
    if (Pressed(KeyDown(GLFW_KEY_C), mapViewHeld)) map->PressMapViewKey();
    Camera* camera = render::ActiveCamera();
    if (!UserConfig.window || !camera) return;
    double cx = 0.0, cy = 0.0;
    glfwGetCursorPos(UserConfig.window, &cx, &cy);
    glm::vec4 ndc(2.0f * static_cast<float>(cx) / static_cast<float>(camera->width) - 1.0f,
                  1.0f - 2.0f * static_cast<float>(cy) / static_cast<float>(camera->height), 0.0f, 1.0f);
    glm::vec2 world(glm::inverse(camera->getViewProjection()) * ndc);
    // A tile is hovered strictly inside its square.
    int column = static_cast<int>(std::floor((world.x + Tile::kHalfSize) / Tile::kSize));
    int row = static_cast<int>(std::floor((-world.y + Tile::kHalfSize) / Tile::kSize));
    Tile* hovered = map->TileAt(column, row);
    if (hovered) {
        glm::vec2 centre = hovered->WorldPosition();
        bool inside = std::abs(world.x - centre.x) < Tile::kHalfSize && std::abs(world.y - centre.y) < Tile::kHalfSize;
        if (!inside) hovered = nullptr;
    }
    for (auto& tile : map->tiles) tile->hovered = tile.get() == hovered;
    map->hoveredTile = hovered;
    bool down = glfwGetMouseButton(UserConfig.window, GLFW_MOUSE_BUTTON_LEFT) == GLFW_PRESS;
    if (Pressed(down, clickHeld) && hovered) map->controls.tileEventHandler(hovered);
}

void GameMap::Update(float dt)
{
    if (!map) return;
    backdrop->Update(dt);
    if (battleUi) {
        battleUi->Update(dt);
    } else {
        ReadInput();
        map->Update(dt);
    }
    if (projectile) {
        projectile->Follow(map->flight.projectile, map->state == Map::kSpellInFlight);
        projectile->Update(dt);
    }
    if (Camera* camera = render::ActiveCamera()) camera->enabled = map->cameraEnabled;
    UpdateFade(dt);
    AfterMapUpdate();
}

void GameMap::UpdateFade(float dt)
{
    if (fadeTime > 0.0f && !fadePending) {
        if (auto* sprite = fade->Get<Texture>(); sprite && sprite->mesh)
            sprite->mesh->setColor(glm::vec4(0.0f, 0.0f, 0.0f, std::min(1.0f, fadeTime)));
        fade->Update(dt);
        fadeTime -= dt;
        if (fadeTime <= 0.0f) map->controls.ShowWelcome();
    }
    if (fadePending) {
        fadePending = false;
        fadeTime = 1.0f;
    }
}

void GameMap::AfterMapUpdate()
{
    // Requests raised inside the map's update are carried out here, once it has returned.
    if (map->battleOver && !resultStored) {
        resultStored = true;
        BattleSetup.winner = map->winner;
        BattleSetup.turnsUsed = map->turns.round;
        Input().cameraInputLocked = true;
        map->cameraLocked = true;
    }
    if (map->controls.exitRequested) {
        map->controls.exitRequested = false;
        bool campaign = BattleSetup.campaignMode;
        if (SceneSystem* scenes = SceneSystem::Instance())
            scenes->switchTo(campaign ? kSceneGameCampaignVictory : kSceneGameVictory);
    }
}

void GameMap::Render()
{
    ClearScreen(0.0f, 0.0f, 0.0f);
    if (backdrop) backdrop->Draw();
    if (!map) return;
    const ViewRect view = VisibleWorld();
    for (auto& tile : map->tiles)
        if (view.Holds(tile->WorldPosition())) tile->Draw();
    for (auto& object : map->objects) object->Draw();
    if (!map->mapView)
        for (auto& wizard : map->wizards) wizard->Draw();
    for (auto& tile : map->tiles)
        if (view.Holds(tile->WorldPosition()))
            for (auto& [name, emitter] : tile->emitters) emitter->Draw();
    for (auto& object : map->objects)
        for (auto& [name, emitter] : object->emitters) emitter->Draw();
    if (!map->mapView)
        for (auto& wizard : map->wizards)
            for (auto& [name, emitter] : wizard->emitters) emitter->Draw();
    if (projectile) projectile->DrawAll();
    if (battleUi) {
        battleUi->Draw();
        battleUi->DrawDebugWindow(debugOn);
    }
    if (fadeTime > 0.0f && fade) fade->Draw();
}

void GameMap::Exit()
{
    SoundSystem::Instance().Stop("BattleMusic");
    SoundSystem::Instance().Stop("DiscoMusic");
}

void GameMap::Unload()
{
    battleUi.reset();
    projectile.reset();
    map.reset();
    hooks.reset();
    backdrop.reset();
    fade.reset();
}

void GameMap::OnResize(int width, int height)
{
    if (backdrop) backdrop->size = glm::vec2(2.0f * static_cast<float>(width) + 100.0f, 2.0f * static_cast<float>(height) + 100.0f);
    if (map) {
        map->windowWidth = width;
        map->windowHeight = height;
    }
    if (battleUi) battleUi->Resize(width, height);
    if (fade) fade->size = glm::vec2(static_cast<float>(width) + 100.0f, static_cast<float>(height) + 100.0f);
}

void GameMap::OnSettingChanged()
{
    SoundSystem::Instance().SetPaused("BattleMusic", !UserConfig.music);
}

void GameMap::OnFocus(bool focused)
{
    if (!UserConfig.music) return;
    if (!focused) {
        std::cout << "I think I am minimized" << std::endl;
        if (map && map->partyMode) {
            map->partyMode = false;
            OnMusicSwitch(false, true);
            map->ClearAllMarks();
        }
        SoundSystem::Instance().SetPaused("BattleMusic", true);
        return;
    }
    std::cout << "I think I am unminimized" << std::endl;
    SoundSystem::Instance().SetPaused("BattleMusic", false);
}

void GameMap::OnMusicSwitch(bool on, bool alternative)
{
    if (!UserConfig.music) return;
    SoundSystem& sound = SoundSystem::Instance();
    if (alternative) {
        if (on) {
            sound.SetPaused("BattleMusic", true);
            sound.PlayLooped("DiscoMusic");
            sound.SetVolume("DiscoMusic", 0.1f);
        } else {
            sound.SetPaused("BattleMusic", false);
            sound.Stop("DiscoMusic");
        }
        return;
    }
    sound.SetPaused("BattleMusic", on);
}
