#include "play/screen_shot.h"

#include "core/game.h"
#include "core/nearest_int.h"
#include "engine/engine.h"
#include "present/font.h"

namespace vorantis {

void GrabScreenShot(Game& game) {
  Screen& screen = game.engine.screen();
  PlayState& play = game.play;
  const float zoom = game.settings.FULLSCREENZOOM;
  const int width = NearestInt(game.screenWidth * zoom - 1);
  const int height = NearestInt(game.screenHeight * zoom - 1);
  const int spriteNumber = screen.SpriteExists(play.screenShot) ? play.screenShot : -1;
  const int grabbed = screen.GrabScreenSprite(spriteNumber, 1, 1, width, height, kModeTexture);
  if (grabbed == 0) {
    FreeScreenShot(game);
    return;
  }
  play.screenShot = grabbed;
  const int quadNumber = screen.Sprite3DExists(play.screenShot3D) ? play.screenShot3D : -1;
  play.screenShot3D = screen.MakeSprite3D(quadNumber, play.screenShot);
}

void FreeScreenShot(Game& game) {
  Screen& screen = game.engine.screen();
  PlayState& play = game.play;
  if (screen.Sprite3DExists(play.screenShot3D)) screen.ReleaseSprite3D(play.screenShot3D);
  if (screen.SpriteExists(play.screenShot)) screen.ReleaseSprite(play.screenShot);
  play.screenShot3D = 0;
  play.screenShot = 0;
}

void ShowCaptionOverScreenShot(Game& game, const std::string& caption, float left, float step,
                               float spreadPerFrame) {
  Screen& screen = game.engine.screen();
  screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
  GrabScreenShot(game);
  const float width = game.screenWidth;
  float spacing = 0;
  for (float b = 1; b < width; b += step) {
    screen.BeginSprite3DPass();
    screen.FillScreen(Rgb(0, 0, 0));
    screen.DrawSprite3D(game.play.screenShot3D, 0, 0, 255);
    DrawBitmapText(game, caption, width * (left - spacing / 10), game.screenHeight * 0.3f, 3.0f, 0, 240,
                   spacing);
    screen.EndSprite3DPass();
    screen.PresentFrame();
    spacing += spreadPerFrame;
  }
}

}  // namespace vorantis
