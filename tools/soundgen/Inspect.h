#pragma once
#include <string>

namespace synth {
// Draws a picture of a sound file for a person to judge: the waveform envelope over the whole
// file, a log-frequency spectrogram, and the 30 ms either side of the loop point joined up.
bool InspectToPng(const std::string& wavPath, const std::string& pngPath);
}
