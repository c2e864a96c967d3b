#include "battle/LevelCheck.h"

#include <filesystem>
#include <set>
#include <vector>

#include "battle/LevelData.h"
#include "battle/MapObject.h"
#include "engine/Json.h"
#include "render/TextureList.h"

namespace {

struct Checker {
    const std::string& name;
    const LevelCheckFolders& folders;
    datacheck::Problems& problems;
    const json::Value& doc;
    int width = 0;
    int height = 0;
    std::vector<int> tiles{};
    std::vector<int> objects{};
    std::set<int> tileKeys{};
    std::set<int> objectKeys{};
    std::vector<ObjectTemplate> objectTemplates{};
    bool allowed[5] = {false, false, false, false, false};

    void Add(const std::string& what) { problems.Add("Level " + name + ": " + what); }

    const json::Value* Object(const json::Value& parent, const char* key)
    {
        const json::Value* out = nullptr;
        return json::GetObject(parent, key, out) == json::Field::Ok ? out : nullptr;
    }

    void Cells(const json::Value& mapData, const char* key, std::vector<int>& out)
    {
        const json::Value* array = nullptr;
        std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        if (json::GetArray(mapData, key, array) != json::Field::Ok || array->Size() < count) {
            Add(std::string("\"") + key + "\" is shorter than width x height");
            out.assign(count, -1);
            return;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const json::Value& v = (*array)[static_cast<rapidjson::SizeType>(i)];
            if (!v.IsInt()) Add(std::string("\"") + key + "\" holds a value that is not an integer");
            out.push_back(v.IsInt() ? v.GetInt() : -1);
        }
    }

    void MapData()
    {
        const json::Value* mapData = Object(doc, "map_data");
        const json::Value* dims = mapData ? Object(*mapData, "dimensions") : nullptr;
        if (dims) {
            json::GetInt(*dims, "width", width);
            json::GetInt(*dims, "height", height);
        }
        if (width < 1 || width > 64 || height < 1 || height > 64) {
            Add("\"dimensions\" must be 1 to 64 each");
            width = height = 0;
            return;
        }
        Cells(*mapData, "tile_map", tiles);
        Cells(*mapData, "object_map", objects);
    }

    const json::Value* RulesObject() { return Object(doc, "game_rules"); }

    void Elements()
    {
        const json::Value* rules = RulesObject();
        const json::Value* words = nullptr;
        std::set<std::string> seen;
        if (rules && json::GetArray(*rules, "allowed_elements", words) == json::Field::Ok) {
            for (const json::Value& w : words->GetArray()) {
                int element = w.IsString() ? ElementOfWord(w.GetString()) : -1;
                if (element < 0 || std::string(w.GetString()) != std::string(ElementWordOf(element)))
                    Add("\"allowed_elements\" holds a word that is not an element");
                else if (!seen.insert(w.GetString()).second)
                    Add(std::string("\"allowed_elements\" repeats \"") + w.GetString() + "\"");
                else
                    allowed[element] = true;
            }
        }
        if (!allowed[0]) Add("\"allowed_elements\" lacks \"normal\"");
    }

    void Rules()
    {
        const json::Value* rules = RulesObject();
        int players = 0, count = 0, health = 0;
        if (!rules || json::GetInt(*rules, "player_count", players) != json::Field::Ok || players < 1 || players > 2)
            Add("\"player_count\" must be 1 or 2");
        if (!rules || json::GetInt(*rules, "wizard_health", health) != json::Field::Ok || health < 1 || health > 100)
            Add("\"wizard_health\" must be 1 to 100");
        if (!rules || json::GetInt(*rules, "wizard_count", count) != json::Field::Ok || count < 1)
            Add("\"wizard_count\" must be at least 1");
        Wizards(players == 1 || players == 2 ? players : 2, count);
    }

    static const char* ElementWordOf(int element)
    {
        static const char* const words[5] = {"normal", "fire", "water", "earth", "wind"};
        return element >= 0 && element < 5 ? words[element] : "";
    }

    bool Blocking(int column, int row) const
    {
        int key = objects[static_cast<std::size_t>(row * width + column)];
        for (const ObjectTemplate& t : objectTemplates)
            if (t.key == key) return t.kind != MapObject::kPrimalite && !KindIsPassable(t.kind);
        return false;
    }

    bool Land(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < width && row < height &&
               tileKeys.count(tiles[static_cast<std::size_t>(row * width + column)]);
    }

    void Wizards(int players, int count)
    {
        const json::Value* playerData = Object(doc, "player_data");
        const json::Value* wizardData = playerData ? Object(*playerData, "wizard_data") : nullptr;
        std::set<int> taken;
        std::vector<std::vector<int>> starts(3);
        for (int side = 1; side <= players; ++side) {
            std::string key = "player " + std::to_string(side);
            const json::Value* list = nullptr;
            int placed = 0;
            if (wizardData && json::GetArray(*wizardData, key.c_str(), list) == json::Field::Ok) {
                for (const json::Value& e : list->GetArray()) {
                    int x = -1, y = -1;
                    json::GetInt(e, "x", x);
                    json::GetInt(e, "y", y);
                    bool free = Land(x, y) && !Blocking(x, y) && taken.insert(y * 64 + x).second;
                    if (!free) {
                        Add("a wizard of \"" + key + "\" has no free tile");
                        continue;
                    }
                    ++placed;
                    starts[static_cast<std::size_t>(side)].push_back(y * width + x);
                }
            }
            if (placed != count)
                Add("\"" + key + "\" places " + std::to_string(placed) + " wizards, \"wizard_count\" is " + std::to_string(count));
        }
        if (players == 2 && !starts[1].empty() && !starts[2].empty()) Joined(starts[1].front(), starts[2]);
    }

    // The sides must be able to walk to each other (wizards and tokens do not block).
    void Joined(int from, const std::vector<int>& targets)
    {
        std::vector<char> seen(static_cast<std::size_t>(width * height), 0);
        std::vector<int> queue{from};
        seen[static_cast<std::size_t>(from)] = 1;
        for (std::size_t i = 0; i < queue.size(); ++i) {
            int c = queue[i] % width, r = queue[i] / width;
            const int dc[4] = {1, -1, 0, 0}, dr[4] = {0, 0, 1, -1};
            for (int k = 0; k < 4; ++k) {
                int nc = c + dc[k], nr = r + dr[k];
                if (!Land(nc, nr) || Blocking(nc, nr) || seen[static_cast<std::size_t>(nr * width + nc)]) continue;
                seen[static_cast<std::size_t>(nr * width + nc)] = 1;
                queue.push_back(nr * width + nc);
            }
        }
        for (int target : targets)
            if (!seen[static_cast<std::size_t>(target)]) Add("the sides are not joined by walkable tiles");
    }

    void Templates(std::set<std::string>& textures)
    {
        int elementals = 0;
        const json::Value* list = nullptr;
        const json::Value* tileData = Object(doc, "tile_data");
        if (tileData && json::GetArray(*tileData, "templates", list) == json::Field::Ok) {
            for (const json::Value& t : list->GetArray()) {
                std::string biome = "none";
                int key = -1;
                json::GetString(t, "biome", biome);
                json::GetInt(t, "key", key);
                if (!tileKeys.insert(key).second) Add("two tile templates share the key " + std::to_string(key));
                if (biome == "Elemental") ++elementals;
                else Word(biome, textures);
            }
        }
        int elementsLeft = allowed[1] + allowed[2] + allowed[3] + allowed[4];
        if (elementals > elementsLeft) Add("more \"Elemental\" templates than allowed fire, water, earth and wind");
        const json::Value* objectData = Object(doc, "object_data");
        if (objectData && json::GetArray(*objectData, "templates", list) == json::Field::Ok) {
            for (const json::Value& t : list->GetArray()) {
                ObjectTemplate o;
                json::GetString(t, "object", o.kind);
                json::GetInt(t, "health", o.health);
                json::GetInt(t, "key", o.key);
                if (!objectKeys.insert(o.key).second) Add("two object templates share the key " + std::to_string(o.key));
                if (o.kind != MapObject::kPrimalite) {
                    if (o.health < 1) Add("object \"" + o.kind + "\" has health below 1");
                    Word(o.kind, textures);
                } else if (elementsLeft == 0) {
                    Add("a \"Primalite\" with none of fire, water, earth and wind allowed");
                }
                objectTemplates.push_back(o);
            }
        }
    }

    void Word(const std::string& word, std::set<std::string>& textures)
    {
        if (!IsValidLevelName(word)) Add("\"" + word + "\" is not a plain word");
        else if (!textures.count(word)) Add("no texture \"" + word + "\" in TextureMaster or the level's list");
    }

    void ObjectsOnHoles()
    {
        for (int i = 0; i < width * height; ++i)
            if (objectKeys.count(objects[static_cast<std::size_t>(i)]) && !Land(i % width, i / width))
                Add("an object lies on a hole at (" + std::to_string(i % width) + ", " + std::to_string(i / width) + ")");
    }

    void Spells()
    {
        for (int e = 0; e < 5; ++e) {
            if (!allowed[e]) continue;
            json::Document list;
            std::string file = folders.spells + SpellListFileOfElement(e);
            const json::Value* names = nullptr;
            if (!json::ParseFile(file, list).ok() || json::GetArray(list, "spell_name", names) != json::Field::Ok) {
                Add(std::string("spell list ") + SpellListFileOfElement(e) + " cannot be read");
                continue;
            }
            int others = 0;
            bool cantrip = false, fireball = false;
            for (const json::Value& n : names->GetArray()) {
                if (!n.IsString()) continue;
                std::string spell = n.GetString();
                cantrip = cantrip || spell == "Cantrip";
                fireball = fireball || spell == "Fireball";
                others += spell != "Cantrip";
            }
            if (e == 0 && !cantrip) Add("the normal spell list has no \"Cantrip\"");
            if (others < 2) Add(std::string(SpellListFileOfElement(e)) + " holds fewer than two spells besides \"Cantrip\"");
            if (e == 1 && name == "TrainingIsland" && !fireball) Add("the fire list has no \"Fireball\"");
        }
        if (name == "TrainingIsland" && !allowed[1]) Add("the tutorial needs \"fire\" for its \"Fireball\"");
    }
};

}  // namespace

void CheckLevel(const std::string& name, const LevelCheckFolders& folders, datacheck::Problems& problems)
{
    if (!IsValidLevelName(name)) {
        problems.Add("Level \"" + name + "\": the name is not 1-64 letters, digits or underscores");
        return;
    }
    json::Document doc;
    json::Result parsed = json::ParseFile(folders.levels + name + ".json", doc);
    if (!parsed.ok()) {
        problems.Add("Level " + name + ": " + parsed.message);
        return;
    }
    std::set<std::string> textures;
    TextureList own = TextureList::FromFile(folders.data + name + ".json");
    if (own.status != TextureList::Status::Ok) problems.Add("Level " + name + ": its texture list cannot be read");
    for (const auto& entry : own.entries) textures.insert(entry.name);
    for (const auto& entry : TextureList::FromFile(folders.data + "TextureMaster.json").entries) textures.insert(entry.name);
    Checker check{name, folders, problems, doc};
    check.Elements();
    check.MapData();
    check.Templates(textures);
    if (check.width == 0) return;
    check.Rules();
    check.ObjectsOnHoles();
    check.Spells();
}

namespace {

void CheckShippedLevels(datacheck::Problems& problems)
{
    LevelCheckFolders folders;
    std::error_code error;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folders.levels, error))
        if (entry.path().extension() == ".json") names.push_back(entry.path().stem().string());
    if (names.empty()) problems.Add("Levels: no level files in " + folders.levels);
    for (const std::string& name : names) CheckLevel(name, folders, problems);
}

const bool registered = datacheck::Register("Levels", CheckShippedLevels);

}  // namespace
