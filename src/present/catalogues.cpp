#include "present/catalogues.h"

#include <vector>

#include "core/game.h"
#include "core/nearest_int.h"
#include "engine/engine.h"
#include "engine/files.h"

namespace vorantis {

namespace {

// EGFXMAX counts at most this. Every effect sprite moves, draws random numbers and is
// drawn on every frame: 256 passes over a folder of a few pictures make a thousand
// sprites, about what one frame can carry besides the labyrinth (the default data makes 16).
constexpr std::int32_t kLargestEgfxMax = 255;

// The first sound effect whose file name equals name; nullptr when none does.
const SoundAsset* FindSoundEffect(const Game& game, const std::string& name) {
  for (const SoundAsset& effect : game.catalogues.soundEffects) {
    if (effect.name == name) return &effect;
  }
  return nullptr;
}

}  // namespace

void LoadTileGraphics(Game& game) {
  Screen& screen = game.engine.screen();
  const std::string& folder = game.settings.TOPOGFX;
  for (const std::string& name : ListFolder(folder, "*" + game.settings.GFXCODEC)) {
    TileGraphic graphic;
    graphic.path = folder + name;
    graphic.sprite = screen.LoadImageSprite(-1, graphic.path, kModeTexture);
    graphic.fileName = name;
    graphic.width = static_cast<float>(screen.SpritePixelWidth(graphic.sprite));
    graphic.height = static_cast<float>(screen.SpritePixelHeight(graphic.sprite));
    game.catalogues.tileGraphics.push_back(std::move(graphic));
  }
}

void LoadSoundEffects(Game& game) {
  Sounds& sounds = game.engine.sounds();
  game.catalogues.soundEffects.clear();
  const std::string& folder = game.settings.SOUNDFXPATH;
  for (const std::string& name : ListFolder(folder, "*.ogg")) {
    SoundAsset effect;
    effect.path = folder + name;
    effect.sound = sounds.LoadSoundFile(-1, effect.path);
    effect.name = name;
    effect.loaded = effect.sound != 0 ? 1 : 0;
    game.catalogues.soundEffects.push_back(std::move(effect));
  }
}

void LoadMusicTracks(Game& game) {
  game.catalogues.musicTracks.clear();
  const std::string& folder = game.settings.INGAMEMUSIC;
  for (const std::string& name : ListFolder(folder, "*.ogg")) {
    SoundAsset track;
    track.path = folder + name;
    game.catalogues.musicTracks.push_back(std::move(track));
  }
}

int EffectPasses(std::int32_t egfxMax) {
  if (egfxMax < 0) return 0;
  return (egfxMax > kLargestEgfxMax ? kLargestEgfxMax : egfxMax) + 1;
}

void LoadEffectSprites(Game& game) {
  Screen& screen = game.engine.screen();
  game.catalogues.effectSprites.clear();
  const int passes = EffectPasses(game.settings.EGFXMAX);
  if (passes == 0) return;
  // The folder is listed and each picture loaded once; every pass's entry of a file
  // draws the same 3D sprite (effect sprites are never turned or zoomed one by one).
  std::vector<int> quads;
  for (const std::string& name : ListFolder(game.settings.EGFXPATH, "*.png")) {
    screen.SetDefaultColourKey(-1, Rgb(0, 0, 0));
    const int sprite = screen.LoadImageSprite(-1, game.settings.EGFXPATH + name, kModeTexture);
    quads.push_back(screen.MakeSprite3D(-1, sprite));
  }
  const float tile = game.tileSize();
  const std::int32_t rowsBound = NearestInt(game.level.visibleRows * tile);
  const std::int32_t columnsBound = NearestInt(game.level.visibleColumns * tile);
  game.catalogues.effectSprites.reserve(static_cast<std::size_t>(passes) * quads.size());
  for (int pass = 0; pass < passes; ++pass) {
    for (const int quad : quads) {
      EffectSprite effect;
      effect.sprite3D = quad;
      effect.y = static_cast<float>(game.random.RandomUpTo(rowsBound));
      effect.x = static_cast<float>(game.random.RandomUpTo(columnsBound));
      effect.speedX = static_cast<float>(1 + game.random.RandomUpTo(5));
      effect.speedY = static_cast<float>(1 + game.random.RandomUpTo(5));
      game.catalogues.effectSprites.push_back(effect);
    }
  }
}

void PlaySoundByName(Game& game, const std::string& name) {
  const SoundAsset* effect = FindSoundEffect(game, name);
  if (effect == nullptr || effect->loaded != 1) return;
  game.engine.sounds().StartSound(effect->sound, 0);
  if (game.observer) game.observer->OnSound(name);
}

const TileGraphic* FindTileGraphic(const Game& game, const std::string& name) {
  for (const TileGraphic& graphic : game.catalogues.tileGraphics) {
    if (graphic.fileName == name) return &graphic;
  }
  return nullptr;
}

}  // namespace vorantis
