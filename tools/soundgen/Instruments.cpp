#include "Instruments.h"

#include <functional>
#include <map>

namespace synth {
namespace {

using Voice = std::function<std::vector<float>(float hz, float held, float vel, Rng& rng)>;

std::vector<float> Buffer(float seconds) { return std::vector<float>(static_cast<std::size_t>(seconds * kRate) + 1, 0.0f); }

// Gentle vibrato that fades in after the attack, as a player would add it.
float Vibrato(float t, float depthCents, float delay = 0.25f)
{
    float fade = std::clamp((t - delay) / 0.4f, 0.0f, 1.0f);
    return std::pow(2.0f, fade * depthCents / 1200.0f * FastSin(t * 5.2f));
}

// Karplus-Strong string: a noise burst circulating in a delay line, softened on each pass.
// The loop is read at a fractional position so every pitch is in tune, not just those whose
// period is a whole number of samples (the averaging filter itself delays by half a sample).
std::vector<float> KarplusStrong(float hz, float held, float vel, Rng& rng, float brightness, float decaySeconds)
{
    float release = 0.08f;
    float length = std::min(std::max(held, decaySeconds * 0.5f), decaySeconds) + release;
    auto out = Buffer(length);
    const float period = std::max(2.0f, kRate / hz - 0.5f);
    const std::size_t size = static_cast<std::size_t>(period) + 2;
    std::vector<float> line(size, 0.0f);
    OnePole tone;
    for (std::size_t i = 0; i < static_cast<std::size_t>(period); ++i) line[i] = tone.LowPass(rng.Bipolar(), brightness);
    // Per-pass loss so the string falls by 60 dB over `decaySeconds`.
    float loss = std::pow(0.001f, 1.0f / (decaySeconds * hz));
    std::size_t write = static_cast<std::size_t>(period);
    float prev = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        float readPos = static_cast<float>(write) - period;
        if (readPos < 0) readPos += size;
        std::size_t r0 = static_cast<std::size_t>(readPos);
        float frac = readPos - r0;
        float cur = line[r0 % size] * (1.0f - frac) + line[(r0 + 1) % size] * frac;
        line[write] = loss * 0.5f * (cur + prev);
        prev = cur;
        if (++write == size) write = 0;
        float t = static_cast<float>(i) / kRate;
        float env = t < length - release ? 1.0f : std::max(0.0f, (length - t) / release);
        out[i] = cur * env * vel;
    }
    return out;
}

std::vector<float> Fm(float hz, float held, float vel, float ratio, float index, float indexDecay, Adsr env)
{
    auto out = Buffer(env.Length(held));
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float idx = index * std::exp(-t / indexDecay);
        float mod = FastSin(hz * ratio * t) * idx;
        out[i] = FastSin(hz * t + mod / kTwoPi) * env.At(t, held) * vel;
    }
    return out;
}

std::vector<float> Bell(float hz, float held, float vel, Rng&)
{
    Adsr env{0.002f, 1.6f, 0.0f, 0.3f};
    auto a = Fm(hz, held, vel * 0.7f, 3.5f, 2.5f, 0.6f, env);
    auto b = Fm(hz, held, vel * 0.5f, 1.0f, 1.0f, 0.3f, env);
    for (std::size_t i = 0; i < a.size(); ++i) a[i] += b[i];
    return a;
}

std::vector<float> EPiano(float hz, float held, float vel, Rng&)
{
    Adsr env{0.003f, 2.0f, 0.25f, 0.35f};
    auto body = Fm(hz, held, vel * 0.8f, 1.0f, 1.6f * vel + 0.3f, 0.5f, env);
    auto tine = Fm(hz * 4.0f, std::min(held, 0.2f), vel * 0.12f, 3.0f, 1.0f, 0.05f, Adsr{0.001f, 0.15f, 0.0f, 0.05f});
    for (std::size_t i = 0; i < tine.size() && i < body.size(); ++i) body[i] += tine[i];
    return body;
}

std::vector<float> Flute(float hz, float held, float vel, Rng& rng)
{
    Adsr env{0.06f, 0.2f, 0.85f, 0.18f};
    auto out = Buffer(env.Length(held));
    Biquad breath;
    breath.Set(Biquad::BandPass, hz * 2.0f, 1.5f);
    float phase = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        phase += hz * Vibrato(t, 14.0f) / kRate;
        float tone = FastSin(phase) + 0.22f * FastSin(2.0f * phase) + 0.06f * FastSin(3.0f * phase);
        float air = breath.Process(rng.Bipolar()) * (0.25f + 0.6f * std::exp(-t * 12.0f));
        out[i] = (tone * 0.8f + air) * env.At(t, held) * vel;
    }
    return out;
}

// Saw voices through a low-pass whose cutoff follows its own envelope: brass, strings and pads.
struct SawPatch {
    int voices = 2;
    float detuneCents = 6.0f;
    Adsr amp;
    float cutoff = 2000.0f;      // base cutoff
    float cutoffBoost = 0.0f;    // added at the attack, decaying with `boostTime`
    float boostTime = 0.2f;
    float vibratoCents = 0.0f;
    float gain = 0.4f;
};

std::vector<float> SawVoice(float hz, float held, float vel, const SawPatch& p)
{
    auto out = Buffer(p.amp.Length(held));
    std::vector<SawOsc> osc(p.voices);
    for (int v = 0; v < p.voices; ++v) osc[v].phase = static_cast<float>(v) / p.voices;
    Biquad filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        if (i % 32 == 0) {
            float attack = std::min(1.0f, t / std::max(p.amp.attack, 0.005f));
            float cut = p.cutoff * (0.6f + 0.4f * vel) + p.cutoffBoost * attack * std::exp(-t / p.boostTime);
            filter.Set(Biquad::LowPass, cut, 0.8f);
        }
        float vib = Vibrato(t, p.vibratoCents, 0.3f);
        float sum = 0.0f;
        for (int v = 0; v < p.voices; ++v) {
            float spread = p.voices > 1 ? (static_cast<float>(v) / (p.voices - 1) - 0.5f) * 2.0f : 0.0f;
            sum += osc[v].Next(hz * vib * std::pow(2.0f, spread * p.detuneCents / 1200.0f));
        }
        out[i] = filter.Process(sum / p.voices) * p.amp.At(t, held) * vel * p.gain * 2.0f;
    }
    return out;
}

std::vector<float> Brass(float hz, float held, float vel, Rng&)
{
    return SawVoice(hz, held, vel, SawPatch{2, 5.0f, {0.04f, 0.25f, 0.8f, 0.15f}, 900.0f, 2600.0f, 0.25f, 10.0f, 0.5f});
}

std::vector<float> Strings(float hz, float held, float vel, Rng&)
{
    return SawVoice(hz, held, vel, SawPatch{3, 9.0f, {0.12f, 0.3f, 0.9f, 0.4f}, 2400.0f, 0.0f, 0.2f, 12.0f, 0.35f});
}

std::vector<float> Pad(float hz, float held, float vel, Rng&)
{
    return SawVoice(hz, held, vel, SawPatch{3, 11.0f, {0.5f, 0.5f, 0.85f, 1.0f}, 1100.0f, 300.0f, 1.0f, 0.0f, 0.3f});
}

std::vector<float> SynthBass(float hz, float held, float vel, Rng&)
{
    return SawVoice(hz, held, vel, SawPatch{1, 0.0f, {0.005f, 0.18f, 0.6f, 0.06f}, 350.0f, 1800.0f, 0.08f, 0.0f, 0.6f});
}

std::vector<float> Bass(float hz, float held, float vel, Rng&)
{
    Adsr env{0.01f, 0.6f, 0.55f, 0.12f};
    auto out = Buffer(env.Length(held));
    SawOsc saw;
    Biquad filter;
    filter.Set(Biquad::LowPass, std::min(hz * 4.0f, 900.0f), 0.7f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float s = FastSin(hz * t) * 0.8f + filter.Process(saw.Next(hz)) * 0.35f;
        out[i] = s * env.At(t, held) * vel;
    }
    return out;
}

std::vector<float> Square(float hz, float held, float vel, Rng&)
{
    Adsr env{0.01f, 0.2f, 0.7f, 0.12f};
    auto out = Buffer(env.Length(held));
    SquareOsc sq;
    Biquad filter;
    filter.Set(Biquad::LowPass, 2800.0f, 0.7f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float width = 0.3f + 0.12f * FastSin(t * 0.7f);
        // A pulse narrower than half carries a DC offset of 2w - 1; take it out before the filter.
        float pulse = sq.Next(hz * Vibrato(t, 15.0f, 0.2f), width) - (2.0f * width - 1.0f);
        out[i] = filter.Process(pulse) * 0.35f * env.At(t, held) * vel;
    }
    return out;
}

std::vector<float> Timpani(float hz, float held, float vel, Rng& rng)
{
    float length = std::min(held, 1.4f) + 0.3f;
    auto out = Buffer(length);
    Biquad thump;
    thump.Set(Biquad::LowPass, 300.0f, 0.7f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float pitch = hz * (1.0f + 0.08f * std::exp(-t * 30.0f));
        float tone = FastSin(pitch * t) + 0.4f * FastSin(pitch * 1.5f * t) * std::exp(-t * 4.0f);
        float noise = thump.Process(rng.Bipolar()) * std::exp(-t * 25.0f) * 2.0f;
        float fade = std::clamp((length - t) / 0.3f, 0.0f, 1.0f);
        out[i] = (tone * std::exp(-t * 2.2f) + noise) * vel * fade * 0.9f;
    }
    return out;
}

const std::map<std::string, Voice>& Instruments()
{
    static const std::map<std::string, Voice> table = {
        {"pluck", [](float hz, float held, float vel, Rng& r) { return KarplusStrong(hz, held, vel, r, 0.5f, 1.2f); }},
        {"harp", [](float hz, float held, float vel, Rng& r) { return KarplusStrong(hz, held, vel * 0.9f, r, 0.3f, 2.5f); }},
        {"clav", [](float hz, float held, float vel, Rng& r) { return KarplusStrong(hz, held, vel, r, 0.9f, 0.35f); }},
        {"bell", Bell},         {"epiano", EPiano}, {"flute", Flute},   {"brass", Brass},
        {"strings", Strings},   {"pad", Pad},       {"bass", Bass},     {"synthbass", SynthBass},
        {"square", Square},     {"timpani", Timpani},
    };
    return table;
}

// Drums: noise and swept sines.
std::vector<float> NoiseHit(float vel, Rng& rng, Biquad::Kind kind, float freq, float q, float decay, float length)
{
    auto out = Buffer(length);
    Biquad f;
    f.Set(kind, freq, q);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float fade = std::clamp((length - t) / 0.01f, 0.0f, 1.0f);
        out[i] = f.Process(rng.Bipolar()) * std::exp(-t / decay) * vel * fade;
    }
    return out;
}

// A sine whose pitch falls from base + sweep to base: kick drums and toms.
std::vector<float> SweptDrum(float vel, float length, float base, float sweep, float sweepRate, float decay, float gain)
{
    auto out = Buffer(length);
    float phase = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        phase += (base + sweep * std::exp(-t * sweepRate)) / kRate;
        float fade = std::clamp((length - t) / 0.02f, 0.0f, 1.0f);
        out[i] = FastSin(phase) * std::exp(-t * decay) * vel * fade * gain;
    }
    return out;
}

std::vector<float> Kick(float vel, Rng&) { return SweptDrum(vel, 0.45f, 48.0f, 110.0f, 28.0f, 7.0f, 1.1f); }

std::vector<float> Snare(float vel, Rng& rng)
{
    auto out = NoiseHit(vel * 0.7f, rng, Biquad::HighPass, 1200.0f, 0.7f, 0.07f, 0.3f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        out[i] += FastSin(185.0f * t) * std::exp(-t * 30.0f) * vel * 0.6f;
    }
    return out;
}

std::vector<float> Clap(float vel, Rng& rng)
{
    auto out = NoiseHit(vel, rng, Biquad::BandPass, 1300.0f, 1.2f, 0.08f, 0.3f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        // Three quick slaps before the tail.
        float slap = t < 0.03f ? (std::fmod(t, 0.01f) < 0.004f ? 1.0f : 0.3f) : 1.0f;
        out[i] *= slap * 2.0f;
    }
    return out;
}

std::vector<float> Tom(float vel, Rng&) { return SweptDrum(vel, 0.5f, 95.0f, 60.0f, 12.0f, 6.0f, 0.9f); }

const std::map<std::string, std::function<std::vector<float>(float, Rng&)>>& Drums()
{
    static const std::map<std::string, std::function<std::vector<float>(float, Rng&)>> table = {
        {"kick", Kick},
        {"snare", Snare},
        {"clap", Clap},
        {"tom", Tom},
        {"hat", [](float v, Rng& r) { return NoiseHit(v * 0.45f, r, Biquad::HighPass, 7500.0f, 0.7f, 0.025f, 0.08f); }},
        {"ohat", [](float v, Rng& r) { return NoiseHit(v * 0.4f, r, Biquad::HighPass, 6500.0f, 0.7f, 0.15f, 0.4f); }},
        {"shaker", [](float v, Rng& r) { return NoiseHit(v * 0.35f, r, Biquad::BandPass, 6000.0f, 1.0f, 0.03f, 0.1f); }},
        {"crash", [](float v, Rng& r) { return NoiseHit(v * 0.5f, r, Biquad::HighPass, 4000.0f, 0.6f, 0.6f, 2.0f); }},
    };
    return table;
}

}  // namespace

std::vector<float> RenderNote(const std::string& instrument, float midi, float held, float velocity, Rng& rng)
{
    auto found = Instruments().find(instrument);
    if (found == Instruments().end()) return {};
    return found->second(MidiToHz(midi), std::max(held, 0.02f), velocity, rng);
}

std::vector<float> RenderDrum(const std::string& drum, float velocity, Rng& rng)
{
    auto found = Drums().find(drum);
    return found == Drums().end() ? std::vector<float>{} : found->second(velocity, rng);
}

bool IsInstrument(const std::string& name) { return Instruments().count(name) > 0; }
bool IsDrum(const std::string& name) { return Drums().count(name) > 0; }

}  // namespace synth
