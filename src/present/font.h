// Bitmap-font text: one image per character, drawn as zoomable 3D sprites with a pen
// that persists between calls; "|" resets it.
#pragma once

#include <string>

namespace vorantis {

struct Game;

// Where a character of the glyph-definition line is stored and which image it uses.
struct GlyphSlot {
  unsigned char slot = 0;
  std::string name;
};
GlyphSlot GlyphSlotFor(unsigned char character);

// Frees every glyph, then loads the glyphs the FONTSYSTEM file lists; answers how many
// glyph pictures it loaded (each slot at most once).
int LoadFont(Game& game);
void DrawBitmapText(Game& game, const std::string& text, float x, float y, float size, float angle, int alpha,
                    float spacing);

}  // namespace vorantis
