// What the present layer keeps between calls: the bitmap font and its pen, the title
// screen's sprites and the catalogues of pictures and sounds. Plain data, so that
// core/game.h can hold it without depending on present/'s functions.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/records.h"

namespace vorantis {

struct FontState {
  std::array<Glyph, 256> glyphs{};
  // Where the next glyph of the text being drawn goes.
  float penX = 0;
  float penY = 0;
};

struct TitleState {
  std::int32_t sprite = 0;
  std::int32_t sprite3D = 0;
};

// What the asset folders hold, loaded once at start.
struct Catalogues {
  std::vector<TileGraphic> tileGraphics;
  std::vector<SoundAsset> soundEffects;
  std::vector<SoundAsset> musicTracks;
  std::vector<EffectSprite> effectSprites;
};

}  // namespace vorantis
