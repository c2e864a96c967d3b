#include "battle/BattleHarness.h"

#include "engine/Random.h"
#include "spells/Spell.h"

BattleHarness::BattleHarness(HarnessOptions harnessOptions) : options(std::move(harnessOptions)) {}

void BattleHarness::Prepare()
{
    SeedRandom(options.seed);
    MapOptions mapOptions;
    mapOptions.visuals = options.visuals;
    mapOptions.levelFolder = options.levelFolder;
    mapOptions.spellFolder = options.spellFolder;
    map = std::make_unique<Map>(mapOptions);
    map->hooks = &hooks;
    map->cpuSide2 = options.computerSide2;
    map->duplicationProtection = options.duplicationProtection;
    map->divineIntervention = options.divineIntervention;
    map->tutorial = options.tutorial;
    invariants = BattleInvariants{};
    broken.clear();
}

bool BattleHarness::Load(const std::string& levelName)
{
    Prepare();
    map->createMap(levelName);
    map->Initialise(1280, 720);
    Checked();
    return map->Playable();
}

bool BattleHarness::LoadText(const std::string& levelJson, const std::string& levelName)
{
    Prepare();
    json::Document doc;
    if (json::ParseText(levelJson, doc).ok())
        map->createMapFromDocument(doc, levelName);
    else
        map->createMapFromDocument(json::Value(rapidjson::kObjectType), levelName);
    map->Initialise(1280, 720);
    Checked();
    return map->Playable();
}

bool BattleHarness::Begin()
{
    FinishFadeIn();
    if (map->tutorial) return Checked(map->turns.turnStarted);
    bool welcomed = map->controls.PressWelcome();
    bool ready = map->controls.PressReady();
    return Checked(welcomed && ready);
}

int BattleHarness::ClickTile(int column, int row)
{
    return Checked(map->controls.tileEventHandler(map->TileAt(column, row)));
}

int BattleHarness::ClickNone()
{
    return Checked(map->controls.tileEventHandler(nullptr));
}

bool BattleHarness::SelectCard(int index)
{
    return Checked(map->controls.SelectCard(index));
}

bool BattleHarness::Press(const std::string& button)
{
    return Checked(map->controls.Press(button));
}

bool BattleHarness::Answer(const std::string& button)
{
    bool done = false;
    if (button == "Ready") done = map->controls.PressReady();
    if (button == "Ready!") done = map->controls.PressWelcome();
    if (button == "Yes") done = map->controls.AnswerEndTurnPrompt(true);
    if (button == "No") done = map->controls.AnswerEndTurnPrompt(false);
    return Checked(done);
}

void BattleHarness::Key(char key)
{
    if (key == 'E') map->PressEscape();
    if (key == 'F') map->PressPartyKey();
    if (key == 'C') map->PressMapViewKey();
    Checked();
}

void BattleHarness::Advance(float dt)
{
    map->Update(dt);
    Checked();
}

bool BattleHarness::Settle(int frameLimit)
{
    for (int i = 0; i < frameLimit; ++i) {
        if (!map->Busy()) return true;
        Advance();
    }
    return !map->Busy();
}

void BattleHarness::Checked()
{
    for (std::string& line : invariants.Check(*map)) broken.push_back(std::move(line));
}

SpellRules InstantCastRules()
{
    SpellRules rules;
    rules.launch = [](Map&) { return true; };
    rules.updateFlight = [](Map& map, float) {
        Wizard* caster = map.caster;
        if (!caster) {
            map.FinishCast();
            return;
        }
        int index = caster->selectedCard;
        const Spell* spell = index >= 0 && index < static_cast<int>(caster->hand.size()) ? caster->hand[static_cast<std::size_t>(index)] : nullptr;
        int damage = spell ? spell->cost * 2 : 0;
        if (map.targetWizard && map.castKind == CommandType::Enemy) map.targetWizard->ChangeHealth(-damage);
        if (map.castKind == CommandType::Tile && map.targetTile && map.targetTile->object && !map.targetTile->object->IsToken())
            map.targetTile->object->ChangeHealth(-damage);
        caster->RemoveSpellAt(index);
        map.FinishCast();
    };
    return rules;
}
