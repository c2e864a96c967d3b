// The generated sounds as the game ships them (build/Assets/Audio) and the check of the list.
#include <algorithm>
#include <map>
#include <gtest/gtest.h>
#include <unistd.h>

#include "SoundTestSupport.h"
#include "audio/AudioAssetCheck.h"
#include "audio/AudioLayer.h"
#include "audio/SoundSystem.h"
#include "engine/Json.h"

namespace {

struct Decoded {
    audio::SoundInfo info;
    std::vector<short> pcm;
    double Seconds() const { return static_cast<double>(info.frames) / info.sampleRate; }
    float At(std::int64_t frame, int channel) const { return pcm[frame * info.channels + channel] / 32768.0f; }
};

// The list the build copies to Data/, with the files the generator wrote beside it.
class ShippedSounds : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists("Assets/Audio") || !std::filesystem::exists(SoundSystem::kAssetFile))
            GTEST_SKIP() << "run from a build folder where the game's content was built";
        json::Document doc;
        ASSERT_TRUE(json::ParseFile(SoundSystem::kAssetFile, doc).ok());
        const json::Value* list = nullptr;
        ASSERT_EQ(json::GetArray(doc, "audioAssets", list), json::Field::Ok);
        for (const auto& asset : list->GetArray()) {
            std::string name, path;
            ASSERT_EQ(json::GetString(asset, "name", name), json::Field::Ok);
            ASSERT_EQ(json::GetString(asset, "filePath", path), json::Field::Ok);
            Decoded d;
            ASSERT_EQ(audio::DecodeFile(path, d.info, &d.pcm), audio::kOk) << path;
            sounds[name] = std::move(d);
        }
    }
    static bool IsMusic(const std::string& name) { return name.size() > 5 && name.substr(name.size() - 5) == "Music"; }

    std::map<std::string, Decoded> sounds;
};

double RmsDb(const Decoded& d, std::int64_t from, std::int64_t to)
{
    double sum = 0.0;
    std::int64_t count = 0;
    for (std::int64_t f = std::max<std::int64_t>(0, from); f < std::min(to, d.info.frames); ++f)
        for (int c = 0; c < d.info.channels; ++c, ++count) sum += double(d.At(f, c)) * d.At(f, c);
    return 10.0 * std::log10(sum / std::max<std::int64_t>(1, count) + 1e-20);
}

TEST_F(ShippedSounds, ListPassesTheDataCheck)
{
    datacheck::Problems problems;
    audio::CheckAssetList(SoundSystem::kAssetFile, problems);
    for (const auto& line : problems.lines) ADD_FAILURE() << line;
}

TEST_F(ShippedSounds, MusicIsLongEnoughLoudEnoughAndNeverClips)
{
    for (const char* name : {"MenuMusic", "BattleMusic", "DiscoMusic", "VictoryMusic"}) {
        ASSERT_TRUE(sounds.count(name)) << name;
        const Decoded& d = sounds[name];
        EXPECT_EQ(d.info.channels, 2) << name;
        EXPECT_GE(d.Seconds(), 30.0) << name;
        EXPECT_LE(d.Seconds(), 90.0) << name;
        double rms = RmsDb(d, 0, d.info.frames);
        EXPECT_GT(rms, -24.0) << name;
        EXPECT_LT(rms, -12.0) << name;
        auto [lo, hi] = std::minmax_element(d.pcm.begin(), d.pcm.end());
        EXPECT_GT(*lo, -32767) << name << " touches full scale";
        EXPECT_LT(*hi, 32767) << name << " touches full scale";
        // Music all the way through: no second of it falls near silence.
        for (std::int64_t f = 0; f + d.info.sampleRate <= d.info.frames; f += d.info.sampleRate)
            EXPECT_GT(RmsDb(d, f, f + d.info.sampleRate), -40.0) << name << " at " << f / d.info.sampleRate << " s";
    }
}

TEST_F(ShippedSounds, MusicLoopsWithoutASeam)
{
    for (const auto& [name, d] : sounds) {
        if (!IsMusic(name)) continue;
        const std::int64_t n = d.info.frames, ms10 = d.info.sampleRate / 100;
        for (int c = 0; c < d.info.channels; ++c) {
            // The step from the last sample to the first is no bigger than steps inside the music.
            std::vector<float> steps;
            for (std::int64_t f = 1; f < n; ++f) steps.push_back(std::fabs(d.At(f, c) - d.At(f - 1, c)));
            std::nth_element(steps.begin(), steps.begin() + steps.size() * 999 / 1000, steps.end());
            float p999 = steps[steps.size() * 999 / 1000];
            EXPECT_LE(std::fabs(d.At(0, c) - d.At(n - 1, c)), p999) << name << " channel " << c;
        }
        // Neither side of the loop point fades: a tail cut short or a fade-in would show here.
        EXPECT_GT(RmsDb(d, n - ms10, n), -40.0) << name;
        EXPECT_GT(RmsDb(d, 0, ms10), -40.0) << name;
        EXPECT_LT(std::fabs(RmsDb(d, n - 4 * ms10, n) - RmsDb(d, 0, 4 * ms10)), 12.0) << name;
    }
}

TEST_F(ShippedSounds, EffectsAreShortAndEndCleanly)
{
    int effects = 0;
    for (const auto& [name, d] : sounds) {
        if (IsMusic(name)) continue;
        ++effects;
        EXPECT_LT(d.Seconds(), 5.0) << name;
        EXPECT_GT(d.Seconds(), 0.02) << name;
        EXPECT_GT(RmsDb(d, 0, d.info.frames), -35.0) << name << " is too quiet to hear";
        for (int c = 0; c < d.info.channels; ++c) {
            EXPECT_LT(std::fabs(d.At(d.info.frames - 1, c)), 0.01f) << name << " ends with a click";
            EXPECT_LT(std::fabs(d.At(0, c)), 0.05f) << name << " starts with a click";
        }
    }
    EXPECT_GE(effects, 10 + 10) << "the game's ten effects and the spells' cast and hit sounds";
}

TEST_F(ShippedSounds, EverythingDecodedFitsTheBudget)
{
    std::size_t bytes = 0;
    for (const auto& [name, d] : sounds) bytes += d.pcm.size() * sizeof(short);
    EXPECT_LT(bytes, 64u * 1024 * 1024);
}

class AssetListCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = soundtest::ScratchDir("assetcheck");
        tone = soundtest::WriteTone(dir, "tone.wav", 0.1);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::vector<std::string> Check(const std::string& json)
    {
        soundtest::WriteText(dir / "list.json", json);
        datacheck::Problems problems;
        audio::CheckAssetList((dir / "list.json").string(), problems);
        return problems.lines;
    }
    static bool Mentions(const std::vector<std::string>& lines, const std::string& text)
    {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(text) != std::string::npos; });
    }
    std::filesystem::path dir;
    std::string tone;
};

TEST_F(AssetListCheck, ReportsEveryKindOfProblem)
{
    soundtest::WriteText(dir / "noise.wav", "not audio");
    auto lines = Check(R"({"audioAssets": [{"name": "Click", "filePath": ")" + tone + R"("},
                                          {"name": "Click", "filePath": ")" + tone + R"("},
                                          {"name": "Horn", "filePath": ")" + (dir / "noise.wav").string() + R"("},
                                          {"name": "HitSound"}]})");
    EXPECT_TRUE(Mentions(lines, "\"Click\" is listed twice"));
    EXPECT_TRUE(Mentions(lines, "noise.wav does not decode"));
    EXPECT_TRUE(Mentions(lines, "entry 3: needs the strings"));
    EXPECT_TRUE(Mentions(lines, "needs a sound named \"MenuMusic\""));
    EXPECT_FALSE(Mentions(lines, "needs a sound named \"Click\""));
    EXPECT_TRUE(Mentions(Check("{\"audioAssets\": 3}"), "array \"audioAssets\""));
    EXPECT_TRUE(Mentions(Check("{\"audioAssets\": [1, 2"), "list.json"));
}

}  // namespace
