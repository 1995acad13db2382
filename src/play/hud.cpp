#include "play/hud.h"

#include <string>

#include "core/game.h"
#include "core/nearest_int.h"
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

}  // namespace vorantis
