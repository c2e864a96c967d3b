#pragma once
#include <string>
#include <vector>

#include "Dsp.h"

namespace synth {

// Renders one note of a melodic instrument as mono samples: `held` seconds of sound and then the
// instrument's own release, ending exactly at zero. Returns an empty vector for unknown names.
std::vector<float> RenderNote(const std::string& instrument, float midi, float held, float velocity, Rng& rng);

// Renders one hit of an unpitched drum ("kick", "snare", "hat", "ohat", "clap", "tom", "crash",
// "shaker"); empty for unknown names.
std::vector<float> RenderDrum(const std::string& drum, float velocity, Rng& rng);

bool IsInstrument(const std::string& name);
bool IsDrum(const std::string& name);

}  // namespace synth
