#include "battle/Map.h"

#include "engine/Log.h"
#include "objects/Animation.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Emitter.h"
#include "render/Mesh.h"
#include "render/TextureLibrary.h"
#include "render/RenderContext.h"
#include "spells/SpellBook.h"

namespace {

const char* const kFactionTextures[11] = {
    "",  "Mages_Guild",  "Gnome_Army", "All-Seeing_Archivists", "Vampiric_Necromancers", "Sullen_Goblins",
    "Skeleton_Horde", "Arcane_Cult", "Precursor_Automata", "Mages_Division", "Guilded_Guild"};

}  // namespace

const char* FactionTexture(int faction)
{
    return faction >= 1 && faction <= 10 ? kFactionTextures[faction] : "";
}

Map::Map(MapOptions options)
    : options(std::move(options)), visuals(this->options.visuals), rules(InstalledSpellRules()),
      spellBook(std::make_unique<SpellBook>(this->options.spellFolder))
{
    turns.Attach(this);
    controls.Attach(this);
}

Map::~Map() = default;

void Map::Clear()
{
    controls = BattleControls{};
    controls.Attach(this);
    decay.clear();
    wizards.clear();
    objects.clear();
    tiles.clear();
    grid.clear();
    tilePrototypes.clear();
    tileTemplatesByKey.clear();
    objectPrototypes.clear();
    objectTemplatesByKey.clear();
    spellBook->Clear();
    reportedMissing.clear();
    name.clear();
    width = height = 0;
    for (bool& allowed : elementAllowed) allowed = false;
    playable = false;
    state = kIdle;
    paused = mapView = partyMode = victoryPending = battleOver = false;
    winner = -1;
    lastCasterSide = 0;
    caster = nullptr;
    targetTile = nullptr;
    targetWizard = nullptr;
    hoveredTile = nullptr;
    actingWizard = nullptr;
    cameraTargetSet = false;
}

void Map::createMap(const std::string& newLevelName)
{
    LevelData read;
    bool ok = ReadLevelFile(options.levelFolder, newLevelName, read);
    Clear();
    levelName = newLevelName;
    if (!ok) return;
    AdoptLevel(std::move(read));
    if (visuals) {
        if (TextureLibrary* textures = render::Textures()) textures->loadList(newLevelName);
    }
}

void Map::createMapFromDocument(const json::Value& doc, const std::string& newLevelName)
{
    LevelData read;
    ReadLevelDocument(doc, read);
    Clear();
    levelName = newLevelName;
    AdoptLevel(std::move(read));
}

void Map::AdoptLevel(LevelData read)
{
    level = std::move(read);
    name = level.name;
    width = level.width;
    height = level.height;
    playerCount = level.playerCount;
    wizardCount = level.wizardCount;
    wizardHealth = level.wizardHealth;
    turns = TurnManager{};
    turns.Attach(this);
    turns.sideCount = playerCount;
    turns.wizardsPerSide = wizardCount;
    for (int e = 0; e < 5; ++e) elementAllowed[e] = level.elementAllowed[e];
    LoadSpellLists();
    BuildPrototypes();
    for (const WizardStart& start : level.wizards) {
        auto wizard = std::make_unique<Wizard>(start.column, start.row, wizardHealth, start.side);
        wizard->map = this;
        wizards.push_back(std::move(wizard));
    }
}

void Map::LoadSpellLists()
{
    for (int element : level.elementOrder) {
        json::Result result = spellBook->AddListFile(static_cast<ElementType>(element));
        if (result.status == json::Status::NotFound)
            print("??? Map Class could not open Spell Data file. Is it in the data/spell folder and is .json format? ???");
        else if (!result.ok())
            print("??? Map Class had a problem parsing a spell .json file ???");
    }
}

void Map::BuildPrototypes()
{
    for (const TileTemplate& t : level.tileTemplates) {
        auto tile = std::make_unique<Tile>();
        tile->biome = t.biome;
        tileTemplatesByKey.emplace(t.key, tile.get());
        tilePrototypes.push_back(std::move(tile));
    }
    for (const ObjectTemplate& t : level.objectTemplates) {
        auto object = std::make_unique<MapObject>();
        object->kind = t.kind;
        object->health = object->maxHealth = t.health;
        object->shownHealth = static_cast<float>(t.health);
        object->passable = KindIsPassable(t.kind);
        objectTemplatesByKey.emplace(t.key, object.get());
        objectPrototypes.push_back(std::move(object));
    }
}

void Map::GiveSprite(Object& object, const std::string& program, const std::string& texture)
{
    auto* transform = new Transform();
    transform->setScale(Tile::kHalfSize, Tile::kHalfSize);
    object.AddComponent(transform);
    if (!visuals) return;
    if (!squareMesh) squareMesh = std::make_shared<Mesh>("SquareMesh", 2);
    auto* sprite = new Texture();
    sprite->mesh = squareMesh;
    sprite->program = program;
    sprite->setTexture(texture);
    object.AddComponent(sprite);
}

void Map::Initialise(int newWidth, int newHeight)
{
    windowWidth = newWidth;
    windowHeight = newHeight;
    grid.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), nullptr);
    for (int i = 0; i < width * height; ++i) {
        auto found = tileTemplatesByKey.find(level.tileMap[static_cast<std::size_t>(i)]);
        if (found != tileTemplatesByKey.end()) PlaceTile(i % width, i / width, *found->second);
    }
    for (int i = 0; i < width * height; ++i) {
        auto found = objectTemplatesByKey.find(level.objectMap[static_cast<std::size_t>(i)]);
        if (found != objectTemplatesByKey.end()) PlaceObject(i % width, i / width, *found->second);
    }
    PlaceWizards();
    turns.Attach(this);
    controls.Attach(this);
    if (Tile* centre = TileAt(width / 2, height / 2)) {
        cameraTarget = centre->WorldPosition();
        cameraTargetSet = true;
    }
    CheckPlayable();
    if (playable) print("??? createMap() completed successfully. Gouda job. ???");
}

void Map::PlaceTile(int column, int row, const Tile& prototype)
{
    auto tile = std::make_unique<Tile>(prototype);
    tile->column = column;
    tile->row = row;
    tile->name = "Tile_" + std::to_string(column) + "_" + std::to_string(row);
    tile->map = this;
    GiveSprite(*tile, "tile", tile->biome);
    glm::vec2 p = tile->WorldPosition();
    tile->Get<Transform>()->setPosition(p);
    if (visuals) {
        tile->addEmitter("Tile_Effects", "reaction")->setPosition(p.x, p.y);
        tile->addEmitter("Tile_Effects", "status")->setPosition(p.x, p.y);
    }
    grid[static_cast<std::size_t>(row) * width + column] = tile.get();
    tiles.push_back(std::move(tile));
}

void Map::PlaceObject(int column, int row, const MapObject& prototype)
{
    Tile* tile = TileAt(column, row);
    if (!tile) {
        print("??? Map Class :: object \"", prototype.kind, "\" at (", column, ", ", row, ") has no tile, skipped ???");
        return;
    }
    auto object = std::make_unique<MapObject>(prototype);
    object->column = column;
    object->row = row;
    object->name = "Object_" + std::to_string(column) + "_" + std::to_string(row);
    GiveSprite(*object, "basic", object->kind);
    object->Get<Transform>()->setPosition(tile->WorldPosition());
    object->tile = tile;
    tile->object = object.get();
    MapObject& placed = *object;
    objects.push_back(std::move(object));
    if (placed.IsToken()) ArmToken(placed);
}

void Map::PlaceWizards()
{
    for (auto it = wizards.begin(); it != wizards.end();) {
        Wizard& wizard = **it;
        Tile* tile = TileAt(wizard.column, wizard.row);
        bool free = tile && !tile->wizard && (!tile->object || tile->object->IsToken() || tile->object->passable);
        if (!free) {
            print("??? Map Class :: wizard of \"player ", wizard.side, "\" at (", wizard.column, ", ", wizard.row,
                  ") has no free tile, skipped ???");
            it = wizards.erase(it);
            continue;
        }
        wizard.name = "Wizard_" + std::to_string(wizard.side) + "_" + std::to_string(wizard.column) + "_" +
                      std::to_string(wizard.row);
        int faction = wizard.side == 1 ? factions[0] : wizard.side == 2 ? factions[1] : 0;
        GiveSprite(wizard, "pawn_anim", FactionTexture(faction));
        if (visuals) {
            auto* animation = new Animation();
            animation->frameCount = 8;
            animation->firstFrame = 0;
            animation->currentFrame = 0;
            animation->frameDuration = -1.0f;
            animation->playing = true;
            animation->loop = true;
            wizard.AddComponent(animation);
        }
        wizard.previousColumn = wizard.column;
        wizard.previousRow = wizard.row;
        wizard.logicalColumn = wizard.column;
        wizard.logicalRow = wizard.row;
        wizard.SetPosition(tile->WorldPosition());
        wizard.tile = tile;
        tile->wizard = &wizard;
        ++it;
    }
    for (int side = 1; side <= playerCount; ++side) {
        int placed = CountPlaced(side);
        if (placed != wizardCount)
            print("??? Map Class :: \"player ", side, "\" places ", placed, " wizards, \"wizard_count\" is ", wizardCount, " ???");
    }
}

void Map::CheckPlayable()
{
    playable = !tiles.empty();
    for (int side = 1; side <= playerCount; ++side) playable = playable && CountPlaced(side) > 0;
    if (!playable) print("??? Map Class :: level \"", levelName, "\" cannot be played ???");
}

Tile* Map::TileAt(int column, int row) const
{
    if (!InGrid(column, row) || grid.empty()) return nullptr;
    return grid[static_cast<std::size_t>(row) * width + column];
}

Wizard* Map::WizardAt(int column, int row) const
{
    Tile* tile = TileAt(column, row);
    return tile ? tile->wizard : nullptr;
}

int Map::CountLiving(int side) const
{
    int n = 0;
    for (const auto& wizard : wizards) n += wizard->side == side && wizard->Alive();
    return n;
}

int Map::CountPlaced(int side) const
{
    int n = 0;
    for (const auto& wizard : wizards) n += wizard->side == side;
    return n;
}

void Map::ClearAllMarks()
{
    for (auto& tile : tiles) tile->ClearMarks();
    for (auto& object : objects) object->markerShown = false;
}

bool Map::AnyWizardWalking() const
{
    for (const auto& wizard : wizards)
        if (wizard->walking) return true;
    return false;
}
