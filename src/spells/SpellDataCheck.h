#pragma once
#include <set>
#include <string>
#include <vector>

// `--check-data` for spells: every shipped list, definition and script, against the names of
// textures, particle effects and sounds the game really has.
namespace spellcheck {

struct KnownNames {
    std::set<std::string> textures;     // the texture list's names
    std::set<std::string> trailEffects; // effects of the "Spellshot" particle file
    std::set<std::string> hitEffects;   // effects of the "Tile_Effects" particle file
    std::set<std::string> sounds;       // names of the audio asset list
};

// Reads the known names from the game's own files under "./Data/".
KnownNames ReadKnownNames();

// Checks the five lists and every definition and script they name, under folder (holding
// "Objects/", "Scripts/" and the lists). One line per problem is appended to problems.
void CheckSpells(const std::string& folder, const KnownNames& known, std::vector<std::string>& problems);

}  // namespace spellcheck
