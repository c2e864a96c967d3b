#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace synth {

// The game's sound effects by name: UI, battle and the spells' cast and hit sounds. Each is a
// short mono sound, peak-normalised to its own level.
struct Effect {
    std::string name;
    float peak;  // target peak, linear
    std::function<std::vector<float>()> make;
};
const std::vector<Effect>& Effects();

}  // namespace synth
