#include "play/level_intro.h"

#include <string>

#include "core/game.h"
#include "engine/engine.h"
#include "play/screen_shot.h"
#include "present/font.h"

namespace vorantis {

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

}  // namespace vorantis
