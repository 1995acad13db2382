#include "play/game_frame.h"

#include "core/game.h"
#include "core/nearest_int.h"
#include "core/saturating.h"
#include "engine/engine.h"
#include "play/actors.h"
#include "play/countdown.h"
#include "play/enemies.h"
#include "play/floor_colouring.h"
#include "play/game_over.h"
#include "play/hud.h"
#include "play/level_intro.h"
#include "play/screen_shot.h"
#include "play/view.h"

namespace vorantis {

void DrawFields(Game& game) {
  Screen& screen = game.engine.screen();
  const float tile = game.tileSize();
  const FieldsInView view = VisitedFields(game);
  for (int j = 0; j < view.rows; ++j) {
    for (int i = 0; i <= view.columns; ++i) {
      const int column = view.firstColumn + i;
      const int row = view.firstRow + j;
      const MatrixField* field = game.level.matrix.Find(column, row);
      if (!field || field->opacity <= 0 || field->inLevel != 1) continue;
      FixBlueFloor(game, column, row);
      FixPinkFloor(game, column, row);
      // The colouring may have placed a new tile: draw what the field holds now.
      field = game.level.matrix.Find(column, row);
      screen.DrawSprite3D(field->sprite3D, NearestInt(static_cast<float>(i) * tile),
                          NearestInt(static_cast<float>(j) * tile), field->opacity);
    }
  }
}

namespace {

void DrawPlayfield(Game& game) {
  game.engine.screen().FillScreen(Rgb(0, 0, 0));
  MoveEffectSprites(game, 1);
  DrawFields(game);
  DrawFieldObjects(game);
  MoveEnemies(game);
  StepPlayer(game);
  ShowLevelIntro(game);
  ZoomScreen(game, game.settings.SMOOTH);
  DrawHud(game);
}

// Moves on to the next level number and silences the music.
void CompleteLevel(Game& game) {
  AddSaturating(game.play.levelNumber, 1);
  game.play.timeLeft = 0;
  Sounds& sounds = game.engine.sounds();
  for (const SoundAsset& track : game.catalogues.musicTracks) {
    if (sounds.SoundExists(track.sound)) sounds.HaltSound(track.sound);
  }
}

}  // namespace

void RunGameFrame(Game& game) {
  Screen& screen = game.engine.screen();
  // Only the floor colouring of this frame lowers tilesLeft; the controls never do.
  const bool completeBefore = game.play.tilesLeft < 1;
  // The level intro grabs this frame's picture and shows it for the whole animation.
  if (game.play.levelIntroPending == 1) screen.KeepFrameDrawn();
  screen.BeginSprite3DPass();
  if (game.settings.USESPRITE3D == 1) DrawPlayfield(game);
  bool wonThisFrame = false;
  if (game.play.tilesLeft < 1) {
    game.play.bankedScore = game.play.totalScore;
    CompleteLevel(game);
    wonThisFrame = !completeBefore;
  }
  screen.EndSprite3DPass();
  // A generated level won in this frame is built afresh before the next one; stepping
  // the countdown now would take the zeroed time below 0 and lose it. A level that was
  // complete before the frame began (complete when built) still lets the clock run,
  // or levels complete at build would follow each other for ever.
  if (!(wonThisFrame && game.settings.USESELFCREATEBASE == 1)) StepTimer(game, -1);
  screen.PresentFrame();
  if (game.play.gameState == kGameOver) ShowGameOver(game);
}

void MoveEffectSprites(Game& game, std::int32_t additive) {
  Screen& screen = game.engine.screen();
  if (additive == 1) {
    screen.SetSprite3DBlend(kBlendOne, kBlendSourceAlpha);
  } else {
    screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
  }
  const float width = game.screenWidth;
  const float height = game.screenHeight;
  for (EffectSprite& sprite : game.catalogues.effectSprites) {
    if (game.random.RandomUpTo(50) == 0) {
      const std::int32_t r1 = game.random.RandomUpTo(10);
      const std::int32_t r2 = game.random.RandomUpTo(10);
      const std::int32_t r3 = game.random.RandomUpTo(10);
      const std::int32_t r4 = game.random.RandomUpTo(10);
      sprite.speedX = static_cast<float>(r1 - r2);
      sprite.speedY = static_cast<float>(r3 - r4);
    }
    if (sprite.x + sprite.speedX > width) sprite.speedX = -sprite.speedX;
    if (sprite.y + sprite.speedY > height) sprite.speedY = -sprite.speedY;
    if (sprite.x + sprite.speedX < 1) sprite.speedX = -sprite.speedX;
    if (sprite.y + sprite.speedY < 1) sprite.speedY = -sprite.speedY;
    sprite.x += sprite.speedX;
    sprite.y += sprite.speedY;
    screen.DrawSprite3D(sprite.sprite3D, NearestInt(sprite.x), NearestInt(sprite.y), 255);
  }
  screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
}

void ZoomScreen(Game& game, std::int8_t smooth) {
  Screen& screen = game.engine.screen();
  screen.SetSprite3DFilter(0);
  screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
  screen.SetDefaultColourKey(-1, Rgb(255, 0, 255));
  screen.SetSprite3DFilter(smooth);
  GrabScreenShot(game);
  screen.ScaleSprite3D(game.play.screenShot3D, static_cast<float>(NearestInt(game.screenWidth)),
                       static_cast<float>(NearestInt(game.screenHeight)));
  screen.FillScreen(Rgb(0, 0, 0));
  screen.DrawSprite3D(game.play.screenShot3D, 0, 0, 255);
  screen.SetSprite3DFilter(0);
}

}  // namespace vorantis
