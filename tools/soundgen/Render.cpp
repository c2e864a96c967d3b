#include "Render.h"

#include <algorithm>
#include <sndfile.h>

#include "Instruments.h"

namespace synth {
namespace {

constexpr float kTailSeconds = 4.0f;

float Knee(float x)
{
    const float knee = 0.8f, room = 1.0f - knee - 0.02f;
    float a = std::fabs(x);
    if (a <= knee) return x;
    float y = knee + room * std::tanh((a - knee) / room);
    return x < 0 ? -y : y;
}

void AddNote(const Score& score, const NoteEvent& e, std::size_t index, Stereo& dry, Stereo& send)
{
    const Track& t = score.tracks[e.track];
    const double secondsPerBeat = 60.0 / score.tempo;
    // Each note gets its own noise seed, so a change in one place does not reshuffle the rest.
    Rng rng(static_cast<std::uint32_t>(index * 2654435761u + 12345u));
    std::size_t start = static_cast<std::size_t>(std::llround(e.beat * secondsPerBeat * kRate));
    float held = static_cast<float>(e.beats * secondsPerBeat);
    if (t.drum) {
        auto hit = RenderDrum(t.instrument, e.velocity * (0.92f + 0.08f * rng.Uniform()), rng);
        MixIn(dry, hit, start, t.volume, t.pan);
        MixIn(send, hit, start, t.volume * t.reverb, t.pan);
        return;
    }
    // Notes a hair short of their length keep repeated notes distinct; a player's small
    // unevenness in touch and timing keeps a loop heard many times from sounding mechanical.
    held = std::max(0.03f, held - 0.02f);
    float velocity = e.velocity * (0.94f + 0.12f * rng.Uniform());
    std::size_t jitter = static_cast<std::size_t>(rng.Uniform() * 0.006f * kRate);
    start = start >= jitter / 2 ? start + jitter - jitter / 2 : start;
    if (t.wide) {
        for (int side = -1; side <= 1; side += 2) {
            auto note = RenderNote(t.instrument, e.midi + side * 0.06f, held, velocity, rng);
            float pan = std::clamp(t.pan + side * 0.6f, -1.0f, 1.0f);
            MixIn(dry, note, start, t.volume * 0.7f, pan);
            MixIn(send, note, start, t.volume * 0.7f * t.reverb, pan);
        }
        return;
    }
    auto note = RenderNote(t.instrument, e.midi, held, velocity, rng);
    MixIn(dry, note, start, t.volume, t.pan);
    MixIn(send, note, start, t.volume * t.reverb, t.pan);
}

}  // namespace

Stereo RenderScore(const Score& score, int onlyTrack)
{
    const std::size_t loop = static_cast<std::size_t>(std::llround(score.totalBeats * 60.0 / score.tempo * kRate));
    const std::size_t total = loop + static_cast<std::size_t>(kTailSeconds * kRate);
    Stereo dry(total), send(total);
    for (std::size_t i = 0; i < score.notes.size(); ++i)
        if (onlyTrack < 0 || score.notes[i].track == onlyTrack) AddNote(score, score.notes[i], i, dry, send);
    Reverb reverb(score.reverbRoom, score.reverbDamp);
    reverb.Process(send, dry, 2.5f);
    for (std::size_t i = loop; i < total; ++i) {
        dry.left[i % loop] += dry.left[i];
        dry.right[i % loop] += dry.right[i];
    }
    dry.left.resize(loop);
    dry.right.resize(loop);
    return dry;
}

std::size_t Master(Stereo& audio, float targetRmsDb)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < audio.Frames(); ++i) sum += audio.left[i] * audio.left[i] + audio.right[i] * audio.right[i];
    // A constant offset over the whole loop is removed as a constant, so the seam stays intact.
    for (auto* ch : {&audio.left, &audio.right}) {
        double mean = 0.0;
        for (float s : *ch) mean += s;
        mean /= std::max<std::size_t>(1, ch->size());
        for (float& s : *ch) s -= static_cast<float>(mean);
    }
    sum = 0.0;
    for (std::size_t i = 0; i < audio.Frames(); ++i) sum += audio.left[i] * audio.left[i] + audio.right[i] * audio.right[i];
    double rms = std::sqrt(sum / std::max<std::size_t>(1, audio.Frames() * 2));
    float gain = rms > 0 ? static_cast<float>(std::pow(10.0, targetRmsDb / 20.0) / rms) : 1.0f;
    std::size_t kneed = 0;
    for (auto* ch : {&audio.left, &audio.right}) {
        for (float& s : *ch) {
            s *= gain;
            if (std::fabs(s) > 0.8f) ++kneed;
            s = Knee(s);
        }
    }
    return kneed;
}

std::size_t Master(std::vector<float>& mono, float peak)
{
    float top = 0.0f;
    for (float s : mono) top = std::max(top, std::fabs(s));
    if (top <= 0.0f) return 0;
    for (float& s : mono) s *= peak / top;
    return 0;
}

Levels Measure(const std::vector<float>& left, const std::vector<float>* right)
{
    Levels lv;
    double sum = 0.0, dc = 0.0;
    float peak = 0.0f;
    float maxStep = 0.0f;
    std::size_t n = left.size();
    for (const auto* ch : {&left, right}) {
        if (!ch) continue;
        for (std::size_t i = 0; i < n; ++i) {
            float s = (*ch)[i];
            peak = std::max(peak, std::fabs(s));
            sum += double(s) * s;
            dc += s;
            if (std::fabs(s) >= 32767.0f / 32768.0f) ++lv.clipped;
            if (i > 0) maxStep = std::max(maxStep, std::fabs(s - (*ch)[i - 1]));
        }
        float jump = std::fabs((*ch)[0] - (*ch)[n - 1]);
        lv.loopJump = std::max(lv.loopJump, jump);
    }
    std::size_t count = n * (right ? 2 : 1);
    lv.peakDb = 20.0f * std::log10(std::max(peak, 1e-10f));
    lv.rmsDb = 10.0f * static_cast<float>(std::log10(std::max(sum / count, 1e-20)));
    lv.dcOffset = static_cast<float>(dc / count);
    lv.loopJump = maxStep > 0 ? lv.loopJump / maxStep : 0.0f;
    return lv;
}

bool WriteWav(const std::string& path, const std::vector<float>& left, const std::vector<float>* right)
{
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = right ? 2 : 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    std::vector<short> pcm;
    pcm.reserve(left.size() * info.channels);
    auto toPcm = [](float s) { return static_cast<short>(std::lrint(std::clamp(s, -1.0f, 1.0f) * 32767.0f)); };
    for (std::size_t i = 0; i < left.size(); ++i) {
        pcm.push_back(toPcm(left[i]));
        if (right) pcm.push_back(toPcm((*right)[i]));
    }
    sf_count_t wrote = sf_writef_short(file, pcm.data(), static_cast<sf_count_t>(left.size()));
    bool ok = wrote == static_cast<sf_count_t>(left.size());
    return sf_close(file) == 0 && ok;
}

}  // namespace synth
