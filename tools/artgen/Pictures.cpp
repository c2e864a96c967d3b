// Large pictures: the campaign maps, the intro cards and the credits' stranger.
#include <cmath>

#include "CampaignMap.h"
#include "Catalogue.h"
#include "Paint.h"
#include "Thumbnails.h"

using namespace pal;

namespace {
// Letters with a dark outline and a soft drop shadow, as on the intro cards.
void Lettering(Image& img, const Font& f, const std::string& text, int cx, int y, float size, Rgba fill)
{
    Image layer(img.width(), img.height());
    f.DrawCentred(layer, text, cx, y, size, fill);
    Image shadow(img.width(), img.height());
    f.DrawCentred(shadow, text, cx + int(size / 24) + 1, y + int(size / 24) + 1, size, WithAlpha(ink, 90));
    img.blit(shadow, 0, 0);
    img.blit(layer, 0, 0);
}

Image Ostrand(const ArtContext& a)
{
    // Studio card (1024 x 247): a sun rising over a wave, then the name.
    Image img(1024, 247);
    Image emblem(96, 96);
    paint::ShadedEllipse(emblem, 48, 48, 44, 44, {Hex(0x8a5a1e), amber, gold, cream});
    for (int y = 10; y < 87; ++y)  // evening sky, darker towards the top
        for (int x = 10; x < 87; ++x)
            if (std::hypot(x + 0.5f - 48, y + 0.5f - 48) <= 38)
                emblem.set(x, y, paint::Dithered(std::array<Rgba, 4>{indigo, grape1, rose1, coral}, (y - 10) / 52.0f, x, y));
    emblem.ellipse(48, 56, 20, 20, orange);
    emblem.ellipse(48, 56, 15, 15, gold);
    for (int y = 58; y < 90; ++y)
        for (int x = 8; x < 88; ++x) {
            float wave = 62 + std::sin(x / 6.0f) * 3;
            if (y > wave && emblem.get(x, y).a) emblem.set(x, y, (y - int(wave)) < 3 ? ice : blue);
        }
    emblem.outline(ink);
    img.blit(emblem.scaled(2), 24, 28);
    Lettering(img, a.serif, "OSTRAND", 600, 42, 132, pal::ink);
    Lettering(img, a.sans, "G  A  M  E     S  T  U  D  I  O", 600, 178, 30, rust);
    return img;
}

Image AudioCard(const ArtContext& a)
{
    // Credits the sound stack the game is built on, in plain words (728 x 192).
    Image img(728, 192);
    Image speaker(48, 48);
    paint::ShadedRect(speaker, 6, 16, 10, 16, {dusk, slate, lilac, mist});
    speaker.polygon({16, 16, 28, 5, 28, 43, 16, 32}, slate);
    for (int r = 0; r < 3; ++r)
        for (float t = -0.8f; t <= 0.8f; t += 0.02f)
            speaker.set(int(30 + (6 + r * 6) * std::cos(t)), int(24 + (6 + r * 6) * std::sin(t)), r == 1 ? sky : blue);
    speaker.outline(ink);
    img.blit(speaker.scaled(3), 16, 24);
    a.sans.Draw(img, "Sound and music played with", 190, 34, 30, dusk);
    a.serif.Draw(img, "OpenAL Soft", 190, 74, 54, ink);
    a.sans.Draw(img, "and libsndfile", 190, 138, 30, dusk);
    return img;
}

Image Vellum(const ArtContext& a)
{
    // The team's emblem (561 x 734): a rolled vellum sheet with a quill, the name beneath.
    Image art(140, 150);
    paint::ShadedRect(art, 22, 20, 96, 110, {taupe, Hex(0xdcc197), Hex(0xecd9b4), Hex(0xf7ecd3)});
    paint::ShadedEllipse(art, 70, 20, 52, 9, {bark3, Hex(0xdcc197), Hex(0xecd9b4), Hex(0xf7ecd3)});
    paint::ShadedEllipse(art, 70, 130, 52, 9, {bark3, Hex(0xdcc197), Hex(0xecd9b4), Hex(0xf7ecd3)});
    for (int y = 40; y < 115; y += 10) art.rect(34, y, 60 - (y % 20), 2, Hex(0xc9a97c));
    // Quill.
    art.polygon({100, 118, 104, 92, 114, 60, 128, 28, 138, 8, 139, 30, 132, 58, 120, 90, 106, 116}, white);
    art.polygon({106, 116, 120, 90, 132, 58, 139, 30, 136, 60, 126, 90, 110, 116}, pale);
    art.line(100, 124, 136, 14, mist);
    for (int i = 0; i < 6; ++i) art.line(112 + i * 4, 96 - i * 13, 118 + i * 4, 96 - i * 13 - 4, mist);
    art.rect(98, 120, 3, 9, ink);
    // Wax seal.
    paint::ShadedEllipse(art, 44, 112, 12, 12, {blood, crimson, red, salmon});
    art.outline(ink);
    Image img(561, 734);
    img.blit(art.scaled(3), 70, 40);
    Lettering(img, a.serif, "VELLUM", 280, 520, 120, wine);
    a.sans.DrawCentred(img, "the team behind the game", 280, 668, 30, dusk);
    return img;
}

Image Stranger()
{
    // A hooded figure seen from the front, face in shadow.
    Image img(64, 64);
    paint::ShadedPolygon(img, {14, 64, 20, 30, 32, 10, 44, 30, 50, 64}, {ink, dusk, Hex(0x4a3a55), slate});
    paint::ShadedEllipse(img, 32, 26, 10, 12, {ink, dusk, Hex(0x4a3a55), slate});
    img.ellipse(32, 29, 7, 8, Hex(0x140f1c));
    img.set(29, 29, gold);
    img.set(35, 29, gold);
    img.outline(ink);
    return img.scaled(2);
}
}  // namespace

void AddPictures(Catalogue& c)
{
    c.Add("CampaignMap", [](const ArtContext&) { return CampaignMapPicture(false); });
    c.Add("CampaignMap2", [](const ArtContext&) { return CampaignMapPicture(true); });
    AddThumbnails(c);
    c.Add("Mysterious_Man", [](const ArtContext&) { return Stranger(); });
    c.Add("Ostrand_Logo", Ostrand);
    c.Add("Fmod_Logo", AudioCard);
    c.Add("Vellum_Logo", Vellum);
}
