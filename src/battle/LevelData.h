#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Json.h"

// What the first pass reads from "./Data/Levels/<name>.json": plain tables, no game objects yet.
// A level is untrusted input: every value is bounded here, with one "??? Map Class :: ... ???"
// line for each case that had to be skipped or bounded.
struct TileTemplate {
    std::string biome = "none";
    int key = -1;
};

struct ObjectTemplate {
    std::string kind;
    int health = 0;
    int key = -1;
};

struct WizardStart {
    int column = 0;
    int row = 0;
    int side = 1;
};

struct LevelData {
    static constexpr int kMaxSide = 64;
    static constexpr int kMaxPlayers = 2;
    static constexpr int kMaxHealth = 100;

    bool loaded = false;  // the file was found and parsed
    std::string name;
    int background = 0;
    int width = 0;
    int height = 0;
    bool dimensionsValid = false;
    std::vector<int> tileMap;    // exactly width x height once read; -1 where missing
    std::vector<int> objectMap;  // same
    int playerCount = 2;
    int wizardCount = 3;
    int wizardHealth = 20;
    std::vector<std::string> allowedElementWords;  // the entries accepted, in file order
    bool elementAllowed[5] = {false, false, false, false, false};
    std::vector<int> elementOrder;                  // elements whose spell list loads, once each
    std::vector<TileTemplate> tileTemplates;        // in file order, repeated keys dropped
    std::vector<ObjectTemplate> objectTemplates;    // same
    std::vector<WizardStart> wizards;               // sides from the highest down, file order within
    int duplicateKeys = 0;                          // templates dropped for a repeated key
    int nonIntegerCells = 0;                        // map entries that were not integers
};

// True for 1..64 characters of [A-Za-z0-9_]: the only level names that become file paths.
bool IsValidLevelName(const std::string& name);

// The spell-list file of an "allowed_elements" word, matched by substring in the fixed order
// normal, fire, water, earth, wind; -1 for a word that names none.
int ElementOfWord(const std::string& word);
const char* SpellListFileOfElement(int element);

// Reads a parsed level document into `level` (no files are opened here).
void ReadLevelDocument(const json::Value& doc, LevelData& level);

// Opens "<folder><name>.json" and reads it. False (with the log line) when the name is refused,
// the file cannot be opened or it does not parse.
bool ReadLevelFile(const std::string& folder, const std::string& name, LevelData& level);
