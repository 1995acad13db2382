// Placeholder until the catalogues, the font and the title screen land.
#include "core/game.h"
#include "present/catalogues.h"
#include "present/font.h"
#include "present/title.h"

namespace vorantis {
void LoadTileGraphics(Game&) {}
void LoadSoundEffects(Game&) {}
void LoadMusicTracks(Game&) {}
void LoadEffectSprites(Game&) {}
void PlaySoundByName(Game&, const std::string&) {}
const TileGraphic* FindTileGraphic(const Game&, const std::string&) {
  return nullptr;
}
void LoadFont(Game&) {}
void DrawBitmapText(Game&, const std::string&, float, float, float, float, int, float) {}
void DrawGlyph(Game&, unsigned char, float, float, float, float, int, float) {}
void ShowTitleScreen(Game&) {}
}  // namespace vorantis
