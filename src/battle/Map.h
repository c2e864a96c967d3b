#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "battle/BattleControls.h"
#include "battle/BattleHooks.h"
#include "battle/LevelData.h"
#include "battle/MapObject.h"
#include "battle/SpellRules.h"
#include "battle/Tile.h"
#include "battle/TurnManager.h"
#include "battle/Wizard.h"
#include "spells/SpellFlight.h"
#include "spells/SpellTypes.h"

class Mesh;
class Spell;
class SpellBook;

// The pawn texture of a faction number (1-10); empty outside.
const char* FactionTexture(int faction);

// Where the map finds its files, and whether it builds sprites and particle emitters (the headless
// harness and the soak runs skip them; the rules never depend on them).
struct MapOptions {
    bool visuals = true;
    std::string levelFolder = "./Data/Levels/";
    std::string spellFolder = "./Data/Spells/";
};

// The battle grid and everything on it: tiles, objects, wizards, the spell book, the turn order and
// the controls' model. Built in two passes: createMap reads the level file into tables, Initialise
// turns them into game objects. Runs without an OpenGL context.
class Map {
public:
    enum State : std::int32_t { kIdle = 0, kWalkMode = 1, kAiming = 2, kSpellInFlight = 3 };

    explicit Map(MapOptions options = {});
    ~Map();
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    // --- construction ---
    // Pass one: "<levelFolder><name>.json" into the tables and the spell book.
    void createMap(const std::string& levelName);
    // The same from a parsed document (tests); the spell lists still come from spellFolder.
    void createMapFromDocument(const json::Value& doc, const std::string& levelName);
    // Pass two: tiles, objects and wizards from the tables; the camera target is the centre tile.
    void Initialise(int windowWidth, int windowHeight);
    // A level that left no tile or a side without a wizard cannot be played.
    bool Playable() const { return playable; }

    // --- lookups (O(1) by cell) ---
    Tile* TileAt(int column, int row) const;
    bool InGrid(int column, int row) const { return column >= 0 && row >= 0 && column < width && row < height; }
    Wizard* WizardAt(int column, int row) const;
    int CountLiving(int side) const;
    int CountPlaced(int side) const;

    // --- tiles and objects ---
    // "Primalite" for a token, "Object" for anything else, "None" without an object.
    static std::string DescribeOccupant(const Tile& tile);
    static bool Occupied(const Tile& tile);
    static bool Blocks(const Tile& tile);
    void SetTint(Tile& tile, std::int32_t mode) { tile.SetTint(mode); }
    void ClearAllMarks();
    // Puts the creation of a spell command on the tile. False when refused (a Boulder under a
    // wizard, an object already there, an unknown kind).
    bool CreateOnTile(Tile& tile, int lifetime, CreateType kind);
    // The health an object of that kind is created with (0 for tiles and tokens, which never
    // decay). It loses health / lifetime each round, so a lifetime above it would mean no decay.
    static std::int32_t CreationHealth(CreateType kind);
    // Removes the object from the decay list, its tile and the map, and deletes it.
    void DestroyObject(MapObject* object);
    // The object under a wizard acts on it: when it enters the tile mid-walk and at every turn start.
    void ApplyObjectEffect(Wizard& wizard, const Tile& tile);
    // Everything a tile does to a wizard walking onto it (its status, its object, phase-4 ticks).
    void ApplyEnteringEffects(Wizard& wizard, Tile& tile);

    // --- tokens and spells ---
    void ArmToken(MapObject& token);
    // The selected wizard collects the token at its logical cell ("PickUp").
    void CollectToken();
    const Spell* RandomSpellOfElement(int element);
    const Spell* SpellOfElementByName(int element, const std::string& spellName);
    SpellBook& Book() { return *spellBook; }
    // A spell the rules name ("Cantrip", "Fireball") missing from the book, logged once per battle.
    void ReportMissingSpell(const std::string& spellName);

    // --- status effects ---
    void TickWizardEffect(Wizard& wizard, StatusEffect& effect, int phase);
    void TickObjectEffects(int phase);

    // --- casting: the map's state machine; the spell code flies and resolves ---
    // Called by the spell code when a cast has resolved (hit or miss): idle, controls refreshed,
    // winner check (a winner makes victory pending).
    void FinishCast();

    // --- per frame ---
    void Update(float dt);
    // Escape, F and C as the map update reads them.
    void PressEscape();
    void PressPartyKey();
    void PressMapViewKey();
    bool AnyWizardWalking() const;
    // A walk or a flight is under way: inputs wait.
    bool Busy() const { return state == kSpellInFlight || AnyWizardWalking(); }

    // --- callbacks from the pieces ---
    void OnWizardDefeated(Wizard& wizard);
    void OnHandChanged(Wizard& wizard);
    void OnWalkEnded(Wizard& wizard, Tile* destination);

    // What was read and placed.
    LevelData level;
    std::string levelName;
    std::string name;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t playerCount = 2;
    std::int32_t wizardCount = 3;
    std::int32_t wizardHealth = 20;
    bool elementAllowed[5] = {false, false, false, false, false};
    std::vector<std::unique_ptr<Tile>> tilePrototypes;
    std::unordered_map<int, Tile*> tileTemplatesByKey;
    std::vector<std::unique_ptr<MapObject>> objectPrototypes;
    std::unordered_map<int, MapObject*> objectTemplatesByKey;
    std::vector<std::unique_ptr<Tile>> tiles;          // in cell order
    std::vector<Tile*> grid;                           // width x height, null for holes
    std::vector<std::unique_ptr<MapObject>> objects;   // placement order, then creation order
    std::vector<std::unique_ptr<Wizard>> wizards;      // sides from the highest down

    struct DecayEntry {
        MapObject* object;
        CreateType kind;
        std::int32_t amount;
    };
    std::vector<DecayEntry> decay;

    // Battle state.
    std::int32_t state = kIdle;
    bool paused = false;
    bool mapView = false;
    bool partyMode = false;
    bool victoryPending = false;
    bool battleOver = false;
    bool tutorial = false;
    bool duplicationProtection = false;
    bool divineIntervention = false;
    bool cpuSide2 = false;
    bool cpuSide1 = false;  // the computer plays side 1 as well (a computer-against-computer battle)
    int winner = -1;                // 0-based side index once decided
    int pendingWinner = -1;         // decided by a cast, claimed at the end of the turn
    int lastCasterSide = 0;         // side of the last caster in this battle, 0 before any cast
    Wizard* caster = nullptr;
    Tile* targetTile = nullptr;
    Wizard* targetWizard = nullptr;
    CommandType castKind = CommandType::Tile;
    // The projectile, the launched spell and its hand entry while a cast flies (the spell code's).
    SpellInFlight flight;
    Tile* hoveredTile = nullptr;
    Wizard* actingWizard = nullptr;
    bool cameraLocked = false;   // the won-battle lock: no glides
    bool cameraEnabled = false;  // manual camera moves, allowed once the game has started
    bool cameraTargetSet = false;
    glm::vec2 cameraTarget{0.0f};  // the centre tile, where the scene puts the camera
    // The computer player's per-frame step, called while the side whose turn it is is the computer's
    // (also before the game has started, so a computer playing every side can answer the welcome).
    std::function<void(Map&, float dt)> computerDriver;
    int windowWidth = 1280;
    int windowHeight = 720;
    float partyClock = 0.0f;
    float partyTileClock = 0.0f;

    MapOptions options;
    bool visuals;
    TurnManager turns;
    BattleControls controls;
    SpellRules rules;
    BattleHooks defaultHooks;
    BattleHooks* hooks = &defaultHooks;
    std::shared_ptr<Mesh> squareMesh;
    int factions[2] = {1, 1};  // the sides' faction numbers (1-10), set before Initialise

private:
    void Clear();
    void AdoptLevel(LevelData read);
    void LoadSpellLists();
    void BuildPrototypes();
    void PlaceTile(int column, int row, const Tile& prototype);
    void PlaceObject(int column, int row, const MapObject& prototype);
    void PlaceWizards();
    void GiveSprite(Object& object, const std::string& program, const std::string& texture);
    void CheckPlayable();
    void UpdatePartyMode(float dt);
    void UpdateObjects(float dt);

    std::unique_ptr<SpellBook> spellBook;
    std::vector<std::string> reportedMissing;
    bool playable = false;
};
