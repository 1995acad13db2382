#include "play/game_over.h"

#include "core/game.h"
#include "core/program_end.h"
#include "engine/engine.h"
#include "play/screen_shot.h"
#include "present/font.h"

namespace vorantis {

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
