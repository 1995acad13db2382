// A floating-point RGBA picture with the few drawing operations the generated
// graphics need, and its conversion to colour-keyed 8-bit PNG files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorantis::assetgen {

struct Color {
  float r = 0, g = 0, b = 0, a = 1;
};

Color Rgb(int r, int g, int b, float a = 1.0f);
Color Mix(const Color& x, const Color& y, float t);

class Canvas {
 public:
  Canvas(int width, int height, Color fill = {0, 0, 0, 0});
  int width() const { return width_; }
  int height() const { return height_; }
  Color& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Color& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

  // Draws colour over the pixel with the given coverage (0..1), "over" compositing.
  void Blend(int x, int y, const Color& color, float coverage);
  // Adds light: colour times coverage is added to the pixel (for glows).
  void Add(int x, int y, const Color& color, float coverage);
  // Fills where inside(x, y) holds, sampled samples × samples times per pixel.
  void FillShape(float left, float top, float right, float bottom,
                 const std::function<bool(float, float)>& inside, const Color& color, int samples = 4);
  void FillCircle(float cx, float cy, float radius, const Color& color);
  void FillRect(float left, float top, float right, float bottom, const Color& color);
  void FillRoundRect(float left, float top, float right, float bottom, float radius, const Color& color);
  void FillPolygon(const std::vector<float>& xy, const Color& color);
  void Line(float x0, float y0, float x1, float y1, float width, const Color& color);
  // A soft radial light fading to nothing at the radius.
  void Glow(float cx, float cy, float radius, const Color& color, float power = 2.0f);
  // Draws another canvas with its alpha at (x, y).
  void Paste(const Canvas& source, int x, int y);

 private:
  int width_;
  int height_;
  std::vector<Color> pixels_;
};

// 8-bit RGB rows, top row first.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bytes;
};

// Opaque conversion: alpha is ignored.
RgbImage ToRgb(const Canvas& canvas);
// Colour-keyed conversion: pixels under half coverage become the key colour; the
// rest are composited over the matte colour so no key-coloured fringe remains, and
// a visible pixel that happens to equal the key is nudged off it.
RgbImage ToKeyed(const Canvas& canvas, Color key, Color matte);

// PNG bytes (no time stamp, fixed compression), deterministic for equal input.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

}  // namespace vorantis::assetgen
