#include "Inspect.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <vector>

#include <sndfile.h>
#include <stb_image_write.h>

#include "Dsp.h"

namespace synth {
namespace {

constexpr int kWidth = 1200, kWaveH = 150, kSpecH = 300, kSeamH = 120;
constexpr int kHeight = kWaveH + kSpecH + kSeamH;
constexpr int kFft = 2048;

void Fft(std::vector<std::complex<float>>& a)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        float ang = -2.0f * kPi / static_cast<float>(len);
        std::complex<float> wl(std::cos(ang), std::sin(ang));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<float> w(1.0f, 0.0f);
            for (std::size_t k = 0; k < len / 2; ++k, w *= wl) {
                auto u = a[i + k], v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

struct Image {
    std::vector<std::uint8_t> px = std::vector<std::uint8_t>(kWidth * kHeight * 3, 16);
    void Set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
        auto* p = &px[(y * kWidth + x) * 3];
        p[0] = r; p[1] = g; p[2] = b;
    }
};

void DrawWave(Image& img, const std::vector<float>& mono)
{
    for (int x = 0; x < kWidth; ++x) {
        std::size_t a = mono.size() * x / kWidth, b = std::max(a + 1, mono.size() * (x + 1) / kWidth);
        float lo = 0, hi = 0;
        for (std::size_t i = a; i < b && i < mono.size(); ++i) { lo = std::min(lo, mono[i]); hi = std::max(hi, mono[i]); }
        int y0 = static_cast<int>((1 - hi) * 0.5f * kWaveH), y1 = static_cast<int>((1 - lo) * 0.5f * kWaveH);
        for (int y = y0; y <= y1; ++y) img.Set(x, y, 90, 200, 120);
        img.Set(x, kWaveH / 2, 60, 60, 60);
    }
}

void DrawSpectrogram(Image& img, const std::vector<float>& mono, int rate)
{
    std::vector<std::complex<float>> buf(kFft);
    const float fLo = 40.0f, fHi = 16000.0f;
    for (int x = 0; x < kWidth; ++x) {
        std::size_t centre = mono.size() * x / kWidth;
        for (int i = 0; i < kFft; ++i) {
            long idx = static_cast<long>(centre) + i - kFft / 2;
            float s = idx >= 0 && idx < static_cast<long>(mono.size()) ? mono[idx] : 0.0f;
            float hann = 0.5f - 0.5f * std::cos(2.0f * kPi * i / (kFft - 1));
            buf[i] = {s * hann, 0.0f};
        }
        Fft(buf);
        for (int y = 0; y < kSpecH; ++y) {
            float f = fLo * std::pow(fHi / fLo, 1.0f - static_cast<float>(y) / kSpecH);
            int bin = std::clamp(static_cast<int>(f * kFft / rate), 1, kFft / 2 - 1);
            float db = 20.0f * std::log10(std::abs(buf[bin]) / (kFft / 4) + 1e-9f);
            float v = std::clamp((db + 90.0f) / 80.0f, 0.0f, 1.0f);  // -90 dB black .. -10 dB white
            img.Set(x, kWaveH + y, static_cast<std::uint8_t>(255 * std::min(1.0f, v * 1.6f)),
                    static_cast<std::uint8_t>(255 * v * v), static_cast<std::uint8_t>(255 * std::max(0.0f, v - 0.6f) * 2.5f));
        }
    }
}

// The end of the file followed by its beginning, as the loop plays them; the join is marked.
void DrawSeam(Image& img, const std::vector<float>& mono, int rate)
{
    const long half = rate * 30 / 1000;
    const long n = static_cast<long>(mono.size());
    float top = 1e-6f;
    for (long i = -half; i < half; ++i) top = std::max(top, std::fabs(mono[(i + n) % n]));
    int prevY = -1;
    for (int x = 0; x < kWidth; ++x) {
        long i = -half + 2 * half * x / kWidth;
        float s = mono[(i + n) % n] / top;
        int y = kWaveH + kSpecH + static_cast<int>((1 - s) * 0.5f * (kSeamH - 4)) + 2;
        for (int yy = std::min(y, prevY < 0 ? y : prevY); yy <= std::max(y, prevY < 0 ? y : prevY); ++yy)
            img.Set(x, yy, 230, 230, 110);
        prevY = y;
        if (x == kWidth / 2)
            for (int yy = kWaveH + kSpecH; yy < kHeight; yy += 3) img.Set(x, yy, 200, 60, 60);
    }
}

}  // namespace

bool InspectToPng(const std::string& wavPath, const std::string& pngPath)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(wavPath.c_str(), SFM_READ, &info);
    if (!file) return false;
    std::vector<float> frames(static_cast<std::size_t>(info.frames) * info.channels);
    sf_readf_float(file, frames.data(), info.frames);
    sf_close(file);
    std::vector<float> mono(static_cast<std::size_t>(info.frames));
    for (std::size_t i = 0; i < mono.size(); ++i) {
        float sum = 0;
        for (int c = 0; c < info.channels; ++c) sum += frames[i * info.channels + c];
        mono[i] = sum / info.channels;
    }
    if (mono.empty()) return false;
    Image img;
    DrawWave(img, mono);
    DrawSpectrogram(img, mono, info.samplerate);
    DrawSeam(img, mono, info.samplerate);
    return stbi_write_png(pngPath.c_str(), kWidth, kHeight, 3, img.px.data(), kWidth * 3) != 0;
}

}  // namespace synth
