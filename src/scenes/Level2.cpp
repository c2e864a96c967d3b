#include "scenes/Level2.h"

#include <string>

#include "meta/Config.h"
#include "objects/AnchorTransform.h"
#include "objects/Animation.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Background.h"
#include "render/MaterialInputs.h"
#include "render/RenderContext.h"
#include "render/ShaderLibrary.h"
#include "render/TextureLibrary.h"
#include "scenes/ClearScreen.h"
#include "scenes/SceneSystem.h"

namespace {

// A sprite whose material state is fixed by the scene instead of by game rules.
class ShowcaseSprite : public Object {
public:
    void FillMaterialInputs(MaterialInputs& in) const override { in = inputs; }
    MaterialInputs inputs;
};

struct SpriteSpec {
    const char* name;
    const char* mesh;
    const char* texture;
    const char* program;
    glm::vec2 position;
    glm::vec2 scale;
    bool screenSpace;  // AnchorTransform (interface space) instead of Transform (world)
};

std::unique_ptr<ShowcaseSprite> MakeSprite(const SpriteSpec& entry)
{
    auto sprite = std::make_unique<ShowcaseSprite>();
    sprite->name = entry.name;
    auto* texture = new Texture(entry.mesh, entry.texture);
    texture->program = entry.program;
    sprite->AddComponent(texture);
    TransformBase* placement = entry.screenSpace ? static_cast<TransformBase*>(new AnchorTransform())
                                                : static_cast<TransformBase*>(new Transform());
    placement->setPosition(entry.position);
    placement->setScale(entry.scale);
    sprite->AddComponent(placement);
    return sprite;
}

void Animate(Object& sprite, int first, int frames, float seconds)
{
    auto* animation = new Animation();
    animation->play(first, frames, seconds, true);
    sprite.AddComponent(animation);
}

// Half the texture's pixel size is what the backdrop shaders tile by.
void FitTextureSize(Background& background)
{
    auto* sprite = background.Get<Texture>();
    if (sprite && sprite->texture && sprite->texture->width > 0)
        background.setTextureSize(static_cast<float>(sprite->texture->width), static_cast<float>(sprite->texture->height));
}

constexpr glm::vec3 kHoverYellow{1.0f, 0.9f, 0.2f};
constexpr glm::vec3 kRangeBlue{0.3f, 0.6f, 1.0f};

}  // namespace

Level2::Level2() : Scene("Level2") {}
Level2::~Level2() = default;

void Level2::Load()
{
    if (ShaderLibrary* shaders = render::Shaders()) {
        LoadPrograms(*shaders, {"basic", "static", "mesh", "background", "water", "basic_anim", "static_anim",
                                "tile", "pawn_anim", "banner_anim", "button", "bar"});
    }
}

void Level2::Init()
{
    BuildBackdrops();
    BuildSprites();
    BuildTiles();
    SceneSystem* scenes = SceneSystem::Instance();
    if (scenes) OnResize(scenes->screenWidth(), scenes->screenHeight());
}

void Level2::BuildBackdrops()
{
    backdrop = std::make_unique<Background>();
    backdrop->setStyle(Background::kWood);
    FitTextureSize(*backdrop);
    // One small swatch of every backdrop style along the top of the screen, on a dark strip.
    objects.push_back(MakeSprite({"Strip", "PanelMesh", "None", "basic", {0.0f, 290.0f}, {640.0f, 62.0f}, false}));
    for (int style = Background::kPlain; style <= Background::kTiles; ++style) {
        auto swatch = std::make_unique<Background>();
        swatch->setStyle(style);
        FitTextureSize(*swatch);
        swatch->size = glm::vec2(40.0f);
        swatch->Get<Transform>()->setPosition(-575.0f + 115.0f * static_cast<float>(style), 290.0f);
        objects.push_back(std::move(swatch));
    }
}

void Level2::BuildSprites()
{
    auto panel = MakeSprite({"Panel", "PanelMesh", "None", "basic", {0.0f, 0.0f}, {620.0f, 215.0f}, false});
    objects.push_back(std::move(panel));

    auto tokens = MakeSprite({"Tokens", "SquareMesh", "Token_Sheet", "basic_anim", {-520.0f, 150.0f}, {40.0f, 40.0f}, false});
    Animate(*tokens, 0, 5, 0.4f);
    objects.push_back(std::move(tokens));

    auto bar = MakeSprite({"Bar", "SquareMesh", "None", "bar", {-250.0f, 150.0f}, {120.0f, 16.0f}, false});
    bar->inputs.currentValue = 60.0f;
    bar->inputs.maxValue = 100.0f;
    objects.push_back(std::move(bar));

    auto button = MakeSprite({"Button", "SquareMesh", "Button_Frame", "button", {120.0f, 150.0f}, {110.0f, 36.0f}, true});
    objects.push_back(std::move(button));
    auto hovered = MakeSprite({"Button_Hovered", "SquareMesh", "Button_Frame", "button", {380.0f, 150.0f}, {110.0f, 36.0f}, true});
    hovered->inputs.hovered = true;
    hovered->inputs.highlightColor = kHoverYellow;
    objects.push_back(std::move(hovered));

    // Pawns of both sides, and bare magenta swatches that must come out exactly in the team colours.
    for (int side = 1; side <= 2; ++side) {
        float x = side == 1 ? -520.0f : -400.0f;
        auto pawn = MakeSprite({"Pawn", "SquareMesh", "Mages_Guild", "pawn_anim", {x, -140.0f}, {48.0f, 48.0f}, false});
        pawn->inputs.playerNumber = side;
        Animate(*pawn, 0, 4, 2.0f);  // the four facings; frames 4-7 are the defeated looks
        objects.push_back(std::move(pawn));
        auto swatch = MakeSprite({"Team_Swatch", "TeamSwatchMesh", "None", "pawn_anim", {x + 270.0f, -140.0f}, {40.0f, 24.0f}, false});
        swatch->inputs.playerNumber = side;
        objects.push_back(std::move(swatch));
        auto banner = MakeSprite({side == 1 ? "PLAYER_1_BANNER" : "PLAYER_2_BANNER", "SquareMesh", "Banners", "banner_anim",
                                  {side == 1 ? 470.0f : 570.0f, -150.0f}, {40.0f, 80.0f}, true});
        Animate(*banner, side == 1 ? 1 : 4, 1, 1.0f);  // a faction's banner; frame 0 is the neutral cloth
        objects.push_back(std::move(banner));
    }
}

void Level2::BuildTiles()
{
    struct TileLook {
        bool hovered;
        bool clicked;
        glm::vec3 color;
    };
    const TileLook looks[] = {
        {false, false, kHoverYellow}, {true, false, kHoverYellow}, {true, false, kRangeBlue},
        {false, true, kHoverYellow},  {true, false, kHoverYellow},
    };
    for (int i = 0; i < 5; ++i) {
        float x = -200.0f + 100.0f * static_cast<float>(i);
        auto tile = MakeSprite({"Tile", "SquareMesh", "Earth_Tile", "tile", {x, 20.0f}, {40.0f, 40.0f}, false});
        tile->inputs.hovered = looks[i].hovered;
        tile->inputs.clicked = looks[i].clicked;
        tile->inputs.highlightColor = looks[i].color;
        if (i == 4) highContrastTile = tile.get();
        objects.push_back(std::move(tile));
    }
}

void Level2::Update(float dt)
{
    if (backdrop) backdrop->Update(dt);
    for (auto& object : objects) object->Update(dt);
}

void Level2::Render()
{
    ClearScreen(0.08f, 0.06f, 0.10f);
    if (backdrop) backdrop->Draw();
    for (auto& object : objects) {
        // The high-contrast look is a player setting; this one tile shows it whatever the setting.
        bool saved = UserConfig.highContrast;
        if (object.get() == highContrastTile) UserConfig.highContrast = true;
        object->Draw();
        UserConfig.highContrast = saved;
    }
}

void Level2::Exit() {}

void Level2::Unload()
{
    highContrastTile = nullptr;
    objects.clear();
    backdrop.reset();
}

void Level2::OnResize(int width, int height)
{
    if (backdrop) backdrop->size = glm::vec2(2.0f * static_cast<float>(width) + 100.0f, 2.0f * static_cast<float>(height) + 100.0f);
}
