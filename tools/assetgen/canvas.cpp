#include "canvas.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vorantis::assetgen {

Color Rgb(int r, int g, int b, float a) {
  return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}

Color Mix(const Color& x, const Color& y, float t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, const Color& color, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  float sa = std::clamp(color.a * coverage, 0.0f, 1.0f);
  if (sa <= 0) return;
  Color& d = At(x, y);
  float oa = sa + d.a * (1 - sa);
  if (oa <= 0) return;
  d.r = (color.r * sa + d.r * d.a * (1 - sa)) / oa;
  d.g = (color.g * sa + d.g * d.a * (1 - sa)) / oa;
  d.b = (color.b * sa + d.b * d.a * (1 - sa)) / oa;
  d.a = oa;
}

void Canvas::Add(int x, int y, const Color& color, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Color& d = At(x, y);
  float k = color.a * coverage;
  d.r = std::min(1.0f, d.r + color.r * k);
  d.g = std::min(1.0f, d.g + color.g * k);
  d.b = std::min(1.0f, d.b + color.b * k);
  d.a = std::max(d.a, std::min(1.0f, k));
}

void Canvas::FillShape(float left, float top, float right, float bottom,
                       const std::function<bool(float, float)>& inside, const Color& color, int samples) {
  int x0 = std::max(0, static_cast<int>(std::floor(left)));
  int y0 = std::max(0, static_cast<int>(std::floor(top)));
  int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(right)));
  int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(bottom)));
  float step = 1.0f / samples;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < samples; ++sy)
        for (int sx = 0; sx < samples; ++sx)
          if (inside(x + (sx + 0.5f) * step, y + (sy + 0.5f) * step)) ++hits;
      if (hits) Blend(x, y, color, static_cast<float>(hits) / (samples * samples));
    }
}

void Canvas::FillCircle(float cx, float cy, float radius, const Color& color) {
  FillShape(
      cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1,
      [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; }, color);
}

void Canvas::FillRect(float left, float top, float right, float bottom, const Color& color) {
  FillShape(
      left, top, right, bottom,
      [=](float x, float y) { return x >= left && x < right && y >= top && y < bottom; }, color);
}

void Canvas::FillRoundRect(float left, float top, float right, float bottom, float radius,
                           const Color& color) {
  FillShape(
      left, top, right, bottom,
      [=](float x, float y) {
        if (x < left || x >= right || y < top || y >= bottom) return false;
        float cx = std::clamp(x, left + radius, right - radius);
        float cy = std::clamp(y, top + radius, bottom - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
      },
      color);
}

void Canvas::FillPolygon(const std::vector<float>& xy, const Color& color) {
  float left = 1e9f, top = 1e9f, right = -1e9f, bottom = -1e9f;
  for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
    left = std::min(left, xy[i]);
    right = std::max(right, xy[i]);
    top = std::min(top, xy[i + 1]);
    bottom = std::max(bottom, xy[i + 1]);
  }
  std::size_t n = xy.size() / 2;
  FillShape(
      left, top, right, bottom,
      [&](float x, float y) {
        bool in = false;
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
          float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
          if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
      },
      color);
}

void Canvas::Line(float x0, float y0, float x1, float y1, float width, const Color& color) {
  float half = width / 2;
  float dx = x1 - x0, dy = y1 - y0;
  float len2 = std::max(1e-6f, dx * dx + dy * dy);
  FillShape(
      std::min(x0, x1) - half - 1, std::min(y0, y1) - half - 1, std::max(x0, x1) + half + 1,
      std::max(y0, y1) + half + 1,
      [=](float x, float y) {
        float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0f, 1.0f);
        float px = x0 + t * dx - x, py = y0 + t * dy - y;
        return px * px + py * py <= half * half;
      },
      color);
}

void Canvas::Glow(float cx, float cy, float radius, const Color& color, float power) {
  int x0 = std::max(0, static_cast<int>(cx - radius)),
      x1 = std::min(width_ - 1, static_cast<int>(cx + radius));
  int y0 = std::max(0, static_cast<int>(cy - radius)),
      y1 = std::min(height_ - 1, static_cast<int>(cy + radius));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      float d = std::sqrt((x + 0.5f - cx) * (x + 0.5f - cx) + (y + 0.5f - cy) * (y + 0.5f - cy)) / radius;
      if (d < 1) Add(x, y, color, std::pow(1 - d, power));
    }
}

void Canvas::Paste(const Canvas& source, int x, int y) {
  for (int sy = 0; sy < source.height(); ++sy)
    for (int sx = 0; sx < source.width(); ++sx) {
      const Color& c = source.At(sx, sy);
      Blend(x + sx, y + sy, {c.r, c.g, c.b, 1}, c.a);
    }
}

namespace {
std::uint8_t Byte(float v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}
}  // namespace

RgbImage ToRgb(const Canvas& canvas) {
  RgbImage out{canvas.width(), canvas.height(), {}};
  out.bytes.reserve(static_cast<std::size_t>(out.width) * out.height * 3);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const Color& c = canvas.At(x, y);
      out.bytes.push_back(Byte(c.r));
      out.bytes.push_back(Byte(c.g));
      out.bytes.push_back(Byte(c.b));
    }
  return out;
}

RgbImage ToKeyed(const Canvas& canvas, Color key, Color matte) {
  RgbImage out{canvas.width(), canvas.height(), {}};
  std::uint8_t kr = Byte(key.r), kg = Byte(key.g), kb = Byte(key.b);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const Color& c = canvas.At(x, y);
      std::uint8_t r = kr, g = kg, b = kb;
      if (c.a >= 0.5f) {
        r = Byte(c.r * c.a + matte.r * (1 - c.a));
        g = Byte(c.g * c.a + matte.g * (1 - c.a));
        b = Byte(c.b * c.a + matte.b * (1 - c.a));
        if (r == kr && g == kg && b == kb) g = static_cast<std::uint8_t>(kg > 127 ? kg - 1 : kg + 1);
      }
      out.bytes.push_back(r);
      out.bytes.push_back(g);
      out.bytes.push_back(b);
    }
  return out;
}

namespace {
void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}
void NoFlush(png_structp) {}
}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) throw std::runtime_error("libpng could not start");
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("PNG encoding failed");
  }
  png_set_write_fn(png, &out, AppendBytes, NoFlush);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y)
    png_write_row(png, const_cast<png_bytep>(&image.bytes[static_cast<std::size_t>(y) * image.width * 3]));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace vorantis::assetgen
