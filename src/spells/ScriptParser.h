#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "spells/Spell.h"

// The line-oriented spell scripts: section headers ("on self", "on enemy", "on ally", "on tile",
// "flavor", "description") and their bodies up to the next empty line, all found by substring.

// Scripts beyond this size are refused: no spell needs more, and it keeps every total bounded.
inline constexpr std::size_t kMaxScriptBytes = 64 * 1024;

// Reads `<folder>Scripts/<scriptName>.txt` into the spell (commands, description, flavour, effect
// summary). A refused name, a missing file or one over the size cap logs one line and leaves the
// spell without commands; returns false then.
bool ParseSpellScript(Spell& spell, const std::string& scriptName, const std::string& folder = kSpellFolder);

// Parses script text already in memory. `notes`, when given, receives one line per body line that
// matches no command of its section and per number that was not a plain integer (the data check
// reports them; the game ignores them).
void ParseSpellScriptText(Spell& spell, const std::string& text, std::vector<std::string>* notes = nullptr);
