#include "Dsp.h"

#include <array>

namespace synth {
namespace {
constexpr int kTableSize = 4096;
const std::array<float, kTableSize + 1>& SineTable()
{
    static const auto table = [] {
        std::array<float, kTableSize + 1> t{};
        for (int i = 0; i <= kTableSize; ++i) t[i] = static_cast<float>(std::sin(2.0 * M_PI * i / kTableSize));
        return t;
    }();
    return table;
}
}  // namespace

float FastSin(float phase)
{
    phase -= std::floor(phase);
    float x = phase * kTableSize;
    int i = static_cast<int>(x);
    if (i >= kTableSize) i = kTableSize - 1;
    float f = x - i;
    const auto& t = SineTable();
    return t[i] + (t[i + 1] - t[i]) * f;
}

void MixIn(Stereo& out, const std::vector<float>& mono, std::size_t start, float gain, float pan)
{
    float angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0f) * 0.25f * kPi;
    float gl = gain * std::cos(angle) * 1.41421356f, gr = gain * std::sin(angle) * 1.41421356f;
    std::size_t n = std::min(mono.size(), out.Frames() > start ? out.Frames() - start : 0);
    for (std::size_t i = 0; i < n; ++i) {
        out.left[start + i] += mono[i] * gl;
        out.right[start + i] += mono[i] * gr;
    }
}

Reverb::Reverb(float roomSize, float damping) : feedback(0.7f + 0.28f * roomSize), damp(damping)
{
    // Freeverb's tunings (in samples at 44.1 kHz); the right channel is spread a little.
    const int combLengths[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    const int allpassLengths[] = {556, 441, 341, 225};
    for (int ch = 0; ch < 2; ++ch) {
        int spread = ch * 23;
        for (int len : combLengths) combs[ch].push_back(Comb{std::vector<float>(len + spread, 0.0f)});
        for (int len : allpassLengths) allpasses[ch].push_back(Allpass{std::vector<float>(len + spread, 0.0f)});
    }
}

void Reverb::Process(const Stereo& in, Stereo& out, float wet)
{
    const std::vector<float>* src[2] = {&in.left, &in.right};
    std::vector<float>* dst[2] = {&out.left, &out.right};
    for (int ch = 0; ch < 2; ++ch) {
        for (std::size_t i = 0; i < in.Frames(); ++i) {
            float x = ((*src[0])[i] + (*src[1])[i]) * 0.015f;
            float sum = 0.0f;
            for (Comb& c : combs[ch]) {
                float y = c.line[c.pos];
                c.store = y * (1.0f - damp) + c.store * damp;
                c.line[c.pos] = x + c.store * feedback;
                if (++c.pos == c.line.size()) c.pos = 0;
                sum += y;
            }
            for (Allpass& a : allpasses[ch]) {
                float buffered = a.line[a.pos];
                a.line[a.pos] = sum + buffered * 0.5f;
                sum = buffered - sum;
                if (++a.pos == a.line.size()) a.pos = 0;
            }
            (*dst[ch])[i] += sum * wet;
        }
    }
}

}  // namespace synth
