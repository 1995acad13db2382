// The catalogues of what the asset folders hold: tile graphics, sound effects,
// music tracks and effect sprites, and the look-ups by file name.
#pragma once

#include <string>

namespace vorantis {

struct Game;
struct TileGraphic;
struct SoundAsset;

void LoadTileGraphics(Game& game);
void LoadSoundEffects(Game& game);
void LoadMusicTracks(Game& game);
void LoadEffectSprites(Game& game);

// Plays the first sound effect whose file name equals name, once, if it loaded.
void PlaySoundByName(Game& game, const std::string& name);

// The first sound effect whose file name equals name; nullptr when none does.
const SoundAsset* FindSoundEffect(const Game& game, const std::string& name);

// The first tile graphic whose file name equals name; nullptr when none does.
const TileGraphic* FindTileGraphic(const Game& game, const std::string& name);

}  // namespace vorantis
