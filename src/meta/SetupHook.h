#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct BattleSetupRecord;

// The `--setup KEY=VALUE,...` test hook: fills the battle set-up record before the first scene,
// so the battle and the victory screens can be entered with a chosen set-up and outcome.
// Keys: level (a plain name), winner (-1 to 9), turns and par (0 or more), campaign, tutorial,
// cpu, divine, duplication (0, 1, true or false), faction1 and faction2 (1-10), difficulty (0-3),
// color1 and color2 (team colour 0-7).
//
// Applies every assignment of text to setup and returns an empty string, or returns what is
// wrong (unknown key, bad value, a key given twice) and leaves setup untouched.
std::string ApplySetupHook(std::string_view text, BattleSetupRecord& setup);

// The keys, in the order the usage text lists them.
std::vector<std::string_view> SetupHookKeys();

// What start-up applies: `--level NAME` as level=NAME, then the `--setup` text. Empty when
// neither was given; an error (like ApplySetupHook's) when both name a level or the text is bad.
struct StartSetup {
    std::string text;
    std::string error;
};
StartSetup CombineStartSetup(const std::optional<std::string>& level, const std::optional<std::string>& setup);
