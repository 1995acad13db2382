// The bitmap font: the glyph-definition file and one PNG per glyph name, letters
// from DejaVu Sans Condensed Bold with a dark outline, icons drawn here. White is
// the transparent colour, so letters are composited over their outline colour.
#include <cmath>
#include <string>

#include "assetgen.h"
#include "text_raster.h"

namespace vorantis::assetgen {

namespace {

constexpr float kPi = 3.14159265f;
const Color kWhite = {1, 1, 1, 1};
const Color kOutline = Rgb(18, 12, 34);

// The characters with glyphs, as the definition file lists them (Windows-1252).
std::string DefinitionLine() {
  std::string line;
  for (char c = 'A'; c <= 'Z'; ++c) line += c;
  for (char c = 'a'; c <= 'z'; ++c) line += c;
  for (char c = '0'; c <= '9'; ++c) line += c;
  line += ".,:;!?-+*()'#%=&@\"[]";
  line += static_cast<char>(0xF6);  // o umlaut: the empty bomb slot
  line += static_cast<char>(0xC4);  // A umlaut: heart
  line += static_cast<char>(0xFC);  // u umlaut: shares the small u
  line += static_cast<char>(0xDF);  // sharp s: shares the capital S
  return line;
}

std::string GlyphName(unsigned char c) {
  switch (c) {
    case '.':
      return "POINT";
    case '?':
      return "ASK";
    case '[':
      return "FLOPPY";
    case ']':
      return "FLOPPYB";
    case '-':
      return "MINUS";
    case '"':
      return "FUEL";
    case '(':
      return "LEFT";
    case ')':
      return "RIGHT";
    case ':':
      return "POINTPOINT";
    case '*':
      return "STERN";
    case '&':
      return "BOMB";
    case 0xF6:
    case 0xD6:
      return "NOBOMB";
    case 0xC4:
    case 0xE4:
      return "HERZ";
    case '@':
      return "LIFE";
    case 0xFC:
    case 0xDC:
      return "_u";
    case 0xDF:
      return "S";
    case '+':
      return "PLUS";
    default:
      break;
  }
  if (c >= 'a' && c <= 'z') return std::string("_") + static_cast<char>(c);
  return std::string(1, static_cast<char>(c));
}

// Gold-white letters over a dark outline.
Canvas Letter(const TextRaster& raster, char c) {
  // One pixel of padding holds the outline; the advance alone keeps letters apart.
  Coverage fill = raster.Render(std::string(1, c), 1);
  Coverage outline = Dilate(fill, 1.3f);
  Canvas canvas(fill.width, fill.height);
  Color top = Rgb(255, 250, 226), bottom = Rgb(255, 184, 72);
  for (int y = 0; y < fill.height; ++y)
    for (int x = 0; x < fill.width; ++x) {
      float t = static_cast<float>(y - 1) / std::max(1, fill.height - 2);
      canvas.Blend(x, y, kOutline, outline.At(x, y));
      canvas.Blend(x, y, Mix(top, bottom, std::clamp(t, 0.0f, 1.0f)), fill.At(x, y));
    }
  return canvas;
}

Canvas Icon(unsigned char c, int h) {
  Canvas k(h, h);
  float s = h / 20.0f;
  auto P = [&](std::initializer_list<float> xy) {
    std::vector<float> v(xy);
    for (float& f : v) f *= s;
    return v;
  };
  switch (c) {
    case '&':  // bomb
      k.FillCircle(9 * s, 12 * s, 7 * s, kOutline);
      k.FillCircle(9 * s, 12 * s, 5.5f * s, Rgb(60, 60, 84));
      k.FillCircle(7 * s, 10 * s, 1.8f * s, Rgb(160, 160, 190));
      k.Line(12 * s, 7 * s, 15 * s, 3.5f * s, 1.6f * s, Rgb(170, 120, 70));
      k.FillCircle(16 * s, 3 * s, 2.2f * s, Rgb(255, 200, 60));
      break;
    case 0xF6:  // empty bomb slot
      k.FillCircle(9 * s, 12 * s, 7 * s, kOutline);
      k.FillCircle(9 * s, 12 * s, 5.5f * s, Rgb(70, 66, 90));
      k.FillCircle(9 * s, 12 * s, 3.5f * s, Rgb(40, 36, 56));
      break;
    case 0xC4:  // heart
      k.FillShape(
          0, 0, h, h,
          [&](float x, float y) {
            float u = (x / s - 10) / 8, v = -(y / s - 10) / 8;
            float a = u * u + v * v - 1;
            return a * a * a - u * u * v * v * v <= 0;
          },
          Rgb(235, 50, 70));
      break;
    case '@':  // life: a small cursor
      k.FillCircle(10 * s, 10 * s, 8 * s, kOutline);
      k.FillCircle(10 * s, 10 * s, 6.5f * s, Rgb(255, 230, 80));
      k.FillCircle(10 * s, 10 * s, 4 * s, kOutline);
      k.FillPolygon(P({10, 7, 13, 10, 10, 13, 7, 10}), Rgb(80, 240, 255));
      break;
    case '"':  // fuel can
      k.FillRoundRect(3 * s, 5 * s, 16 * s, 19 * s, 2 * s, kOutline);
      k.FillRoundRect(4.5f * s, 6.5f * s, 14.5f * s, 17.5f * s, 1.5f * s, Rgb(220, 60, 50));
      k.FillRect(6 * s, 1 * s, 11 * s, 5 * s, kOutline);
      k.Line(6 * s, 9 * s, 13 * s, 15 * s, 1.5f * s, Rgb(250, 200, 80));
      break;
    case '*': {  // star
      std::vector<float> xy;
      for (int i = 0; i < 10; ++i) {
        float r = (i % 2 ? 3.8f : 9.0f) * s, a = i * kPi / 5 - kPi / 2;
        xy.push_back(10 * s + r * std::cos(a));
        xy.push_back(10.5f * s + r * std::sin(a));
      }
      k.FillPolygon(xy, Rgb(255, 214, 60));
      break;
    }
    default: {  // floppies
      Color body = c == '[' ? Rgb(60, 100, 220) : Rgb(220, 90, 60);
      k.FillRect(2 * s, 2 * s, 18 * s, 18 * s, kOutline);
      k.FillRect(3 * s, 3 * s, 17 * s, 17 * s, body);
      k.FillRect(6 * s, 3 * s, 14 * s, 8 * s, Rgb(210, 215, 225));
      k.FillRect(11 * s, 4 * s, 13 * s, 7 * s, kOutline);
      k.FillRect(5 * s, 11 * s, 15 * s, 17 * s, Rgb(235, 235, 240));
      break;
    }
  }
  return k;
}

bool IsIcon(unsigned char c) {
  return c == '&' || c == 0xF6 || c == 0xC4 || c == '@' || c == '"' || c == '*' || c == '[' || c == ']';
}

}  // namespace

void WriteFont(DataFolder& out, const std::string& fontFile) {
  TextRaster raster(fontFile, 15);
  std::string line = DefinitionLine();
  out.WriteText("DATA/glyphs.txt", line + "\r\n");
  int height = raster.ascent() + raster.descent() + 2;
  for (unsigned char c : line) {
    std::string name = GlyphName(c);
    if (c == 0xFC || c == 0xDF) continue;  // they load the files of "u" and "S"
    Canvas art = IsIcon(c) ? Icon(c, height - 2) : Letter(raster, static_cast<char>(c));
    if (IsIcon(c)) {
      Canvas padded(height, height);
      padded.Paste(art, 1, 1);
      art = padded;
    }
    out.WritePng("FONT/" + name + ".png", ToKeyed(art, kWhite, kOutline));
  }
}

}  // namespace vorantis::assetgen
