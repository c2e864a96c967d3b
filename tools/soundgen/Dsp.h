#pragma once
// Small building blocks of the sound generator. Everything is deterministic: the noise comes
// from our own generator and no library randomness or time enters the output.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace synth {

constexpr int kRate = 44100;
constexpr float kPi = 3.14159265358979f;
constexpr float kTwoPi = 2.0f * kPi;

inline float MidiToHz(float midi) { return 440.0f * std::pow(2.0f, (midi - 69.0f) / 12.0f); }

// xorshift32: a fixed sequence for a fixed seed on every platform.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state(seed ? seed : 0x9e3779b9u) {}
    std::uint32_t Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    float Uniform() { return (Next() >> 8) * (1.0f / 16777216.0f); }  // [0, 1)
    float Bipolar() { return Uniform() * 2.0f - 1.0f; }                // [-1, 1)

private:
    std::uint32_t state;
};

// Sine through a table: the generator calls it hundreds of millions of times.
float FastSin(float phase);  // phase in cycles; any real value

// Naive saw with a polyBLEP correction at the wrap, so high notes do not alias harshly.
inline float PolyBlep(float t, float dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt) {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

struct SawOsc {
    float phase = 0.0f;
    float Next(float freq)
    {
        float dt = freq / kRate;
        float v = 2.0f * phase - 1.0f - PolyBlep(phase, dt);
        phase += dt;
        if (phase >= 1.0f) phase -= 1.0f;
        return v;
    }
};

struct SquareOsc {
    float phase = 0.0f;
    float Next(float freq, float width = 0.5f)
    {
        float dt = freq / kRate;
        float v = phase < width ? 1.0f : -1.0f;
        v += PolyBlep(phase, dt);
        float shifted = phase - width + (phase < width ? 1.0f : 0.0f);
        v -= PolyBlep(shifted, dt);
        phase += dt;
        if (phase >= 1.0f) phase -= 1.0f;
        return v;
    }
};

// Attack-decay-sustain-release envelope, evaluated at a time since the note began.
struct Adsr {
    float attack = 0.01f, decay = 0.1f, sustain = 1.0f, release = 0.1f;
    // `held` is how long the note is held before its release starts.
    float At(float t, float held) const
    {
        float level = HeldLevel(std::min(t, held));
        if (t <= held) return level;
        float r = (t - held) / std::max(release, 1e-4f);
        return r >= 1.0f ? 0.0f : level * (1.0f - r) * (1.0f - r);
    }
    float Length(float held) const { return held + release; }

private:
    float HeldLevel(float t) const
    {
        if (t < attack) return t / std::max(attack, 1e-4f);
        t -= attack;
        if (t < decay) return 1.0f + (sustain - 1.0f) * (t / std::max(decay, 1e-4f));
        return sustain;
    }
};

// RBJ biquad.
class Biquad {
public:
    enum Kind { LowPass, HighPass, BandPass };
    void Set(Kind kind, float freq, float q)
    {
        freq = std::clamp(freq, 10.0f, kRate * 0.45f);
        float w = kTwoPi * freq / kRate, cw = std::cos(w), alpha = std::sin(w) / (2.0f * q);
        float a0 = 1.0f + alpha;
        switch (kind) {
        case LowPass: b0 = (1 - cw) / 2; b1 = 1 - cw; b2 = (1 - cw) / 2; break;
        case HighPass: b0 = (1 + cw) / 2; b1 = -(1 + cw); b2 = (1 + cw) / 2; break;
        case BandPass: b0 = alpha; b1 = 0; b2 = -alpha; break;
        }
        a1 = -2 * cw;
        a2 = 1 - alpha;
        b0 /= a0; b1 /= a0; b2 /= a0; a1 /= a0; a2 /= a0;
    }
    float Process(float x)
    {
        float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return y;
    }

private:
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

struct OnePole {
    float state = 0.0f;
    float LowPass(float x, float coeff) { return state += coeff * (x - state); }
};

// A stereo buffer of float frames.
struct Stereo {
    std::vector<float> left, right;
    explicit Stereo(std::size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::size_t Frames() const { return left.size(); }
};

// Adds a mono signal at `start` with an equal-power pan (-1 left .. 1 right).
void MixIn(Stereo& out, const std::vector<float>& mono, std::size_t start, float gain, float pan);

// Freeverb-style room: parallel damped combs into series allpasses, one set per channel.
class Reverb {
public:
    Reverb(float roomSize, float damping);
    void Process(const Stereo& in, Stereo& out, float wet);

private:
    struct Comb {
        std::vector<float> line;
        std::size_t pos = 0;
        float store = 0.0f;
    };
    struct Allpass {
        std::vector<float> line;
        std::size_t pos = 0;
    };
    std::vector<Comb> combs[2];
    std::vector<Allpass> allpasses[2];
    float feedback, damp;
};

// Soft saturation that keeps peaks under one without a hard corner.
inline float SoftClip(float x) { return std::tanh(x); }

}  // namespace synth
