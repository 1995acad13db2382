// The catalogues of what the asset folders hold: tile graphics, sound effects,
// music tracks and effect sprites, and the look-ups by file name.
#pragma once

#include <cstdint>
#include <string>

namespace vorantis {

struct Game;
struct TileGraphic;
struct SoundAsset;

void LoadTileGraphics(Game& game);
void LoadSoundEffects(Game& game);
void LoadMusicTracks(Game& game);
void LoadEffectSprites(Game& game);

// How many times the effect folder is loaded: EGFXMAX + 1, none when it is negative,
// at most 256.
int EffectPasses(std::int32_t egfxMax);

// Plays the first sound effect whose file name equals name, once, if it loaded.
void PlaySoundByName(Game& game, const std::string& name);

// The first tile graphic whose file name equals name; nullptr when none does.
const TileGraphic* FindTileGraphic(const Game& game, const std::string& name);

}  // namespace vorantis
