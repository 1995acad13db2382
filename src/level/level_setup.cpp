#include "level/level_setup.h"

#include <algorithm>

#include "core/datafile.h"
#include "core/game.h"
#include "core/nearest_int.h"
#include "core/program_end.h"
#include "engine/engine.h"
#include "level/builders.h"
#include "level/hotspot.h"
#include "level/level_size.h"
#include "level/object_definitions.h"
#include "level/tiles.h"

namespace vorantis {

namespace {

// The labyrinth of the current level size, drawn from the seeded generator.
void BuildGeneratedLevel(Game& game) {
  const int width = game.level.levelWidth;
  const int height = game.level.levelHeight;
  FillWalls(game, width, height);
  RandomWalk(game, width, height, WalkKind::kFloor);
  RandomWalk(game, width, height, WalkKind::kGrass);
  RandomWalk(game, width, height, WalkKind::kWater);
  EdgePass(game);
  SpawnEnemies(game);
  FitAllFields(game);
}

void AlignEnemy(const Game& game, Enemy& enemy, const ObjectDefinition& definition) {
  // Unlike a field object, an enemy is never fitted to the field.
  ApplyHotspot(definition, enemy.width, enemy.height, game.tileSize(), enemy.offsetX, enemy.offsetY);
}

std::int32_t SeedOfLevel(const Game& game) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(game.settings.WORLDRANDOM) +
                                   static_cast<std::uint32_t>(game.play.levelNumber));
}

}  // namespace

void NewLevel(Game& game) {
  game.play.tilesLeft = 0;
  if (game.play.levelNumber < 1) game.play.levelNumber = 0;
  game.random.SeedRandom(SeedOfLevel(game));

  const std::int32_t halfWidth = game.level.baseWidth / 2;
  const std::int32_t halfHeight = game.level.baseHeight / 2;
  const std::int64_t width =
      std::int64_t{game.random.RandomUpTo(halfWidth)} + halfWidth + game.play.levelNumber;
  const std::int64_t height =
      std::int64_t{game.random.RandomUpTo(halfHeight)} + halfHeight + game.play.levelNumber;
  game.level.levelWidth = ClampLevelSide(LimitToMapSize(width, game.settings.MAPSIZE));
  game.level.levelHeight = ClampLevelSide(LimitToMapSize(height, game.settings.MAPSIZE));

  StartLevelMusic(game);
  game.play.cursor.heading = heading::kNone;
  ClearEnemies(game);
  ResetLevel(game);
  LoadObjectDefinitions(game);
  BuildGeneratedLevel(game);
}

void StartSelfCreatedGame(Game& game, const std::string& basePath) {
  game.play.tilesLeft = 0;
  std::optional<LineReader> reader = LineReader::Open(basePath);
  if (!reader) EngineReport(game, kReportSelfCreateBase);
  std::string lines[5];
  for (std::string& line : lines) line = reader->ReadLine();
  game.level.baseWidth = ParseInt(lines[1]);
  game.level.baseHeight = ParseInt(lines[2]);

  const std::uint32_t firstSeed = game.random.SeedRandom(SeedOfLevel(game));
  game.random.SeedRandom(static_cast<std::int32_t>(firstSeed));
  const std::int32_t halfWidth = game.level.baseWidth / 2;
  const std::int32_t halfHeight = game.level.baseHeight / 2;
  std::int64_t width = game.random.RandomUpTo(halfWidth);
  width += game.random.RandomUpTo(halfWidth);
  std::int64_t height = game.random.RandomUpTo(halfHeight);
  height += game.random.RandomUpTo(halfHeight);
  game.level.levelWidth = ClampLevelSide(width);
  game.level.levelHeight = ClampLevelSide(height);

  StartLevelMusic(game);
  game.play.cursor.heading = heading::kNone;
  ResetLevel(game);
  ClearEnemies(game);
  LoadPlayerGraphic(game);
  BuildGeneratedLevel(game);
}

void StartLevelMusic(Game& game) {
  Sounds& sounds = game.engine.sounds();
  for (SoundAsset& track : game.catalogues.musicTracks) {
    if (sounds.SoundExists(track.sound)) {
      sounds.HaltSound(track.sound);
      sounds.ReleaseSound(track.sound);
    }
  }
  // Without tracks there is nothing to pick: the level plays no music.
  if (game.catalogues.musicTracks.empty()) return;
  std::size_t pick = 0;
  while (game.random.RandomUpTo(10) != 0) pick = (pick + 1) % game.catalogues.musicTracks.size();
  SoundAsset& track = game.catalogues.musicTracks[pick];
  track.sound = sounds.LoadSoundFile(-1, track.path);
  track.loaded = track.sound != 0 ? 1 : 0;
  if (sounds.SoundExists(track.sound)) {
    sounds.StartSound(track.sound, kSoundLooped);
    track.playing = 1;
  }
}

void ClearEnemies(Game& game) {
  Screen& screen = game.engine.screen();
  for (const Enemy& enemy : game.level.enemies) {
    if (screen.Sprite3DExists(enemy.sprite3D)) screen.ReleaseSprite3D(enemy.sprite3D);
  }
  game.level.enemies.clear();
}

void ResetLevel(Game& game) {
  Screen& screen = game.engine.screen();
  game.play.originColumn = 0;
  game.play.originRow = 0;
  game.level.edgeCandidates.clear();
  for (const FieldObject& object : game.level.fieldObjects) {
    if (screen.Sprite3DExists(object.sprite3D)) screen.ReleaseSprite3D(object.sprite3D);
  }
  game.level.fieldObjects.clear();
  // Every field of the grid, whatever size it had, so that no sprite is left behind.
  for (int column = 0; column < game.level.matrix.columns(); ++column) {
    for (int row = 0; row < game.level.matrix.rows(); ++row) {
      const std::int32_t sprite = game.level.matrix.At(column, row).sprite3D;
      if (sprite != 0 && screen.Sprite3DExists(sprite)) screen.ReleaseSprite3D(sprite);
    }
  }
  game.level.matrix.Create(std::max(256, game.level.levelWidth), std::max(256, game.level.levelHeight));
}

void LoadPlayerGraphic(Game& game) {
  Screen& screen = game.engine.screen();
  if (screen.Sprite3DExists(game.play.cursor.sprite3D)) screen.ReleaseSprite3D(game.play.cursor.sprite3D);
  if (screen.SpriteExists(game.play.cursor.sprite)) screen.ReleaseSprite(game.play.cursor.sprite);
  game.play.cursor.sprite3D = 0;
  screen.SetDefaultColourKey(-1, Rgb(255, 255, 255));
  game.play.cursor.sprite = screen.LoadImageSprite(-1, game.settings.CURSOR, kModeTexture);
  if (screen.SpriteExists(game.play.cursor.sprite))
    game.play.cursor.sprite3D = screen.MakeSprite3D(-1, game.play.cursor.sprite);
}

void SpawnEnemies(Game& game) {
  Screen& screen = game.engine.screen();
  const std::int64_t most = game.settings.MAXFOE;
  const float tile = game.tileSize();
  for (int column = 0; column <= game.level.levelWidth; ++column) {
    for (int row = 0; row <= game.level.levelHeight; ++row) {
      const MatrixField* field = game.level.matrix.Find(column, row);
      if (field == nullptr || field->useEnemy != 1) continue;
      for (const ObjectDefinition& definition : game.level.objectDefinitions) {
        if (static_cast<std::int64_t>(game.level.enemies.size()) >= most) break;
        if (definition.isEnemy == 0) continue;
        if (game.random.RandomUpTo(definition.density) != 0) continue;
        Enemy enemy;
        enemy.x = static_cast<std::int32_t>(NearestInt(static_cast<float>(column) * tile));
        enemy.y = static_cast<std::int32_t>(NearestInt(static_cast<float>(row) * tile));
        enemy.width = static_cast<float>(screen.SpritePixelWidth(definition.sprite));
        enemy.height = static_cast<float>(screen.SpritePixelHeight(definition.sprite));
        enemy.traits = definition.traits;
        enemy.motion = definition.motion;
        enemy.sprite3D = screen.MakeSprite3D(-1, definition.sprite);
        screen.ScaleSprite3D(enemy.sprite3D, enemy.width, enemy.height);
        AlignEnemy(game, enemy, definition);
        game.level.enemies.push_back(enemy);
      }
    }
  }
}

void FitAllFields(Game& game) {
  for (int column = 0; column <= game.level.levelWidth; ++column) {
    for (int row = 0; row <= game.level.levelHeight; ++row) FitFieldSprite(game, column, row);
  }
}

}  // namespace vorantis
