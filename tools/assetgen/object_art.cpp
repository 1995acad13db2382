// Object graphics with their ".dll" definitions, the cursor and the effect sprites.
// Objects and the cursor are keyed on white; effect sprites on black.
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "assetgen.h"

namespace vorantis::assetgen {

namespace {

// Enemies and the cursor are drawn at their own pixel size: one field of 48 pixels.
constexpr int kSize = 48;
constexpr float kPi = 3.14159265f;
const Color kWhite = {1, 1, 1, 1};
const Color kOutline = Rgb(16, 12, 28);

struct ObjectSpec {
  std::string file;  // without extension
  std::map<std::string, std::string> keys;
};

std::string DefinitionText(const ObjectSpec& object) {
  // Every key, so a definition never depends on defaults.
  static const char* const kOrder[] = {
      "DGFXNAME",         "DGFXTRANSPARENCY", "DDENSITY",      "DFITTOMATRIX",   "DCOLLISION",
      "DHOTSPOT",         "DXMODE1",          "DXMODE2",       "DGFXSHOW",       "DCENTERFIELD",
      "DKILLONCOLLISION", "DSCORE",           "DCOUNTTOSCORE", "DUSECOUNTSOUND", "DCOUNTSOUND",
      "DISPLAYER",        "DISENEMY",         "DRANDOMMOVE",   "DMOVEX",         "DMOVEY",
      "DVELOX",           "DVELOY",           "DAILEVEL",      "DDMOVE",         "DCHANGEDIRECTION",
      "DISGOODY",         "DEXTRATIME",       "DROTATE",       "DLIFETIME",      "DPOWERUP"};
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const char* key : kOrder) {
    auto it = object.keys.find(key);
    std::string fallback = (std::string(key) == "DCOUNTSOUND" || std::string(key) == "DHOTSPOT") ? "" : "0";
    pairs.emplace_back(key, it != object.keys.end() ? it->second : fallback);
  }
  return Pairs(pairs);
}

std::map<std::string, std::string> Pickup(const std::string& name, int density, const std::string& sound) {
  return {{"DGFXNAME", name},      {"DGFXTRANSPARENCY", "255"}, {"DDENSITY", std::to_string(density)},
          {"DFITTOMATRIX", "1"},   {"DCOLLISION", "1"},         {"DXMODE1", "5"},
          {"DXMODE2", "6"},        {"DGFXSHOW", "1"},           {"DKILLONCOLLISION", "1"},
          {"DUSECOUNTSOUND", "1"}, {"DCOUNTSOUND", sound}};
}

std::map<std::string, std::string> Foe(int density, int alpha) {
  return {{"DGFXNAME", "#"},
          {"DGFXTRANSPARENCY", std::to_string(alpha)},
          {"DDENSITY", std::to_string(density)},
          {"DXMODE1", "5"},
          {"DXMODE2", "6"},
          {"DGFXSHOW", "1"},
          {"DISENEMY", "1"}};
}

void Ring(Canvas& c, float cx, float cy, float radius, float width, const Color& color) {
  c.FillShape(
      cx - radius - width, cy - radius - width, cx + radius + width, cy + radius + width,
      [=](float x, float y) {
        float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
        return std::abs(d - radius) <= width / 2;
      },
      color);
}

std::vector<float> Star(float cx, float cy, float outer, float inner, int points, float turn) {
  std::vector<float> xy;
  for (int i = 0; i < points * 2; ++i) {
    float r = (i % 2) ? inner : outer;
    float a = turn + i * kPi / points - kPi / 2;
    xy.push_back(cx + r * std::cos(a));
    xy.push_back(cy + r * std::sin(a));
  }
  return xy;
}

Canvas Coin() {
  Canvas c(kSize, kSize);
  c.FillCircle(24, 24, 16, kOutline);
  c.FillCircle(24, 24, 14, Rgb(240, 180, 40));
  c.FillCircle(23, 23, 10, Rgb(255, 215, 90));
  c.FillPolygon(Star(23, 23, 7, 3, 5, 0), Rgb(250, 240, 170));
  return c;
}

Canvas Gem() {
  Canvas c(kSize, kSize);
  std::vector<float> outer = {24, 7, 40, 20, 24, 42, 8, 20};
  c.FillPolygon({24, 4, 43, 20, 24, 45, 5, 20}, kOutline);
  c.FillPolygon(outer, Rgb(60, 220, 170));
  c.FillPolygon({24, 7, 40, 20, 24, 20}, Rgb(150, 255, 220));
  c.FillPolygon({8, 20, 24, 20, 24, 42}, Rgb(30, 150, 120));
  c.FillCircle(19, 15, 2.5f, Rgb(245, 255, 250));
  return c;
}

Canvas Clock() {
  Canvas c(kSize, kSize);
  c.FillCircle(24, 25, 17, kOutline);
  c.FillCircle(24, 25, 15, Rgb(90, 200, 255));
  c.FillCircle(24, 25, 12, Rgb(235, 245, 250));
  for (int i = 0; i < 12; ++i) {
    float a = i * kPi / 6;
    c.FillCircle(24 + 10 * std::cos(a), 25 + 10 * std::sin(a), 1.1f, Rgb(40, 60, 90));
  }
  c.Line(24, 25, 24, 16, 2.5f, Rgb(30, 40, 70));
  c.Line(24, 25, 30, 28, 2.5f, Rgb(220, 60, 60));
  c.FillRect(21, 5, 27, 9, kOutline);
  return c;
}

Canvas Bomb(float size) {
  Canvas c(kSize, kSize);
  float s = size / kSize;
  c.FillCircle(22 * s, 28 * s, 15 * s, kOutline);
  c.FillCircle(22 * s, 28 * s, 13 * s, Rgb(50, 50, 70));
  c.FillCircle(17 * s, 23 * s, 4 * s, Rgb(130, 130, 160));
  c.FillRect(27 * s, 10 * s, 33 * s, 17 * s, kOutline);
  c.Line(30 * s, 11 * s, 36 * s, 5 * s, 2.5f * s, Rgb(150, 110, 70));
  c.FillPolygon(Star(38 * s, 5 * s, 6 * s, 2.5f * s, 6, 0), Rgb(255, 200, 60));
  return c;
}

Canvas Flower() {
  Canvas c(kSize, kSize);
  c.Line(24, 40, 24, 24, 3, Rgb(40, 110, 40));
  for (int i = 0; i < 6; ++i) {
    float a = i * kPi / 3;
    c.FillCircle(24 + 7 * std::cos(a), 20 + 7 * std::sin(a), 5, Rgb(250, 130, 190));
  }
  c.FillCircle(24, 20, 4, Rgb(255, 220, 80));
  return c;
}

Canvas Wisp() {
  // A drifting ink blot with one eye, trailing drips of paint.
  Canvas c(kSize, kSize);
  c.FillCircle(24, 21, 16, kOutline);
  for (int i = 0; i < 3; ++i) c.FillCircle(14 + 10.0f * i, 37 - 3.0f * (i % 2), 5.5f, kOutline);
  c.FillCircle(24, 21, 14, Rgb(240, 70, 170));
  for (int i = 0; i < 3; ++i) c.FillCircle(14 + 10.0f * i, 37 - 3.0f * (i % 2), 4, Rgb(240, 70, 170));
  c.FillCircle(19, 15, 4, Rgb(255, 150, 210));
  c.FillCircle(26, 22, 7, Rgb(250, 250, 245));
  c.FillCircle(27, 23, 3.5f, kOutline);
  return c;
}

Canvas Spinner() {
  Canvas c(kSize, kSize);
  c.FillPolygon(Star(24, 24, 22, 9, 4, 0), kOutline);
  c.FillPolygon(Star(24, 24, 19, 7, 4, 0), Rgb(255, 80, 120));
  c.FillCircle(24, 24, 7, Rgb(255, 210, 90));
  c.FillCircle(24, 24, 3, kOutline);
  return c;
}

Canvas Drone() {
  Canvas c(kSize, kSize);
  c.FillRoundRect(9, 13, 39, 37, 9, kOutline);
  c.FillRoundRect(11, 15, 37, 35, 7, Rgb(190, 60, 230));
  c.FillRect(15, 21, 33, 27, kOutline);
  c.FillRect(17, 22, 31, 26, Rgb(255, 120, 200));
  c.Line(12, 14, 6, 6, 2.5f, kOutline);
  c.Line(36, 14, 42, 6, 2.5f, kOutline);
  return c;
}

Canvas Cursor() {
  Canvas c(kSize, kSize);
  Ring(c, 24, 24, 19, 5, kOutline);
  Ring(c, 24, 24, 19, 3, Rgb(255, 230, 80));
  for (int i = 0; i < 4; ++i) {
    float a = i * kPi / 2;
    float ca = std::cos(a), sa = std::sin(a);
    c.FillPolygon({24 + 22 * ca, 24 + 22 * sa, 24 + 12 * ca - 4 * sa, 24 + 12 * sa + 4 * ca,
                   24 + 12 * ca + 4 * sa, 24 + 12 * sa - 4 * ca},
                  Rgb(80, 240, 255));
  }
  c.FillPolygon({24, 16, 32, 24, 24, 32, 16, 24}, kOutline);
  c.FillPolygon({24, 18, 30, 24, 24, 30, 18, 24}, Rgb(80, 240, 255));
  return c;
}

Canvas Glow(int size, Color color, int lobes, std::uint64_t seed) {
  Canvas c(size, size, {0, 0, 0, 1});
  float h = size / 2.0f;
  c.Glow(h, h, h * 0.98f, color, 1.6f);
  c.Glow(h, h, h * 0.5f, color, 2.0f);
  Rng rng(seed);
  for (int i = 0; i < lobes; ++i) {
    float a = static_cast<float>(rng.Range(0, 2 * kPi)), r = static_cast<float>(rng.Range(0.15, 0.35)) * size;
    c.Glow(h + r * std::cos(a) * 0.8f, h + r * std::sin(a) * 0.8f, size * 0.25f, Mix(color, kWhite, 0.3f),
           2.5f);
  }
  return c;
}

}  // namespace

void WriteObjects(DataFolder& out) {
  const Color matte = kOutline;
  auto put = [&](const ObjectSpec& object, const Canvas& art) {
    out.WritePng("WORLD/" + object.file + ".png", ToKeyed(art, kWhite, matte));
    out.WriteText("WORLD/" + object.file + ".dll", DefinitionText(object));
  };
  auto coin = Pickup("COIN", 24, "coin.ogg");
  coin["DSCORE"] = "50";
  put({"coin", coin}, Coin());
  auto gem = Pickup("GEM", 70, "gem.ogg");
  gem["DSCORE"] = "250";
  gem["DCOUNTTOSCORE"] = "1";
  put({"gem", gem}, Gem());
  auto clock = Pickup("CLOCK", 45, "clock.ogg");
  clock["DEXTRATIME"] = "5";
  put({"clock", clock}, Clock());
  auto bomb = Pickup("BOMB", 90, "bomb.ogg");
  bomb["DSCORE"] = "10";
  put({"bomb", bomb}, Bomb(kSize));
  put({"flower",
       {{"DGFXNAME", "FLOWER"},
        {"DGFXTRANSPARENCY", "230"},
        {"DDENSITY", "3"},
        {"DFITTOMATRIX", "1"},
        {"DXMODE1", "5"},
        {"DXMODE2", "6"},
        {"DGFXSHOW", "1"}}},
      Flower());
  // Wanderer: acts on one frame in six, keeps its heading most of the time and
  // crosses a field in two steps, about two and a half fields a second.
  auto wisp = Foe(60, 235);
  wisp.insert({{"DAILEVEL", "1"},
               {"DDMOVE", "5"},
               {"DRANDOMMOVE", "1"},
               {"DCHANGEDIRECTION", "6"},
               {"DVELOX", "2"},
               {"DVELOY", "2"}});
  put({"foe_wisp", wisp}, Wisp());
  // Hops a whole field at a time, about three a second; rarer.
  auto drone = Foe(160, 255);
  drone.insert({{"DAILEVEL", "1"},
                {"DDMOVE", "9"},
                {"DRANDOMMOVE", "1"},
                {"DCHANGEDIRECTION", "10"},
                {"DVELOX", "1"},
                {"DVELOY", "1"}});
  put({"foe_drone", drone}, Drone());
  // Stands and spins.
  auto spinner = Foe(90, 255);
  spinner.insert({{"DAILEVEL", "3"}, {"DROTATE", "3"}});
  put({"foe_spinner", spinner}, Spinner());
}

// The desktop icon: the cursor over a patch of coloured floor. The game never loads it.
Canvas Icon() {
  Canvas c(64, 64, Rgb(0, 0, 0, 0));
  c.FillRoundRect(0, 0, 64, 64, 12, Rgb(22, 26, 48));
  c.FillRoundRect(6, 6, 31, 31, 3, Rgb(60, 120, 230));
  c.FillRoundRect(33, 6, 58, 31, 3, Rgb(60, 120, 230));
  c.FillRoundRect(6, 33, 31, 58, 3, Rgb(90, 98, 128));
  c.FillRoundRect(33, 33, 58, 58, 3, Rgb(214, 70, 160));
  c.Paste(Cursor(), 8, 8);
  return c;
}

void WriteCursorAndEffects(DataFolder& out) {
  out.WritePng("GFX/cursor.png", ToKeyed(Cursor(), kWhite, kOutline));
  out.WritePng("GFX/ICON.png", ToRgb(Icon()));
  out.WritePng("EFFECTS/glow_blue.png", ToRgb(Glow(192, Rgb(40, 90, 200, 0.8f), 3, 1)));
  out.WritePng("EFFECTS/glow_pink.png", ToRgb(Glow(160, Rgb(190, 40, 140, 0.75f), 2, 2)));
  out.WritePng("EFFECTS/glow_teal.png", ToRgb(Glow(224, Rgb(30, 150, 140, 0.65f), 4, 3)));
  out.WritePng("EFFECTS/spark.png", ToRgb(Glow(64, Rgb(220, 200, 120, 0.8f), 1, 4)));
}

}  // namespace vorantis::assetgen
