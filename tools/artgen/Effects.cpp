// Particle textures (white and grey, tinted by the particle colours) and spell projectiles.
#include <cmath>

#include "Catalogue.h"
#include "Elements.h"
#include "Noise.h"
#include "Paint.h"

using namespace pal;

namespace {
constexpr int S = 64;
constexpr float kPi = 3.14159265f;

Image Radial(const std::function<float(float dx, float dy)>& alpha)
{
    Image img(S, S);
    paint::Generate(img, [&](int x, int y) {
        float a = alpha((x + 0.5f - S / 2.0f) / (S / 2.0f), (y + 0.5f - S / 2.0f) / (S / 2.0f));
        return Rgba{255, 255, 255, uint8_t(std::lround(std::clamp(a, 0.0f, 1.0f) * 255))};
    });
    return img;
}

float Soft(float dx, float dy)
{
    float d = std::sqrt(dx * dx + dy * dy);
    return std::exp(-d * d * 4.0f) * (d < 1 ? 1.0f : 0.0f);
}

float Spark(float dx, float dy)
{
    float d = std::sqrt(dx * dx + dy * dy);
    float cross = std::exp(-std::abs(dx) * 14) * std::exp(-std::abs(dy) * 2.2f) +
                  std::exp(-std::abs(dy) * 14) * std::exp(-std::abs(dx) * 2.2f);
    return cross + std::exp(-d * d * 30);
}

float Smoke(float dx, float dy)
{
    float d = std::sqrt(dx * dx + dy * dy);
    float n = noise::Fractal((dx + 1) * 3, (dy + 1) * 3, 64, 3, 77);
    return std::clamp((1.0f - d) * 1.6f, 0.0f, 1.0f) * (0.35f + n * 0.75f);
}

float Star(float dx, float dy)
{
    float ang = std::atan2(dy, dx) + kPi / 2;
    float d = std::sqrt(dx * dx + dy * dy);
    float r = 0.5f + 0.45f * (std::cos(ang * 5) * 0.5f + 0.5f);
    return d < r * 0.95f ? 1.0f : (d < r ? (r - d) * 20 : 0.0f);
}

float Drop(float dx, float dy)
{
    // Round bottom, pointed top.
    float y = dy + 0.15f;
    float w = y > 0 ? std::sqrt(std::max(0.0f, 0.36f - y * y)) : 0.6f * (1 + y / 0.85f);
    return (std::abs(dx) < w && y > -0.85f) ? 1.0f - 0.4f * std::max(0.0f, dx + 0.25f) : 0.0f;
}

float Leaf(float dx, float dy)
{
    float u = (dx + dy) * 0.7071f, v = (dx - dy) * 0.7071f;  // diagonal leaf
    float w = 0.35f * std::cos(u * kPi / 2 / 0.9f);
    if (std::abs(u) > 0.9f || std::abs(v) > w) return 0.0f;
    return std::abs(v) < 0.03f ? 0.55f : 0.95f;  // the midrib shows as a lighter line after tinting
}

float Ember(float dx, float dy)
{
    float d = std::sqrt(dx * dx + dy * dy);
    return d < 0.22f ? 1.0f : std::exp(-(d - 0.22f) * 6) * 0.7f * (d < 1 ? 1.0f : 0.0f);
}

float Ring(float dx, float dy)
{
    float d = std::sqrt(dx * dx + dy * dy);
    return std::exp(-std::pow((d - 0.75f) * 9, 2));
}

// Projectiles are painted flying to the right and stored pointing up (+y): the game turns a
// sprite by its flight angle minus 90 degrees, so up is the direction it flies.
Image Projectile(const ArtContext& a, int e)
{
    Image img(32, 32);
    const Ramp& r = element::Colours(e);
    // Trail of fading puffs.
    for (int i = 0; i < 5; ++i)
        img.ellipse(6.0f + i * 3.2f, 16, 1.5f + i * 0.8f, 1.2f + i * 0.7f, WithAlpha(r[1 + (i > 2)], 60 + i * 35));
    switch (e) {
    case 1:  // fireball
        paint::ShadedEllipse(img, 22, 16, 7, 6.5f, {brick, flame, orange, gold});
        img.ellipse(23, 15, 3, 3, cream);
        img.polygon({14, 12, 20, 10, 18, 14}, orange);
        img.polygon({14, 20, 20, 22, 18, 18}, orange);
        break;
    case 2:  // water orb with bubbles
        paint::ShadedEllipse(img, 22, 16, 6.5f, 6.5f, {navy, blue, sky, ice});
        img.ellipse(20, 14, 1.5f, 1.5f, white);
        img.ellipse(11, 11, 1.5f, 1.5f, ice);
        img.ellipse(13, 21, 1, 1, ice);
        break;
    case 3:  // hurled rock
        paint::ShadedEllipse(img, 22, 16, 7, 6, {bark0, bark1, bark2, bark3});
        img.line(19, 14, 23, 18, bark0);
        img.set(24, 13, leaf);
        img.set(25, 13, green);
        break;
    case 4:  // gust crescent
        for (float t = -1.2f; t < 1.2f; t += 0.05f) {
            img.ellipse(18 + std::cos(t) * 8, 16 + std::sin(t) * 9, 1.6f, 1.6f, teal3);
            img.set(int(17 + std::cos(t) * 6), int(16 + std::sin(t) * 7), teal4);
        }
        img.ellipse(20, 16, 2, 2, white);
        break;
    default:  // plain arcane bolt
        paint::ShadedEllipse(img, 22, 16, 5.5f, 5.5f, {grape2, grape3, grape4, white});
        element::DrawSymbol(img, a.maps.Get("Symbol_Normal"), 17, 11, white, white, grape1);
        break;
    }
    img.outline(WithAlpha(ink, 200), 200);
    return img.scaled(2).rotatedCCW();
}
}  // namespace

void AddEffects(Catalogue& c)
{
    struct P {
        const char* name;
        float (*fn)(float, float);
    };
    static const P particles[] = {{"Particle_Soft", Soft},   {"Particle_Spark", Spark}, {"Particle_Smoke", Smoke},
                                  {"Particle_Star", Star},   {"Particle_Drop", Drop},   {"Particle_Leaf", Leaf},
                                  {"Particle_Ember", Ember}, {"Particle_Ring", Ring}};
    for (const P& p : particles) c.Add(p.name, [fn = p.fn](const ArtContext&) { return Radial(fn); });
    static const char* projectiles[] = {"Projectile_Normal", "Projectile_Fire", "Projectile_Water", "Projectile_Earth",
                                        "Projectile_Wind"};
    for (int e = 0; e < element::kCount; ++e)
        c.Add(projectiles[e], [e](const ArtContext& a) { return Projectile(a, e); });
}
