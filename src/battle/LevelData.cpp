#include "battle/LevelData.h"

#include <iostream>

#include "engine/Log.h"
#include "engine/Random.h"

namespace {

const char* const kElementTileNames[5] = {"", "Fire_Tile", "Water_Tile", "Earth_Tile", "Wind_Tile"};

void ReadDimensions(const json::Value& mapData, LevelData& level)
{
    const json::Value* dims = nullptr;
    int width = 0;
    int height = 0;
    if (json::GetObject(mapData, "dimensions", dims) == json::Field::Ok) {
        json::GetInt(*dims, "width", width);
        json::GetInt(*dims, "height", height);
    }
    if (width < 1 || width > LevelData::kMaxSide || height < 1 || height > LevelData::kMaxSide) {
        print("??? Map Class :: \"dimensions\" must be 1 to 64 each ???");
        level.width = 0;
        level.height = 0;
        level.dimensionsValid = false;
        return;
    }
    level.width = width;
    level.height = height;
    level.dimensionsValid = true;
}

// Keeps the first width x height entries; missing cells and entries that are not integers name
// no template (-1), so the second pass never reads past the array.
void ReadCells(const json::Value& mapData, const char* key, std::vector<int>& cells, LevelData& level)
{
    std::size_t count = static_cast<std::size_t>(level.width) * static_cast<std::size_t>(level.height);
    cells.assign(count, -1);
    if (count == 0) return;
    const json::Value* array = nullptr;
    std::size_t have = 0;
    if (json::GetArray(mapData, key, array) == json::Field::Ok) {
        have = array->Size();
        for (std::size_t i = 0; i < count && i < have; ++i) {
            const json::Value& entry = (*array)[static_cast<rapidjson::SizeType>(i)];
            if (entry.IsInt())
                cells[i] = entry.GetInt();
            else
                ++level.nonIntegerCells;
        }
    }
    if (have < count) print("??? Map Class :: \"", key, "\" shorter than width x height ???");
}

void ReadMapData(const json::Value& doc, LevelData& level)
{
    const json::Value* mapData = nullptr;
    if (json::GetObject(doc, "map_data", mapData) != json::Field::Ok) {
        ReadDimensions(json::Value(rapidjson::kObjectType), level);
        return;
    }
    json::GetString(*mapData, "name", level.name);
    json::GetInt(*mapData, "background", level.background);
    ReadDimensions(*mapData, level);
    ReadCells(*mapData, "tile_map", level.tileMap, level);
    ReadCells(*mapData, "object_map", level.objectMap, level);
}

void AllowElement(const std::string& word, LevelData& level)
{
    int element = ElementOfWord(word);
    if (element < 0) {
        print("??? Map Class :: \"ALLOWED ELEMENT\" NOT ALLOWED ???");
        return;
    }
    level.allowedElementWords.push_back(word);
    // A repeated word would load the same list again: each element's list loads once.
    if (level.elementAllowed[element]) return;
    level.elementAllowed[element] = true;
    level.elementOrder.push_back(element);
}

void ReadRules(const json::Value& doc, LevelData& level)
{
    const json::Value* rules = nullptr;
    if (json::GetObject(doc, "game_rules", rules) != json::Field::Ok) return;
    int players = 2;
    if (json::GetInt(*rules, "player_count", players) == json::Field::Ok) {
        if (players < 1 || players > LevelData::kMaxPlayers) {
            print("??? Map Class :: \"player_count\" must be 1 or 2, using 2 ???");
            players = 2;
        }
    }
    level.playerCount = players;
    json::GetInt(*rules, "wizard_count", level.wizardCount);
    int health = 20;
    if (json::GetInt(*rules, "wizard_health", health) == json::Field::Ok) {
        if (health < 1 || health > LevelData::kMaxHealth) {
            print("??? Map Class :: \"wizard_health\" must be 1 to 100, using 20 ???");
            health = 20;
        }
    }
    level.wizardHealth = health;
    const json::Value* words = nullptr;
    if (json::GetArray(*rules, "allowed_elements", words) != json::Field::Ok) return;
    for (const json::Value& entry : words->GetArray()) {
        if (entry.IsString())
            AllowElement(entry.GetString(), level);
        else
            print("??? Map Class :: \"ALLOWED ELEMENT\" NOT ALLOWED ???");
    }
}

bool KeyTaken(const std::vector<TileTemplate>& list, int key)
{
    for (const TileTemplate& t : list)
        if (t.key == key) return true;
    return false;
}

bool KeyTaken(const std::vector<ObjectTemplate>& list, int key)
{
    for (const ObjectTemplate& t : list)
        if (t.key == key) return true;
    return false;
}

// "Elemental" becomes one allowed element not used by an earlier "Elemental" template of the
// file. The candidates are found first so the draw always ends; with none the biome stays.
void ResolveElemental(TileTemplate& tile, const LevelData& level, bool used[5])
{
    bool any = false;
    for (int e = 1; e <= 4; ++e) any = any || (level.elementAllowed[e] && !used[e]);
    if (!any) {
        print("??? Map Class :: no element left for an \"Elemental\" tile ???");
        return;
    }
    for (;;) {
        int e = RandomInt(1, 4);
        std::cout << "Elemental tile draw: " << e << '\n';
        if (level.elementAllowed[e] && !used[e]) {
            used[e] = true;
            tile.biome = kElementTileNames[e];
            return;
        }
    }
}

const json::Value* Templates(const json::Value& doc, const char* section)
{
    const json::Value* data = nullptr;
    const json::Value* templates = nullptr;
    if (json::GetObject(doc, section, data) != json::Field::Ok) return nullptr;
    if (json::GetArray(*data, "templates", templates) != json::Field::Ok) return nullptr;
    return templates;
}

void ReadTileTemplates(const json::Value& doc, LevelData& level)
{
    const json::Value* templates = Templates(doc, "tile_data");
    if (!templates) return;
    bool used[5] = {false, false, false, false, false};
    for (const json::Value& entry : templates->GetArray()) {
        if (!entry.IsObject()) continue;
        TileTemplate tile;
        json::GetString(entry, "biome", tile.biome);
        json::GetInt(entry, "key", tile.key);
        if (tile.biome == "Elemental") ResolveElemental(tile, level, used);
        if (KeyTaken(level.tileTemplates, tile.key)) {
            ++level.duplicateKeys;  // the first template of a key stays
            continue;
        }
        level.tileTemplates.push_back(tile);
    }
}

void ReadObjectTemplates(const json::Value& doc, LevelData& level)
{
    const json::Value* templates = Templates(doc, "object_data");
    if (!templates) return;
    for (const json::Value& entry : templates->GetArray()) {
        if (!entry.IsObject()) continue;
        ObjectTemplate object;
        json::GetString(entry, "object", object.kind);
        json::GetInt(entry, "health", object.health);
        json::GetInt(entry, "key", object.key);
        if (KeyTaken(level.objectTemplates, object.key)) {
            ++level.duplicateKeys;
            continue;
        }
        level.objectTemplates.push_back(object);
    }
}

void ReadWizards(const json::Value& doc, LevelData& level)
{
    const json::Value* playerData = nullptr;
    const json::Value* wizardData = nullptr;
    if (json::GetObject(doc, "player_data", playerData) != json::Field::Ok) return;
    if (json::GetObject(*playerData, "wizard_data", wizardData) != json::Field::Ok) return;
    for (int side = level.playerCount; side >= 1; --side) {
        std::string key = "player " + std::to_string(side);
        const json::Value* list = nullptr;
        if (json::GetArray(*wizardData, key.c_str(), list) != json::Field::Ok) continue;
        for (const json::Value& entry : list->GetArray()) {
            WizardStart start;
            start.side = side;
            if (json::GetInt(entry, "x", start.column) != json::Field::Ok) continue;
            if (json::GetInt(entry, "y", start.row) != json::Field::Ok) continue;
            level.wizards.push_back(start);
        }
    }
}

}  // namespace

bool IsValidLevelName(const std::string& name)
{
    if (name.empty() || name.size() > 64) return false;
    for (char c : name) {
        bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok) return false;
    }
    return true;
}

int ElementOfWord(const std::string& word)
{
    const char* words[5] = {"normal", "fire", "water", "earth", "wind"};
    for (int e = 0; e < 5; ++e)
        if (word.find(words[e]) != std::string::npos) return e;
    return -1;
}

const char* SpellListFileOfElement(int element)
{
    static const char* const files[5] = {"SpellList_Normal.json", "SpellList_Fire.json", "SpellList_Water.json",
                                         "SpellList_Earth.json", "SpellList_Wind.json"};
    return element >= 0 && element < 5 ? files[element] : "";
}

void ReadLevelDocument(const json::Value& doc, LevelData& level)
{
    level = LevelData{};
    level.loaded = true;
    if (doc.IsObject()) {
        ReadMapData(doc, level);
        ReadRules(doc, level);
        ReadTileTemplates(doc, level);
        ReadObjectTemplates(doc, level);
        ReadWizards(doc, level);
    } else {
        level.tileMap.clear();
    }
    if (!level.dimensionsValid) {
        level.tileMap.clear();
        level.objectMap.clear();
    }
}

bool ReadLevelFile(const std::string& folder, const std::string& name, LevelData& level)
{
    level = LevelData{};
    if (!IsValidLevelName(name)) {
        print("??? Map Class :: level name refused ???");
        return false;
    }
    json::Document doc;
    json::Result result = json::ParseFile(folder + name + ".json", doc);
    if (result.status == json::Status::NotFound) {
        print("??? Map Class could not open Map Data file. Is it in the data folder and is .json format? ???");
        return false;
    }
    if (!result.ok()) {
        print("??? Map Class had a problem parsing a .json file ???");
        return false;
    }
    ReadLevelDocument(doc, level);
    return true;
}
