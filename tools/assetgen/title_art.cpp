// The two title pictures: a gradient sky, a labyrinth floor running to the horizon
// and the logo, with the upper left kept calm for the credit lines the game draws
// over it (x from 0.1, y from 0.10 to 0.64 of the screen).
#include <algorithm>
#include <cmath>
#include <string>

#include "assetgen.h"
#include "text_raster.h"

namespace vorantis::assetgen {

namespace {

constexpr int kWidth = 1920, kHeight = 1080;
constexpr float kHorizon = 0.66f * kHeight;

struct Palette {
  Color skyTop, skyHorizon, sun, wall, floor, blue, pink, logoTop, logoBottom;
};

// Whether a labyrinth cell is open; a fixed hash, so the floor is a stable maze.
bool Open(int u, int v) {
  std::uint32_t h = static_cast<std::uint32_t>(u) * 73856093u ^ static_cast<std::uint32_t>(v) * 19349663u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return (u % 2 == 0 && v % 2 == 0) ? true : (u % 2 != 0 && v % 2 != 0) ? false : (h & 3) != 0;
}

void Sky(Canvas& c, const Palette& p, std::uint64_t seed) {
  for (int y = 0; y < kHorizon; ++y) {
    float t = std::pow(y / kHorizon, 1.6f);
    Color row = Mix(p.skyTop, p.skyHorizon, t);
    for (int x = 0; x < kWidth; ++x) c.At(x, y) = row;
  }
  Rng rng(seed);
  for (int i = 0; i < 420; ++i) {
    float x = static_cast<float>(rng.Range(0, kWidth)), y = static_cast<float>(rng.Range(0, kHorizon * 0.8));
    float b = static_cast<float>(rng.Range(0.2, 0.9)) * (1 - y / kHorizon);
    c.Add(static_cast<int>(x), static_cast<int>(y), {1, 1, 1, 1}, b);
  }
  c.Glow(kWidth * 0.72f, kHorizon, 520, p.sun, 1.6f);
}

void FloorToHorizon(Canvas& c, const Palette& p) {
  const float cx = kWidth * 0.5f;
  for (int y = static_cast<int>(kHorizon); y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      Color sum{0, 0, 0, 1};
      for (int s = 0; s < 4; ++s) {
        float sx = x + (s % 2) * 0.5f + 0.25f, sy = y + (s / 2) * 0.5f + 0.25f;
        float depth = 260.0f / std::max(0.5f, sy - kHorizon);  // cells away
        float u = (sx - cx) * depth / 90.0f, v = depth * 2.0f;
        int cu = static_cast<int>(std::floor(u)) + 4000, cv = static_cast<int>(std::floor(v));
        float fu = u - std::floor(u), fv = v - std::floor(v);
        Color cell = !Open(cu, cv)                  ? p.wall
                     : ((cu * 7 + cv * 3) % 11 < 4) ? p.blue
                     : ((cu + cv) % 13 == 0)        ? p.pink
                                                    : p.floor;
        float edge = std::min({fu, 1 - fu, fv, 1 - fv});
        if (edge < 0.06f) cell = Mix(cell, {0, 0, 0, 1}, 0.5f);
        float fog = std::clamp(1.0f - (sy - kHorizon) / (kHeight - kHorizon), 0.0f, 1.0f);
        cell = Mix(cell, p.skyHorizon, std::pow(fog, 3.0f));
        sum.r += cell.r / 4;
        sum.g += cell.g / 4;
        sum.b += cell.b / 4;
      }
      c.At(x, y) = sum;
    }
}

void Logo(Canvas& c, const Palette& p, const std::string& fontFile) {
  TextRaster big(fontFile, 190);
  Coverage fill = big.Render("VORANTIS", 24, 6);
  Coverage outline = Dilate(fill, 7);
  int left = (kWidth - fill.width) / 2, top = static_cast<int>(kHeight * 0.655f);
  for (int y = 0; y < fill.height; ++y)
    for (int x = 0; x < fill.width; ++x) {
      float t = static_cast<float>(y) / fill.height;
      c.Blend(left + x + 8, top + y + 10, {0, 0, 0, 1}, 0.5f * outline.At(x, y));
      c.Blend(left + x, top + y, Rgb(14, 8, 30), outline.At(x, y));
      Color face = Mix(p.logoTop, p.logoBottom, t);
      if (t > 0.48f && t < 0.53f) face = Mix(face, {1, 1, 1, 1}, 0.5f);
      c.Blend(left + x, top + y, face, fill.At(x, y));
    }
  TextRaster small(fontFile, 34);
  Coverage studio = small.Render("A HALCYON FOUNDRY GAME", 4, 8);
  Coverage studioOutline = Dilate(studio, 2.5f);
  int sl = (kWidth - studio.width) / 2, st = top + fill.height - 10;
  for (int y = 0; y < studio.height; ++y)
    for (int x = 0; x < studio.width; ++x) {
      c.Blend(sl + x, st + y, Rgb(14, 8, 30), studioOutline.At(x, y));
      c.Blend(sl + x, st + y, Rgb(240, 240, 250), studio.At(x, y));
    }
}

Canvas Title(const Palette& p, std::uint64_t seed, const std::string& fontFile) {
  Canvas c(kWidth, kHeight, {0, 0, 0, 1});
  Sky(c, p, seed);
  FloorToHorizon(c, p);
  // A dark panel with feathered edges behind the credit lines.
  for (int y = static_cast<int>(kHeight * 0.06f); y < kHeight * 0.655f; ++y)
    for (int x = static_cast<int>(kWidth * 0.06f); x < kWidth * 0.955f; ++x) {
      float dx = std::min(x - kWidth * 0.06f, kWidth * 0.955f - x),
            dy = std::min(y - kHeight * 0.06f, kHeight * 0.655f - y);
      float k = std::clamp(std::min(dx, dy) / 40.0f, 0.0f, 1.0f);
      c.Blend(x, y, Rgb(6, 4, 18), 0.5f * k * k);
    }
  Logo(c, p, fontFile);
  return c;
}

}  // namespace

void WriteTitleImages(DataFolder& out, const std::string& fontFile) {
  Palette dusk{Rgb(14, 10, 46),   Rgb(190, 70, 120),  Rgb(255, 150, 90, 0.7f),
               Rgb(48, 30, 80),   Rgb(70, 60, 110),   Rgb(50, 120, 240),
               Rgb(230, 80, 170), Rgb(255, 244, 200), Rgb(255, 120, 60)};
  Palette night{Rgb(2, 12, 30),    Rgb(30, 120, 140),  Rgb(120, 255, 220, 0.5f),
                Rgb(20, 40, 70),   Rgb(40, 70, 100),   Rgb(60, 140, 255),
                Rgb(240, 90, 190), Rgb(210, 255, 250), Rgb(60, 170, 255)};
  out.WritePng("GFX/TITLE0.png", ToRgb(Title(dusk, 17, fontFile)));
  out.WritePng("GFX/TITLE1.png", ToRgb(Title(night, 23, fontFile)));
}

}  // namespace vorantis::assetgen
