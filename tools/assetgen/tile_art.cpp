// Tile graphics: 64 x 64 pictures (the game zooms them to its tile size), opaque,
// drawn without the magenta key colour.
#include <algorithm>
#include <cmath>
#include <functional>

#include "assetgen.h"

namespace vorantis::assetgen {

namespace {

constexpr int kSize = 64;

// Value noise from a seeded lattice, smooth enough for stone and water.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) {
    Rng rng(seed);
    for (float& v : lattice_) v = static_cast<float>(rng.Unit());
  }
  float At(float x, float y) const {
    int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    float fx = x - xi, fy = y - yi;
    auto L = [&](int a, int b) { return lattice_[((a & 15) * 16 + (b & 15))]; };
    float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    float top = L(xi, yi) + (L(xi + 1, yi) - L(xi, yi)) * sx;
    float bottom = L(xi, yi + 1) + (L(xi + 1, yi + 1) - L(xi, yi + 1)) * sx;
    return top + (bottom - top) * sy;
  }

 private:
  float lattice_[256];
};

Canvas Surface(Color base, Color dark, std::uint64_t seed, float grain) {
  Noise noise(seed);
  Canvas c(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      // Period 16 lattice cells over 64 pixels: seamless between neighbouring fields.
      float n = 0.6f * noise.At(x / 8.0f, y / 8.0f) + 0.4f * noise.At(x / 4.0f + 3, y / 4.0f + 5);
      c.At(x, y) = Mix(base, dark, std::clamp(n * grain, 0.0f, 1.0f));
      c.At(x, y).a = 1;
    }
  return c;
}

// Light top-left edge, dark bottom-right edge: a raised or sunken square.
void Bevel(Canvas& c, int width, float light, float dark) {
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      int d = std::min({x, y, kSize - 1 - x, kSize - 1 - y});
      if (d >= width) continue;
      bool lit = std::min(x, y) == d;
      float k = (1 - static_cast<float>(d) / width);
      if (lit)
        c.Blend(x, y, {1, 1, 1, 1}, light * k);
      else
        c.Blend(x, y, {0, 0, 0, 1}, dark * k);
    }
}

Canvas Floor(Color base, Color dark, std::uint64_t seed) {
  Canvas c = Surface(base, dark, seed, 0.7f);
  Bevel(c, 4, 0.25f, 0.45f);
  return c;
}

// Colourable floor: lighter slate with an inset square. The edge fields are the same
// floor and colour the same way, so they are drawn over it.
Canvas PlainFloor() {
  Canvas c = Floor(Rgb(86, 94, 126), Rgb(56, 62, 88), 7);
  c.FillRoundRect(9, 9, 55, 55, 5, Rgb(120, 130, 170, 0.35f));
  c.FillRoundRect(12, 12, 52, 52, 4, Rgb(70, 78, 108, 0.5f));
  return c;
}

Canvas ColouredFloor(Color base, Color glow, bool fixed, std::uint64_t seed) {
  Canvas c = Surface(base, Mix(base, {0, 0, 0, 1}, 0.35f), seed, 0.6f);
  // A glossy highlight across the upper half.
  for (int y = 0; y < kSize / 2; ++y)
    for (int x = 0; x < kSize; ++x) c.Blend(x, y, {1, 1, 1, 1}, 0.12f * (1 - y / 32.0f));
  if (fixed) {
    c.FillRoundRect(10, 10, 54, 54, 6, Mix(glow, {0, 0, 0, 1}, 0.25f));
    c.FillRoundRect(14, 14, 50, 50, 4, base);
    c.FillPolygon({32, 19, 45, 32, 32, 45, 19, 32}, glow);
    c.FillPolygon({32, 25, 39, 32, 32, 39, 25, 32}, Mix(glow, {1, 1, 1, 1}, 0.6f));
  }
  Bevel(c, 4, 0.3f, 0.5f);
  return c;
}

Canvas Wall() {
  Canvas c = Surface(Rgb(92, 78, 128), Rgb(46, 38, 70), 11, 0.9f);
  // Two courses of bricks with mortar lines.
  Color mortar = Rgb(28, 22, 44);
  for (int row = 0; row < 2; ++row) {
    c.FillRect(0, row * 32.0f, 64, row * 32.0f + 3, mortar);
    float offset = row ? 16 : 0;
    for (float x = offset; x < 64; x += 32) c.FillRect(x, row * 32.0f, x + 3, row * 32.0f + 32, mortar);
  }
  Bevel(c, 6, 0.35f, 0.55f);
  return c;
}

Canvas Grass() {
  Canvas c = Surface(Rgb(60, 150, 70), Rgb(26, 88, 40), 23, 0.9f);
  Rng rng(29);
  for (int i = 0; i < 26; ++i) {
    float x = static_cast<float>(rng.Range(4, 60)), y = static_cast<float>(rng.Range(10, 62));
    float lean = static_cast<float>(rng.Range(-4, 4));
    c.Line(x, y, x + lean, y - static_cast<float>(rng.Range(5, 10)), 2, Rgb(120, 210, 100, 0.9f));
  }
  Bevel(c, 3, 0.15f, 0.3f);
  return c;
}

Canvas Water() {
  Noise noise(41);
  Canvas c(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      float wave = std::sin((y + 4 * noise.At(x / 8.0f, y / 8.0f)) * 6.2832f / 16.0f);
      c.At(x, y) = Mix(Rgb(20, 70, 170), Rgb(60, 170, 230), 0.5f + 0.5f * wave * wave * wave);
    }
  return c;
}

// Floor with something of the western (east-facing) or northern neighbour spilling in.
Canvas Edge(bool west, const std::function<Color(float)>& band, float depth) {
  Canvas c = PlainFloor();
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      float d = static_cast<float>(west ? x : y) / depth;
      if (d < 1) {
        Color k = band(d);
        c.Blend(x, y, {k.r, k.g, k.b, 1}, k.a);
      }
    }
  return c;
}

Canvas Pillar() {
  Canvas c = Floor(Rgb(58, 62, 84), Rgb(34, 36, 52), 7);
  c.FillCircle(34, 34, 24, Rgb(0, 0, 0, 0.4f));
  c.FillCircle(32, 32, 24, Rgb(150, 120, 90));
  c.FillCircle(29, 29, 17, Rgb(190, 160, 120));
  c.FillCircle(26, 26, 7, Rgb(230, 210, 170));
  return c;
}

Canvas Dummy() {
  Canvas c(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) c.At(x, y) = ((x / 8 + y / 8) % 2) ? Rgb(90, 90, 90) : Rgb(60, 60, 60);
  return c;
}

}  // namespace

void WriteTileGraphics(DataFolder& out) {
  auto put = [&](const std::string& name, const Canvas& c) { out.WritePng("TILES/" + name, ToRgb(c)); };
  put("dummy.png", Dummy());
  put("floor.png", PlainFloor());
  put("path.png", Floor(Rgb(150, 138, 96), Rgb(104, 92, 62), 13));
  put("wall.png", Wall());
  put("grass.png", Grass());
  put("water.png", Water());
  put("pillar.png", Pillar());
  put("floor_blue.png", ColouredFloor(Rgb(40, 110, 235), Rgb(150, 220, 255), false, 3));
  put("floor_pink.png", ColouredFloor(Rgb(225, 70, 160), Rgb(255, 170, 220), false, 5));
  put("floor_fixed.png", ColouredFloor(Rgb(24, 64, 190), Rgb(120, 240, 255), true, 9));
  put("floor_fixed_pink.png", ColouredFloor(Rgb(150, 30, 100), Rgb(255, 120, 200), true, 15));
  auto shadow = [](float d) { return Rgb(4, 2, 12, 0.85f * (1 - d) * (1 - d)); };
  auto fringe = [](float d) { return Mix(Rgb(70, 170, 80, 1.0f), Rgb(70, 170, 80, 0.0f), d * d); };
  auto shore = [](float d) { return Mix(Rgb(90, 200, 240, 0.9f), Rgb(60, 150, 220, 0.0f), d); };
  put("edge_wall_e.png", Edge(true, shadow, 22));
  put("edge_wall_s.png", Edge(false, shadow, 22));
  put("edge_green_e.png", Edge(true, fringe, 18));
  put("edge_green_s.png", Edge(false, fringe, 18));
  put("edge_water_e.png", Edge(true, shore, 16));
  put("edge_water_s.png", Edge(false, shore, 16));
}

}  // namespace vorantis::assetgen
