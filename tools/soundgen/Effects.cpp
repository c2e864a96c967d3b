#include "Effects.h"

#include "Dsp.h"
#include "Instruments.h"

namespace synth {
namespace {

// A mono canvas that effects are painted onto, layer by layer.
struct Canvas {
    std::vector<float> s;
    explicit Canvas(float seconds) : s(static_cast<std::size_t>(seconds * kRate), 0.0f) {}
    std::size_t At(float t) const { return static_cast<std::size_t>(t * kRate); }
    void Add(float t0, const std::vector<float>& part, float gain)
    {
        for (std::size_t i = 0, o = At(t0); i < part.size() && o + i < s.size(); ++i) s[o + i] += part[i] * gain;
    }
};

// Envelope: linear attack, exponential fall that reaches exactly zero at `dur`.
float Env(float t, float dur, float attack, float sharpness)
{
    if (t < 0 || t >= dur) return 0.0f;
    float a = t < attack ? t / attack : 1.0f;
    float x = (t - std::min(t, attack)) / std::max(dur - attack, 1e-4f);
    float fall = (std::exp(-sharpness * x) - std::exp(-sharpness)) / (1.0f - std::exp(-sharpness));
    return a * fall;
}

enum class Wave { Sine, Triangle, Saw };

// A tone whose pitch glides exponentially from f0 to f1.
void Sweep(Canvas& c, float t0, float dur, float f0, float f1, float amp, float attack = 0.005f,
           float sharp = 4.0f, Wave wave = Wave::Sine)
{
    float phase = 0.0f;
    SawOsc saw;
    for (std::size_t i = 0, o = c.At(t0); i < static_cast<std::size_t>(dur * kRate) && o + i < c.s.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float f = f0 * std::pow(f1 / f0, t / dur);
        phase += f / kRate;
        float p = phase - std::floor(phase);
        float v = wave == Wave::Sine ? FastSin(phase)
                : wave == Wave::Triangle ? 4.0f * std::fabs(p - 0.5f) - 1.0f
                : saw.Next(f);
        c.s[o + i] += v * amp * Env(t, dur, attack, sharp);
    }
}

// Filtered noise whose filter frequency glides from f0 to f1.
void Noise(Canvas& c, Rng& rng, float t0, float dur, Biquad::Kind kind, float f0, float f1, float q, float amp,
           float attack = 0.005f, float sharp = 4.0f)
{
    Biquad filter;
    for (std::size_t i = 0, o = c.At(t0); i < static_cast<std::size_t>(dur * kRate) && o + i < c.s.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        if (i % 16 == 0) filter.Set(kind, f0 * std::pow(f1 / f0, t / dur), q);
        c.s[o + i] += filter.Process(rng.Bipolar()) * amp * Env(t, dur, attack, sharp);
    }
}

// Sparse random clicks through a band-pass: fire crackle, gravel, ice.
void Crackle(Canvas& c, Rng& rng, float t0, float dur, float density, float freq, float amp)
{
    Biquad filter;
    filter.Set(Biquad::BandPass, freq, 2.0f);
    for (std::size_t i = 0, o = c.At(t0); i < static_cast<std::size_t>(dur * kRate) && o + i < c.s.size(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float impulse = rng.Uniform() < density / kRate ? rng.Bipolar() * 8.0f : 0.0f;
        c.s[o + i] += filter.Process(impulse) * amp * Env(t, dur, 0.02f, 2.0f);
    }
}

void Note(Canvas& c, float t0, const char* instrument, float midi, float held, float vel, std::uint32_t seed = 7)
{
    Rng rng(seed);
    c.Add(t0, RenderNote(instrument, midi, held, vel, rng), 1.0f);
}

std::vector<float> Click()
{
    Canvas c(0.06f);
    Rng rng(1);
    Sweep(c, 0.0f, 0.04f, 2200.0f, 1400.0f, 0.7f, 0.001f, 6.0f);
    Noise(c, rng, 0.0f, 0.02f, Biquad::HighPass, 3000.0f, 3000.0f, 0.7f, 0.5f, 0.0005f, 5.0f);
    return c.s;
}

std::vector<float> CardHover()
{
    Canvas c(0.14f);
    Rng rng(2);
    Noise(c, rng, 0.0f, 0.12f, Biquad::BandPass, 2500.0f, 5000.0f, 2.0f, 0.5f, 0.03f, 3.0f);
    Sweep(c, 0.0f, 0.1f, 1200.0f, 1500.0f, 0.25f, 0.01f, 4.0f);
    return c.s;
}

std::vector<float> CardSelect()
{
    Canvas c(0.7f);
    Note(c, 0.0f, "bell", 76, 0.1f, 0.6f);   // E5
    Note(c, 0.07f, "bell", 83, 0.2f, 0.7f);  // B5
    return c.s;
}

std::vector<float> HitSound()
{
    Canvas c(0.4f);
    Rng rng(3);
    Sweep(c, 0.0f, 0.3f, 180.0f, 55.0f, 1.0f, 0.002f, 5.0f);
    Noise(c, rng, 0.0f, 0.12f, Biquad::LowPass, 2500.0f, 400.0f, 0.7f, 0.8f, 0.001f, 5.0f);
    return c.s;
}

std::vector<float> DeathSound()
{
    Canvas c(1.6f);
    Rng rng(4);
    Sweep(c, 0.0f, 1.3f, 440.0f, 70.0f, 0.5f, 0.01f, 2.0f, Wave::Saw);
    Sweep(c, 0.0f, 1.3f, 445.0f, 71.0f, 0.4f, 0.01f, 2.0f, Wave::Triangle);
    Sweep(c, 0.05f, 0.9f, 90.0f, 40.0f, 0.9f, 0.01f, 3.0f);
    Noise(c, rng, 0.0f, 1.5f, Biquad::LowPass, 1500.0f, 150.0f, 0.7f, 0.35f, 0.05f, 3.0f);
    return c.s;
}

std::vector<float> SpellMiss()
{
    Canvas c(0.6f);
    Rng rng(5);
    Noise(c, rng, 0.0f, 0.55f, Biquad::BandPass, 600.0f, 3500.0f, 1.5f, 1.0f, 0.15f, 3.0f);
    Sweep(c, 0.1f, 0.4f, 700.0f, 350.0f, 0.25f, 0.05f, 3.0f, Wave::Triangle);
    return c.s;
}

std::vector<float> Walking()
{
    Canvas c(1.3f);
    Rng rng(6);
    for (int step = 0; step < 4; ++step) {
        float t = step * 0.3f;
        float brightness = step % 2 ? 900.0f : 1100.0f;
        Noise(c, rng, t, 0.12f, Biquad::LowPass, brightness, 300.0f, 0.8f, 0.8f, 0.004f, 5.0f);
        Sweep(c, t, 0.08f, 110.0f, 70.0f, 0.5f, 0.003f, 5.0f);
        Crackle(c, rng, t + 0.01f, 0.1f, 300.0f, 3000.0f, 0.15f);  // grit under the boot
    }
    return c.s;
}

std::vector<float> TokenCollect()
{
    Canvas c(0.9f);
    const float notes[] = {84, 88, 91, 96};  // C6 E6 G6 C7
    for (int i = 0; i < 4; ++i) Note(c, i * 0.06f, "bell", notes[i], 0.1f, 0.5f + 0.1f * i, 10 + i);
    return c.s;
}

std::vector<float> SwordAnnouncement()
{
    Canvas c(1.2f);
    Rng rng(8);
    // A blade leaving its sheath: a rising scrape, then an inharmonic metallic ring.
    Noise(c, rng, 0.0f, 0.35f, Biquad::BandPass, 2500.0f, 7000.0f, 3.0f, 0.6f, 0.2f, 1.5f);
    const float partials[] = {1.0f, 2.76f, 5.4f, 8.93f};
    for (int i = 0; i < 4; ++i) Sweep(c, 0.3f, 0.9f - i * 0.15f, 1250.0f * partials[i], 1250.0f * partials[i], 0.35f / (i + 1), 0.002f, 3.0f);
    return c.s;
}

std::vector<float> Horn()
{
    Canvas c(1.9f);
    Note(c, 0.0f, "brass", 55, 0.28f, 0.9f);  // G3
    Note(c, 0.3f, "brass", 60, 1.2f, 1.0f);   // C4
    Note(c, 0.3f, "brass", 48, 1.2f, 0.6f);   // C3 below for body
    return c.s;
}

std::vector<float> ArcaneCast()
{
    Canvas c(0.8f);
    Sweep(c, 0.0f, 0.7f, 300.0f, 1200.0f, 0.5f, 0.1f, 3.0f, Wave::Triangle);
    Sweep(c, 0.0f, 0.7f, 302.0f * 1.5f, 1206.0f * 1.5f, 0.3f, 0.1f, 3.0f);
    Note(c, 0.35f, "bell", 88, 0.1f, 0.4f);
    return c.s;
}

std::vector<float> ArcaneHit()
{
    Canvas c(0.5f);
    Rng rng(9);
    Sweep(c, 0.0f, 0.25f, 1500.0f, 200.0f, 0.8f, 0.001f, 4.0f, Wave::Triangle);
    Noise(c, rng, 0.0f, 0.4f, Biquad::BandPass, 3000.0f, 800.0f, 1.2f, 0.5f, 0.001f, 4.0f);
    return c.s;
}

std::vector<float> HealCast()
{
    Canvas c(1.4f);
    const float notes[] = {72, 76, 79, 84, 88};  // a rising C major arpeggio
    for (int i = 0; i < 5; ++i) Note(c, i * 0.09f, "bell", notes[i], 0.1f, 0.5f, 20 + i);
    Note(c, 0.0f, "pad", 72, 0.6f, 0.5f);
    return c.s;
}

std::vector<float> HealHit()
{
    Canvas c(1.2f);
    Note(c, 0.0f, "bell", 91, 0.2f, 0.5f, 30);
    Note(c, 0.12f, "bell", 96, 0.2f, 0.4f, 31);
    Sweep(c, 0.0f, 1.0f, 523.0f, 1046.0f, 0.2f, 0.2f, 3.0f);
    return c.s;
}

std::vector<float> FireCast()
{
    Canvas c(0.9f);
    Rng rng(11);
    Noise(c, rng, 0.0f, 0.8f, Biquad::BandPass, 300.0f, 2500.0f, 0.9f, 1.0f, 0.25f, 3.0f);
    Crackle(c, rng, 0.05f, 0.75f, 60.0f, 2500.0f, 0.6f);
    return c.s;
}

std::vector<float> FireHit()
{
    Canvas c(1.2f);
    Rng rng(12);
    Sweep(c, 0.0f, 0.5f, 120.0f, 40.0f, 1.0f, 0.002f, 4.0f);
    Noise(c, rng, 0.0f, 1.0f, Biquad::LowPass, 4000.0f, 300.0f, 0.7f, 0.9f, 0.002f, 4.0f);
    Crackle(c, rng, 0.1f, 1.0f, 80.0f, 2200.0f, 0.7f);
    return c.s;
}

std::vector<float> BurnHit()
{
    Canvas c(1.0f);
    Rng rng(13);
    Noise(c, rng, 0.0f, 0.9f, Biquad::HighPass, 3000.0f, 5000.0f, 0.7f, 0.5f, 0.01f, 2.0f);  // sizzle
    Crackle(c, rng, 0.0f, 0.9f, 120.0f, 3500.0f, 0.7f);
    return c.s;
}

std::vector<float> WaterCast()
{
    Canvas c(0.8f);
    Rng rng(14);
    for (int i = 0; i < 9; ++i) {
        float t = i * 0.07f + rng.Uniform() * 0.03f;
        float f = 400.0f + 120.0f * i + rng.Uniform() * 200.0f;
        Sweep(c, t, 0.07f, f, f * 1.8f, 0.45f, 0.003f, 3.0f);  // bubbles rise in pitch as they burst
    }
    Noise(c, rng, 0.0f, 0.75f, Biquad::BandPass, 800.0f, 1600.0f, 1.0f, 0.25f, 0.1f, 3.0f);
    return c.s;
}

std::vector<float> WaterHit()
{
    Canvas c(1.0f);
    Rng rng(15);
    Noise(c, rng, 0.0f, 0.8f, Biquad::BandPass, 3000.0f, 700.0f, 0.8f, 1.0f, 0.003f, 5.0f);  // splash
    for (int i = 0; i < 6; ++i) {
        float t = 0.1f + i * 0.1f + rng.Uniform() * 0.05f;
        float f = 500.0f + rng.Uniform() * 500.0f;
        Sweep(c, t, 0.06f, f, f * 1.7f, 0.3f, 0.003f, 3.0f);
    }
    return c.s;
}

std::vector<float> FreezeHit()
{
    Canvas c(1.3f);
    Rng rng(16);
    Crackle(c, rng, 0.0f, 0.5f, 200.0f, 6000.0f, 0.5f);
    const float partials[] = {2093.0f, 2637.0f, 3136.0f, 4186.0f};  // glassy C major tones
    for (int i = 0; i < 4; ++i) Sweep(c, 0.05f * i, 1.1f, partials[i], partials[i], 0.25f, 0.002f, 4.0f);
    Noise(c, rng, 0.0f, 0.6f, Biquad::HighPass, 5000.0f, 8000.0f, 0.7f, 0.3f, 0.002f, 4.0f);
    return c.s;
}

std::vector<float> EarthCast()
{
    Canvas c(1.0f);
    Rng rng(17);
    Noise(c, rng, 0.0f, 0.9f, Biquad::LowPass, 150.0f, 500.0f, 0.9f, 1.5f, 0.3f, 2.5f);  // rumble
    Sweep(c, 0.0f, 0.9f, 45.0f, 70.0f, 0.6f, 0.3f, 2.5f);
    Crackle(c, rng, 0.2f, 0.7f, 40.0f, 1200.0f, 0.5f);
    return c.s;
}

std::vector<float> EarthHit()
{
    Canvas c(1.1f);
    Rng rng(18);
    Sweep(c, 0.0f, 0.6f, 90.0f, 35.0f, 1.0f, 0.002f, 4.0f);
    Noise(c, rng, 0.0f, 0.5f, Biquad::LowPass, 1500.0f, 200.0f, 0.7f, 1.0f, 0.002f, 5.0f);
    Crackle(c, rng, 0.05f, 1.0f, 90.0f, 1500.0f, 0.8f);  // stones settling
    return c.s;
}

std::vector<float> StoneHit()
{
    Canvas c(0.9f);
    Rng rng(19);
    Crackle(c, rng, 0.0f, 0.8f, 250.0f, 900.0f, 0.9f);  // grinding as flesh turns to stone
    Noise(c, rng, 0.0f, 0.8f, Biquad::BandPass, 400.0f, 250.0f, 1.5f, 0.5f, 0.05f, 3.0f);
    return c.s;
}

std::vector<float> WindCast()
{
    Canvas c(1.0f);
    Rng rng(20);
    Noise(c, rng, 0.0f, 0.95f, Biquad::BandPass, 400.0f, 2000.0f, 2.5f, 1.2f, 0.35f, 2.0f);
    Noise(c, rng, 0.1f, 0.8f, Biquad::BandPass, 900.0f, 3000.0f, 6.0f, 0.6f, 0.3f, 2.0f);  // whistle
    return c.s;
}

std::vector<float> WindHit()
{
    Canvas c(0.8f);
    Rng rng(21);
    Noise(c, rng, 0.0f, 0.7f, Biquad::BandPass, 3000.0f, 500.0f, 1.2f, 1.0f, 0.02f, 3.0f);
    Sweep(c, 0.0f, 0.2f, 120.0f, 60.0f, 0.5f, 0.002f, 4.0f);
    return c.s;
}

std::vector<float> ZapHit()
{
    Canvas c(0.8f);
    Rng rng(22);
    // Lightning: a harsh buzzing crack that rolls off into a low thunder.
    Sweep(c, 0.0f, 0.25f, 2400.0f, 300.0f, 0.5f, 0.001f, 3.0f, Wave::Saw);
    Noise(c, rng, 0.0f, 0.15f, Biquad::HighPass, 2000.0f, 2000.0f, 0.7f, 0.9f, 0.001f, 4.0f);
    Noise(c, rng, 0.05f, 0.7f, Biquad::LowPass, 400.0f, 100.0f, 0.7f, 1.2f, 0.02f, 3.0f);
    return c.s;
}

}  // namespace

const std::vector<Effect>& Effects()
{
    static const std::vector<Effect> list = {
        {"Click", 0.5f, Click},           {"CardHover", 0.3f, CardHover},     {"CardSelect", 0.5f, CardSelect},
        {"HitSound", 0.8f, HitSound},     {"DeathSound", 0.8f, DeathSound},   {"SpellMiss", 0.6f, SpellMiss},
        {"Walking", 0.5f, Walking},       {"TokenCollect", 0.6f, TokenCollect},
        {"Sword_Announcement", 0.6f, SwordAnnouncement},                      {"Horn", 0.7f, Horn},
        {"ArcaneCast", 0.6f, ArcaneCast}, {"ArcaneHit", 0.7f, ArcaneHit},     {"HealCast", 0.6f, HealCast},
        {"HealHit", 0.6f, HealHit},       {"FireCast", 0.7f, FireCast},       {"FireHit", 0.8f, FireHit},
        {"BurnHit", 0.6f, BurnHit},       {"WaterCast", 0.6f, WaterCast},     {"WaterHit", 0.7f, WaterHit},
        {"FreezeHit", 0.6f, FreezeHit},   {"EarthCast", 0.7f, EarthCast},     {"EarthHit", 0.8f, EarthHit},
        {"StoneHit", 0.7f, StoneHit},     {"WindCast", 0.6f, WindCast},       {"WindHit", 0.7f, WindHit},
        {"ZapHit", 0.8f, ZapHit},
    };
    return list;
}

}  // namespace synth
