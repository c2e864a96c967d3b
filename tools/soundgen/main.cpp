// soundgen: renders the game's music (scores in data/audio/*.txt) and sound effects to WAV files.
// Usage: soundgen SCORE_DIR OUT_DIR        renders everything
//        soundgen --inspect WAV PNG         draws waveform, spectrogram and loop seam of a file
//        soundgen --stems SCORE_DIR NAME    prints each track's level against the whole mix
// Prints one line of measurements per file (levels, clipping, loop seam) for whoever tunes them.
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "Effects.h"
#include "Inspect.h"
#include "Render.h"
#include "Score.h"

namespace {

const char* const kPieces[] = {"MenuMusic", "BattleMusic", "DiscoMusic", "VictoryMusic"};
constexpr float kMusicRmsDb = -17.0f;

void Report(const std::string& name, std::size_t frames, const synth::Levels& lv, std::size_t kneed)
{
    std::printf("%-20s %6.2f s  peak %6.1f dBFS  rms %6.1f dBFS  dc %+.5f  clipped %zu  kneed %zu  seam %.2f\n",
                name.c_str(), static_cast<double>(frames) / synth::kRate, lv.peakDb, lv.rmsDb, lv.dcOffset,
                lv.clipped, kneed, lv.loopJump);
}

bool LoadScore(const std::string& scoreDir, const std::string& name, synth::Score& score)
{
    std::ifstream in(scoreDir + "/" + name + ".txt");
    if (!in) {
        std::fprintf(stderr, "soundgen: cannot read %s/%s.txt\n", scoreDir.c_str(), name.c_str());
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    if (!synth::ParseScore(text.str(), score, error)) {
        std::fprintf(stderr, "soundgen: %s.txt %s\n", name.c_str(), error.c_str());
        return false;
    }
    return true;
}

int Stems(const std::string& scoreDir, const std::string& name)
{
    synth::Score score;
    if (!LoadScore(scoreDir, name, score)) return 1;
    synth::Stereo mix = synth::RenderScore(score);
    float mixDb = synth::Measure(mix.left, &mix.right).rmsDb;
    for (std::size_t t = 0; t < score.tracks.size(); ++t) {
        synth::Stereo solo = synth::RenderScore(score, static_cast<int>(t));
        synth::Levels lv = synth::Measure(solo.left, &solo.right);
        std::printf("%-10s %-10s rms %+6.1f dB  peak %+6.1f dB (against the mix's rms)\n", score.tracks[t].name.c_str(),
                    score.tracks[t].instrument.c_str(), lv.rmsDb - mixDb, lv.peakDb - mixDb);
    }
    return 0;
}

bool MakePiece(const std::string& scoreDir, const std::string& outDir, const std::string& name)
{
    synth::Score score;
    if (!LoadScore(scoreDir, name, score)) return false;
    // A repeated section repeats its clashes; each is worth one line.
    for (const auto& clash : std::set<std::string>(score.clashes.begin(), score.clashes.end()))
        std::printf("%s: off-chord note on the beat: %s\n", name.c_str(), clash.c_str());
    synth::Stereo audio = synth::RenderScore(score);
    std::size_t kneed = synth::Master(audio, kMusicRmsDb);
    Report(name, audio.Frames(), synth::Measure(audio.left, &audio.right), kneed);
    return synth::WriteWav(outDir + "/" + name + ".wav", audio.left, &audio.right);
}

bool MakeEffect(const std::string& outDir, const synth::Effect& effect)
{
    std::vector<float> sound = effect.make();
    synth::Master(sound, effect.peak);
    // The last few milliseconds always fade out, whatever the effect's own envelope did.
    const std::size_t fade = std::min<std::size_t>(sound.size(), synth::kRate / 200);
    for (std::size_t i = 0; i < fade; ++i) sound[sound.size() - 1 - i] *= static_cast<float>(i) / fade;
    Report(effect.name, sound.size(), synth::Measure(sound, nullptr), 0);
    return synth::WriteWav(outDir + "/" + effect.name + ".wav", sound, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--inspect") return synth::InspectToPng(argv[2], argv[3]) ? 0 : 1;
    if (argc == 4 && std::string(argv[1]) == "--stems") return Stems(argv[2], argv[3]);
    if (argc != 3) {
        std::fprintf(stderr, "usage: soundgen SCORE_DIR OUT_DIR\n");
        return 2;
    }
    const std::string scoreDir = argv[1], outDir = argv[2];
    bool ok = true;
    for (const char* piece : kPieces) ok = MakePiece(scoreDir, outDir, piece) && ok;
    for (const auto& effect : synth::Effects()) ok = MakeEffect(outDir, effect) && ok;
    return ok ? 0 : 1;
}
