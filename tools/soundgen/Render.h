#pragma once
#include <string>
#include <vector>

#include "Dsp.h"
#include "Score.h"

namespace synth {

// Renders a score to exactly one loop of stereo audio. Notes and reverb that ring past the end are
// folded back onto the beginning, so the loop point joins without a seam.
// With `onlyTrack` set, renders that one track alone (for judging the balance of a mix).
Stereo RenderScore(const Score& score, int onlyTrack = -1);

// Scales to an RMS target and rounds off peaks with a soft knee so nothing ever clips; the same
// curve is applied to every sample, which keeps the loop seamless. Returns the samples that
// reached the knee.
std::size_t Master(Stereo& audio, float targetRmsDb);
std::size_t Master(std::vector<float>& mono, float peak);

struct Levels {
    float peakDb = -200.0f;
    float rmsDb = -200.0f;
    float dcOffset = 0.0f;
    float loopJump = 0.0f;    // |last sample - first sample| against the largest step inside the file
    std::size_t clipped = 0;  // samples at full scale
};
Levels Measure(const std::vector<float>& left, const std::vector<float>* right);

// Writes 16-bit PCM WAV through libsndfile (mono when right is null).
bool WriteWav(const std::string& path, const std::vector<float>& left, const std::vector<float>* right);

}  // namespace synth
