#include "present/font.h"

#include <array>

#include "core/datafile.h"
#include "core/game.h"
#include "core/nearest_int.h"
#include "engine/engine.h"

namespace vorantis {

GlyphSlot GlyphSlotFor(unsigned char character) {
  switch (character) {
    case '.':
      return {character, "POINT"};
    case '?':
      return {character, "ASK"};
    case '[':
      return {character, "FLOPPY"};
    case ']':
      return {character, "FLOPPYB"};
    case '-':
      return {character, "MINUS"};
    case '"':
      return {character, "FUEL"};
    case '(':
      return {character, "LEFT"};
    case ')':
      return {character, "RIGHT"};
    case ':':
      return {character, "POINTPOINT"};
    case '*':
      return {character, "STERN"};
    case '&':
      return {character, "BOMB"};
    case 246:  // o umlaut
    case 214:  // O umlaut
      return {character, "NOBOMB"};
    case 196:  // A umlaut
    case 228:  // a umlaut
      return {character, "HERZ"};
    case '@':
      return {character, "LIFE"};
    case 252:  // u umlaut: shares the small u's slot
    case 220:  // U umlaut
      return {'u', "_u"};
    case 223:  // sharp s: shares the capital S's slot
      return {'S', "S"};
    case '+':
      return {character, "PLUS"};
    default:
      break;
  }
  if (character >= 'a' && character <= 'z')
    return {character, std::string("_") + static_cast<char>(character)};
  return {character, std::string(1, static_cast<char>(character))};
}

namespace {

void FreeGlyphs(FontState& font, Screen& screen) {
  for (Glyph& glyph : font.glyphs) {
    if (screen.Sprite3DExists(glyph.sprite3D)) screen.ReleaseSprite3D(glyph.sprite3D);
    if (screen.SpriteExists(glyph.sprite)) screen.ReleaseSprite(glyph.sprite);
    glyph.sprite3D = 0;
    glyph.sprite = 0;
  }
}

// Glyph pictures are scaled by objectScale, the screen's width against the design width.
void LoadGlyph(FontState& font, Screen& screen, const std::string& fontPath, float objectScale,
               unsigned char character) {
  const GlyphSlot slot = GlyphSlotFor(character);
  Glyph& glyph = font.glyphs[slot.slot];
  glyph.name = slot.name;
  if (screen.SpriteExists(glyph.sprite)) screen.ReleaseSprite(glyph.sprite);
  screen.SetDefaultColourKey(-1, Rgb(255, 255, 255));
  glyph.sprite = screen.LoadImageSprite(-1, fontPath + "\\" + slot.name + ".png", kModeTexture);
  if (glyph.sprite == 0) return;
  glyph.height = static_cast<float>(screen.SpritePixelHeight(glyph.sprite)) * objectScale;
  glyph.width = static_cast<float>(screen.SpritePixelWidth(glyph.sprite)) * objectScale;
  if (screen.Sprite3DExists(glyph.sprite3D)) screen.ReleaseSprite3D(glyph.sprite3D);
  glyph.sprite3D = screen.MakeSprite3D(-1, glyph.sprite);
  if (glyph.sprite3D != 0) {
    screen.ScaleSprite3D(glyph.sprite3D, static_cast<float>(NearestInt(glyph.width)),
                         static_cast<float>(NearestInt(glyph.height)));
  }
}

void DrawGlyph(FontState& font, Screen& screen, unsigned char code, float x, float y, float size, float angle,
               int alpha, float spacing) {
  const float s = size < 0 ? 1.0f : size;
  switch (code) {
    case '\\':
      font.penX = 0;
      font.penY += font.glyphs['A'].height * 1.2f * s;
      return;
    case '|':
      font.penX = 0;
      font.penY = 0;
      return;
    case ' ':
      font.penX += font.glyphs['I'].width;
      return;
    default:
      break;
  }
  const Glyph& glyph = font.glyphs[code];
  if (glyph.sprite3D == 0) return;
  screen.ScaleSprite3D(glyph.sprite3D, static_cast<float>(NearestInt(glyph.width * s)),
                       static_cast<float>(NearestInt(glyph.height * s)));
  if (angle != 0) screen.TurnSprite3D(glyph.sprite3D, NearestInt(angle), 1);
  screen.DrawSprite3D(glyph.sprite3D, NearestInt(x + font.penX), NearestInt(y + font.penY), alpha);
  font.penX += glyph.width * s * spacing;
}

}  // namespace

int LoadFont(Game& game) {
  FreeGlyphs(game.font, game.engine.screen());
  auto reader = LineReader::Open(game.settings.FONTSYSTEM);
  if (!reader) return 0;
  // Every character of a slot loads the same picture, so a repeat would only load it
  // again: each slot is loaded once, by the first character that names it.
  std::array<bool, 256> loaded{};
  int loads = 0;
  for (char character : reader->ReadLine()) {
    const auto code = static_cast<unsigned char>(character);
    const unsigned char slot = GlyphSlotFor(code).slot;
    if (loaded[slot]) continue;
    loaded[slot] = true;
    LoadGlyph(game.font, game.engine.screen(), game.settings.FONTPATH, game.objectScale, code);
    ++loads;
  }
  return loads;
}

void DrawBitmapText(Game& game, const std::string& text, float x, float y, float size, float angle, int alpha,
                    float spacing) {
  if (game.observer) game.observer->OnText(text, x, y, size, alpha, spacing);
  Screen& screen = game.engine.screen();
  screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
  for (char character : text) {
    DrawGlyph(game.font, screen, static_cast<unsigned char>(character), x, y, size, angle, alpha, spacing);
  }
}

}  // namespace vorantis
