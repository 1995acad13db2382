#include "play/hud.h"

#include <string>

#include "core/game.h"
#include "core/nearest_int.h"
#include "core/program_end.h"
#include "core/saturating.h"
#include "engine/engine.h"
#include "play/screen_shot.h"
#include "present/catalogues.h"
#include "present/credits.h"
#include "present/font.h"

namespace vorantis {

namespace {

// Three empty bomb slots (the font's "NOBOMB" glyph) under the bombs carried.
const std::string kBombSlots = " \xF6\xF6\xF6 |";

void DrawHudText(Game& game, const std::string& text, float xFactor, float yFactor, int alpha) {
  DrawBitmapText(game, text, game.screenWidth * xFactor, game.screenHeight * yFactor, 1.0f, 0, alpha, 1.0f);
}

}  // namespace

void StepTimer(Game& game, std::int8_t direction) {
  if (direction != 1 && direction != -1) return;
  // With WORLDREFRESH at the top of its range the count stops there: the countdown never steps.
  AddSaturating(game.play.timerFrames, 1);
  if (game.play.timerFrames > game.settings.WORLDREFRESH) {
    game.play.timerFrames = 0;
    ChangeTime(game, direction);
  }
}

void ChangeTime(Game& game, std::int8_t direction) {
  if (direction == 1) AddSaturating(game.play.timeLeft, 1);
  if (direction == -1) AddSaturating(game.play.timeLeft, -1);
  if (game.play.timeLeft >= 1 && game.play.timeLeft <= 10) PlaySoundByName(game, game.settings.TIMERSOUND);
  if (game.play.timeLeft < 0) game.play.gameState = kGameOver;
}

void DrawHud(Game& game) {
  PlayState& play = game.play;
  if (play.totalScore < play.countTarget) play.totalScore += 1;
  if (play.tilesLeft < 1) play.tilesLeft = 0;

  DrawHudText(game, " SCORE " + std::to_string(play.totalScore) + "|", 0.7f, 0.05f, 240);
  DrawHudText(game, " TIME " + std::to_string(play.timeLeft) + "|", 0.06f, 0.05f, 240);
  DrawHudText(game, kBombSlots, 0.4f, 0.01f, 200);
  DrawHudText(game, " " + play.bombs + "|", 0.4f, 0.01f, 240);
  DrawHudText(game, " TILES LEFT " + std::to_string(play.tilesLeft) + "|", 0.4f, 0.1f, 240);
  DrawHudText(game, " MAP " + std::to_string(play.levelNumber) + "|", 0.7f, 0.1f, 240);
  DrawBitmapText(game, kDemoNotice, game.screenWidth - static_cast<float>(play.noticeOffset),
                 game.screenHeight * 0.9f, 0.8f, 0, 200, 1.0f);

  play.noticeOffset += 2;
  if (play.noticeOffset > NearestInt(game.screenWidth * 2)) play.noticeOffset = 0;
}

void ShowLevelIntro(Game& game) {
  if (game.play.levelIntroPending != 1) return;
  Screen& screen = game.engine.screen();
  screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
  GrabScreenShot(game);

  const float width = game.screenWidth;
  const std::string caption = "  MAP " + std::to_string(game.play.levelNumber) + "| ";
  float spacing = 0;
  for (float b = 1; b < width; b += 6) {
    screen.BeginSprite3DPass();
    screen.FillScreen(Rgb(0, 0, 0));
    screen.DrawSprite3D(game.play.screenShot3D, 0, 0, 255);
    DrawBitmapText(game, caption, width * (0.4f - spacing / 10), game.screenHeight * 0.3f, 3.0f, 0, 240,
                   spacing);
    screen.EndSprite3DPass();
    screen.PresentFrame();
    spacing += 0.01f;
  }
  game.play.levelIntroPending = 0;
  FreeScreenShot(game);
}

void ShowGameOver(Game& game) {
  Screen& screen = game.engine.screen();
  screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
  GrabScreenShot(game);

  const float width = game.screenWidth;
  float spacing = 0;
  for (float b = 1; b < width; b += 4) {
    screen.FillScreen(Rgb(0, 0, 0));
    screen.BeginSprite3DPass();
    screen.DrawSprite3D(game.play.screenShot3D, 0, 0, 255);
    DrawBitmapText(game, "  GAME OVER |", width * (0.3f - spacing / 10), game.screenHeight * 0.3f, 3.0f, 0,
                   240, spacing);
    screen.EndSprite3DPass();
    screen.PresentFrame();
    spacing += 0.005f;
  }
  EndProgram(game);
}

}  // namespace vorantis
